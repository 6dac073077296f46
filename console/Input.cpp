#include "Input.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>

#include "Screen.h"
#include "Session.h"
#include "TextField.h"

namespace ardo {

namespace {

// Room for what the stream's buffer holds at once; a terminal hands over at most a line of 4095
// characters and its newline.
constexpr int kChunk = 8192;
constexpr int kDecimal = 10;

// White space as the stream sees it: ' ' and '\t' to '\r'.
constexpr char kSpaces[] = " \n\t\r\v\f";
bool isSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A stream that reads the descriptor itself reports a read error with badbit (libstdc++); one
// that reads through C's stdin sees only an end there, and the error stays on stdin (libc++).
bool readFailed() { return std::cin.bad() || std::ferror(stdin) != 0; }

// A read came to the end of what it takes. The end of the input met there ends the session, once
// what was read is used; a read error there means the end of the entry was not seen, and
// nothing of it is used.
ReadResult finish(ReadResult result) {
  // Only a stream that met an end can have left a read error on stdin.
  if (std::cin.eof() ? readFailed() : std::cin.bad()) {
    endSession(End::kReadError);
    return ReadResult::kEnded;
  }
  if (std::cin.eof()) endSession(End::kInput);
  return result;
}

// At a terminal that is also standard output, the stream holds what is left of the text the
// terminal last handed over: a line, or what was typed before a Ctrl-D. A read that needs more
// waits, and the terminal then hands over text typed after everything printed so far; the screen
// learns how that text ends. libstdc++ shows the stream's buffer, and with it the end of each
// handover. libc++ reads through C's stdin and shows nothing of its buffer but a character a read
// looked at and left: there each character counts as typed when the stream fetches it, and the
// screen learns only the last one.
bool lookedAt = false;  // the last read left a character it looked at

// What the stream holds, looked at without taking it.
struct Held {
  int length = 0;
  char last = '\0';
  bool shown = false;   // the stream's buffer: its last character ends what was handed over
  bool number = false;  // all of it could be part of one number, which it alone makes value
  long value = 0;
};

Held look() {
  Held held;
  if (std::cin.eof() || std::cin.bad()) return held;
  char text[kChunk + 1];
  const std::ios::iostate state = std::cin.rdstate();
  std::cin.clear();
  // An empty buffer may show what the terminal holds typed ahead: peek refills it with one
  // handover, so that each character readsome takes is in the buffer and can step back.
  if (std::cin.rdbuf()->in_avail() > 0) std::cin.peek();
  held.length = static_cast<int>(std::cin.readsome(text, kChunk));
  held.shown = held.length > 0;
  // readsome took them from the buffer: each steps back.
  for (int i = 0; i < held.length; ++i) std::cin.unget();
  if (!held.shown && lookedAt) text[held.length++] = static_cast<char>(std::cin.peek());
  std::cin.setstate(state);
  text[held.length] = '\0';
  held.last = held.length > 0 ? text[held.length - 1] : '\0';
  const int sign = text[0] == '+' || text[0] == '-' ? 1 : 0;
  held.number = held.length > 0 &&
                static_cast<int>(std::strspn(text + sign, "0123456789")) == held.length - sign;
  held.value = std::clamp<long>(std::strtol(text, nullptr, kDecimal), INT_MIN, INT_MAX);
  return held;
}

// One read, and what the stream held before it. That is looked at before the read flushes its
// prompt: what was typed ahead counts as held, and what is typed once the prompt shows as handed
// over during the read.
class Read {
 public:
  Read() : screen_(sharedScreen()) {
    if (screen_ != nullptr) before_ = look();
  }
  // The read took taken characters, the last of them a newline or not, then looked at one more
  // and left it, or not.
  void took(std::streamsize taken, bool newline, bool looked) const {
    lookedAt = looked;
    if (screen_ != nullptr && taken + (looked ? 1 : 0) > before_.length) handedOver(newline);
  }
  // The read was of a number, of value number (what a failed read leaves). It needed more when
  // all that the stream held could be part of the number; if the input ended there, more was
  // handed over when the number is not what that alone makes.
  void tookNumber(int number) const {
    lookedAt = !std::cin.eof();
    if (screen_ != nullptr && before_.number && (lookedAt || number != before_.value)) {
      handedOver(false);
    }
  }

 private:
  // newline: whether the last character taken is one, for when the stream holds nothing more.
  void handedOver(bool newline) const {
    const Held now = look();
    screen_->handedOver(now.length > 0 ? now.last == '\n' : newline, now.shown);
  }

