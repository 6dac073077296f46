#include "Console.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ardo {

namespace {

// Waits until the descriptor is ready for events, whatever its flags; false, with errno set, when
// poll fails.
bool waitUntilReady(int descriptor, short events) {
  pollfd ready = {descriptor, events, 0};
  return poll(&ready, 1, -1) > 0;
}

// A call that failed is made again when it was interrupted, or when the descriptor was left
// non-blocking by whoever shares it (EWOULDBLOCK is EAGAIN on Linux) and is ready now. Its flags
// stay as they are: they belong to every process that shares it. Cold, it stays out of the path
// of a write that succeeds, which costs as many instructions as it did without it.
[[gnu::cold]] bool tryAgain(int descriptor, short events) {
  return errno == EINTR ||
         (errno == EAGAIN && (waitUntilReady(descriptor, events) || errno == EINTR));
}

// White space as the stream sees it. any_of over it is unrolled into comparisons, where strspn or
// memchr would cost a call for each skip.
constexpr char kSpaces[] = " \n\t\r\v\f";
bool isSpace(int c) {
  return std::any_of(kSpaces, kSpaces + sizeof kSpaces - 1, [c](char space) { return c == space; });
}

}  // namespace

bool Screen::newlineFirst(std::size_t queued, bool endsLine, bool inputEnded) {
  // More queued than at the last output was handed over since, and echoed; how it ends shows only
  // once it is read, and taking it for a line end never adds a blank line.
  if (queued > queued_) position_ = kLineStart;
  queued_ = queued;
  const bool newline = position_ == kAfterTypedText || (inputEnded && position_ != kLineStart);
  position_ = endsLine ? kLineStart : kMidLine;
  return newline;
}

void Console::open() {
  // The replay and fuzz harnesses run main more than once: each run starts with nothing held. A
  // fresh buffer holds no pointers: the first read and the first write set them.
  *this = Console{};
  termios mode = {};
  struct stat in = {};
  struct stat out = {};
  if (tcgetattr(STDIN_FILENO, &mode) != 0) return;
  byteByByte_ = (mode.c_lflag & ICANON) == 0;
  waitFirst_ = byteByByte_ && mode.c_cc[VMIN] == 0;
  // The echo of what is typed and the output share a screen only on one terminal: one device, or
  // the process's controlling terminal under both descriptors (/dev/tty names it too).
  shared_ = isatty(STDOUT_FILENO) == 1 && fstat(STDIN_FILENO, &in) == 0 &&
            fstat(STDOUT_FILENO, &out) == 0 &&
            (in.st_rdev == out.st_rdev ||
             (tcgetsid(STDIN_FILENO) != -1 && tcgetsid(STDOUT_FILENO) != -1));
}

bool Console::skipSpace() {
  int c = sgetc();
  while (isSpace(c)) c = snextc();
  return c != traits_type::eof();
}

int Console::takeWord(char* kept, int size) {
  int copied = 0;
  while (sgetc() != traits_type::eof()) {
    const char* const text = gptr();
    const auto held = static_cast<std::size_t>(egptr() - text);
    // A NUL stops strcspn as the end of the input held does, but it does not end the word.
    std::size_t word = std::strcspn(text, kSpaces);
    while (word < held && text[word] == '\0') word += 1 + std::strcspn(text + word + 1, kSpaces);
    for (std::size_t i = 0; i < word && copied < size; ++i) {
      if (text[i] != '\0') kept[copied++] = text[i];
    }
    gbump(static_cast<int>(word));
    if (word < held) break;
  }
  return copied;
}

void Console::skipLine(std::size_t limit) {
  // At a terminal, a read past the limit would wait for more.
  while (limit > 0 && sgetc() != traits_type::eof()) {
    const std::size_t held = std::min(static_cast<std::size_t>(egptr() - gptr()), limit);
    const auto* const newline = static_cast<const char*>(std::memchr(gptr(), '\n', held));
    const std::size_t skipped =
        newline != nullptr ? static_cast<std::size_t>(newline - gptr()) + 1 : held;
    gbump(static_cast<int>(skipped));
    limit = newline != nullptr ? 0 : limit - skipped;
  }
}

Console::int_type Console::underflow() {
  if (gptr() == egptr() && !inputEnded_) {
    ssize_t got = -1;
    do {
      got = !waitFirst_ || waitUntilReady(STDIN_FILENO, POLLIN)
                ? read(STDIN_FILENO, in_, byteByByte_ ? 1 : kSize)
                : -1;
    } while (got < 0 && tryAgain(STDIN_FILENO, POLLIN));
    // A terminal's end of the input comes once: nothing is read after it.
    inputEnded_ = got <= 0;
    readError_ = got < 0 ? errno : 0;
    got = std::max<ssize_t>(got, 0);
    if (shared_ && got > 0) screen_.handedOver(static_cast<std::size_t>(got), in_[got - 1] == '\n');
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
    const auto unread = static_cast<std::size_t>(queued);
    if (screen_.newlineFirst(unread, pptr()[-1] == '\n', inputEnded_)) *--start = '\n';
  }
  while (writeError_ == 0 && start < pptr()) {
    const ssize_t written = write(STDOUT_FILENO, start, static_cast<std::size_t>(pptr() - start));
    if (written < 0 && tryAgain(STDOUT_FILENO, POLLOUT)) continue;
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
