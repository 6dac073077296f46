#include "Console.h"

#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace ardo {

namespace {

// The echo of what is typed and the output share a screen only on one terminal: one device, or
// the process's controlling terminal under both descriptors (/dev/tty names it too).
bool sameTerminal() {
  struct stat in = {};
  struct stat out = {};
  return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1 && fstat(STDIN_FILENO, &in) == 0 &&
         fstat(STDOUT_FILENO, &out) == 0 &&
         (in.st_rdev == out.st_rdev ||
          (tcgetsid(STDIN_FILENO) != -1 && tcgetsid(STDOUT_FILENO) != -1));
}

}  // namespace

bool Screen::print(std::size_t queued, bool endsLine, bool inputEnded) {
  // More queued than at the last output was handed over since, and echoed; how it ends shows only
  // once it is read, and taking it for a line end never adds a blank line.
  if (queued > queued_) position_ = kLineStart;
  queued_ = queued;
  const bool newline = position_ == kAfterTypedText || (inputEnded && position_ != kLineStart);
  position_ = endsLine ? kLineStart : kMidLine;
  return newline;
}

void Console::open() {
  // A fresh buffer holds no pointers: the first read and the first write set them.
  *this = Console{};
  shared_ = sameTerminal();
}

Console::int_type Console::underflow() {
  if (gptr() == egptr() && !inputEnded_) {
    ssize_t got = read(STDIN_FILENO, in_, kSize);
    while (got < 0 && errno == EINTR) got = read(STDIN_FILENO, in_, kSize);
    // A terminal's end of the input comes once: nothing is read after it.
    inputEnded_ = got <= 0;
    readError_ = got < 0 ? errno : 0;
    got = std::max<ssize_t>(got, 0);
    if (shared_ && got > 0) screen_.handedOver(std::size_t(got), in_[got - 1] == '\n');
    in_[got] = '\0';
    setg(in_, in_, in_ + got);
  }
  return gptr() < egptr() ? traits_type::to_int_type(*gptr()) : traits_type::eof();
}

bool Console::flush() {
  char* start = pbase();
  if (shared_ && writeError_ == 0 && pptr() > start) {
    int queued = 0;  // left at 0 if the terminal cannot say
    ioctl(STDIN_FILENO, FIONREAD, &queued);
    if (screen_.print(std::size_t(queued), pptr()[-1] == '\n', inputEnded_)) *--start = '\n';
  }
  while (writeError_ == 0 && start < pptr()) {
    const ssize_t written = write(STDOUT_FILENO, start, std::size_t(pptr() - start));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) writeError_ = written < 0 ? errno : EIO;
    start += std::max<ssize_t>(written, 0);
  }
  setp(out_ + 1, out_ + sizeof out_);
  return writeError_ == 0;
}

void Console::close() {
  // Closed from the start, standard output held nothing to lose: a write would have failed.
  if (flush() && ::close(STDOUT_FILENO) != 0 && errno != EBADF) writeError_ = errno;
}

}  // namespace ardo