  Screen* screen_;
  Held before_;
};

// Starts the read of a value: flushes the output, then skips white space; kEnded when the
// session has ended, before or now. At a terminal one character at a time, to count them;
// elsewhere the stream's sentry skips it in one call, which a long piped session notices. Either
// way the end of the input is seen once, and nothing reads after it.
ReadResult startValue() {
  const Read read;
  if (!readyToRead()) return ReadResult::kEnded;
  if (sharedScreen() == nullptr) {
    const std::istream::sentry skipped(std::cin);
    return skipped ? ReadResult::kOk : finish(ReadResult::kEnded);
  }
  std::streamsize taken = 0;
  bool newline = false;
  int next = std::cin.peek();
  for (; isSpace(next); next = std::cin.peek(), ++taken) {
    newline = next == '\n';
    std::cin.ignore();
  }
  read.took(taken, newline, next != EOF);
  return next != EOF ? ReadResult::kOk : finish(ReadResult::kEnded);
}

// Rejects what was read, and the rest of its line, however long.
ReadResult rejectLine() {
  // The end of the input has been seen: reading on would wait at a terminal for a second one.
  if (!std::cin.eof() && !std::cin.bad()) {
    std::cin.clear();
    const Read read;
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    read.took(std::cin.gcount(), !std::cin.eof(), false);
  }
  return finish(ReadResult::kRejected);
}

// Position of the first white space in text[0, length), or length. memchr looks for each white
// space character in turn, as far as the nearest one found so far; the C library scans many
// bytes at a time.
std::streamsize firstSpace(const char* text, std::streamsize length) {
  for (const char* space = kSpaces; *space != '\0'; ++space) {
    if (const void* found = std::memchr(text, *space, static_cast<std::size_t>(length))) {
      length = static_cast<const char*>(found) - text;
    }
  }
  return length;
}

// getline into buffer (size bytes), once the output is flushed. Returns how many characters it
// took, the newline included, or -1 once the session has ended, before or now.
std::streamsize takeLine(char* buffer, int size) {
  const Read read;
  if (!readyToRead()) return -1;
  std::cin.getline(buffer, size);
  const std::streamsize taken = std::cin.gcount();
  // A full buffer leaves failbit: getline looked at one more character.
  read.took(taken, !std::cin.fail() && !std::cin.eof(), std::cin.fail() && !std::cin.eof());
  return taken;
}

}  // namespace

ReadResult readLine(char* buffer, int size) {
  buffer[0] = '\0';
  std::streamsize length = takeLine(buffer, size);
  if (length < 0) return ReadResult::kEnded;
  if (readFailed() || (std::cin.eof() && length == 0)) {
    buffer[0] = '\0';
    return finish(ReadResult::kEnded);
  }
  if (std::cin.fail()) return rejectLine();  // longer than the buffer
  if (!std::cin.eof()) {
    --length;
    if (length > 0 && buffer[length - 1] == '\r') buffer[--length] = '\0';
  }
  const bool fits = length <= size - 2;
  const bool holdsNoNul = std::strlen(buffer) == static_cast<std::size_t>(length);
  return finish(fits && holdsNoNul ? ReadResult::kOk : ReadResult::kRejected);
}

ReadResult readNumber(int& number) {
  number = 0;
  // Only white space up to the end: nothing was typed. Anything else that is not a number, the
  // end of the input straight after it included, is rejected.
  if (startValue() == ReadResult::kEnded) return ReadResult::kEnded;
  const Read read;
  std::cin >> number;
  read.tookNumber(number);
  const ReadResult result = std::cin.fail() ? rejectLine() : finish(ReadResult::kOk);
  if (result != ReadResult::kOk) number = 0;
  return result;
}

ReadResult readWord(char* buffer, int size) {
  buffer[0] = '\0';
  if (startValue() == ReadResult::kEnded) return ReadResult::kEnded;
  const Read read;
  // The word ends at white space or at the end of the input, which is seen once. Where the stream
  // holds characters it can hand over at once, readsome takes all of them and what turns out to
  // follow the word steps back; a stream may report none (libc++), and then it goes one at a
  // time. NUL bytes are not part of the word; one byte past what fits is kept, for the cut.
  char chunk[kChunk];
  std::streamsize taken = 0;
  int kept = 0;
  int next = std::cin.peek();
  for (; next != EOF && !isSpace(next); next = std::cin.peek()) {
    std::streamsize got = std::cin.readsome(chunk, kChunk);
    if (got == 0) got = std::cin.get(chunk[0]) ? 1 : 0;
    const std::streamsize word = firstSpace(chunk, got);
    for (std::streamsize i = word; i < got; ++i) std::cin.unget();
    for (std::streamsize i = 0; i < word && kept < size; ++i) {
      if (chunk[i] != '\0') buffer[kept++] = chunk[i];
    }
    taken += word;
  }
  read.took(taken, false, next != EOF);
  // A longer word is cut between characters.
  const int length = kept == size ? wholeCharacters(buffer, size - 1) : kept;
  const ReadResult result = finish(ReadResult::kOk);
  buffer[result == ReadResult::kOk ? length : 0] = '\0';
  return result;
}

ReadResult readChar(char& c) {
  const Read read;
  if (!readyToRead()) return ReadResult::kEnded;
  const bool got = static_cast<bool>(std::cin.get(c));
  read.took(got ? 1 : 0, got && c == '\n', false);
  return got ? ReadResult::kOk : finish(ReadResult::kEnded);
}

void discardLine() {
  // getline stores at most kDiscardLimit - 1 characters and takes the newline right after them;
  // a longer line loses one more, the one getline looked at, so no more than kDiscardLimit go.
  char skipped[kDiscardLimit];
  if (takeLine(skipped, kDiscardLimit) >= 0 && std::cin.fail() && !std::cin.bad() &&
      !std::cin.eof()) {
    std::cin.clear();
    std::cin.ignore();
    lookedAt = false;
  }
  finish(ReadResult::kOk);
}

}  // namespace ardo
