#include "Console.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>

#include "Cursor.h"
#include "ErrorLine.h"
#include "TextField.h"

namespace ardo {

namespace {

enum class Failure { kNone, kRead, kWrite, kUsage };

const char* programName = "";
bool atTerminal = false;
bool ended = false;
Cursor cursor;
Failure failure = Failure::kNone;
int failureErrno = 0;

// Room for what the stream's buffer holds at once; a terminal hands over at most a line of 4095
// characters and its newline.
constexpr int kChunk = 8192;

// errno is read here, straight after the call that failed, before anything overwrites it.
void fail(Failure kind) {
  if (failure == Failure::kNone) {
    failure = kind;
    failureErrno = errno;
  }
  ended = true;
}

// What the program prints next starts on a line of its own, below any text typed at a terminal.
void startLine() {
  if (atTerminal && cursor.position() != Cursor::Position::kLineStart) {
    std::cout << '\n';
    cursor.printed(true);
  }
}

// The input has ended. A terminal's end of input comes once and does not repeat, so nothing
// reads again.
void endOfInput() {
  startLine();
  ended = true;
}

// A stream that reads the descriptor itself reports a read error with badbit (libstdc++); one
// that reads through C's stdin sees only an end there, and the error stays on stdin (libc++).
bool readFailed() { return std::cin.bad() || std::ferror(stdin) != 0; }

// A read met a read error or the end of the input with nothing to use; either ends the session.
ReadResult inputStopped() {
  if (readFailed()) {
    fail(Failure::kRead);
  } else {
    endOfInput();
  }
  return ReadResult::kEnded;
}

// An entry was taken up to its end, the last character taken a newline or not. The end of the
// input met there ends the session once the entry is used. A read error there means the entry's
// end was not seen: nothing of it is used.
ReadResult entryTaken(bool endsLine, ReadResult result) {
  // Only a stream that met an end can have left a read error on stdin.
  if (std::cin.eof() ? readFailed() : std::cin.bad()) {
    fail(Failure::kRead);
    return ReadResult::kEnded;
  }
  cursor.took(endsLine);
  if (std::cin.eof()) {
    endOfInput();
  }
  return result;
}

// At a terminal the stream's buffer holds the rest of what the terminal last handed over: a
// whole line, or the text typed before a Ctrl-D. All of it is on the screen, and when the cursor
// stands after it, mid-line, the answer to a value taken from it starts on a new line. The rest
// is looked at, not taken: readsome takes it from the buffer, and each character steps back. A
// stream with no buffer of its own for standard input (libc++) shows none, and the answer
// follows the typed text.
void answerBelowTypedText() {
  char rest[kChunk];
  const std::streamsize got = std::cin.readsome(rest, kChunk);
  for (std::streamsize i = 0; i < got; ++i) {
    std::cin.unget();
  }
  if (got > 0) {
    cursor.sawRest(rest[got - 1] == '\n');
    if (cursor.position() == Cursor::Position::kAfterTypedText) {
      startLine();
    }
  }
}

// A value was taken, and white space or the end of the input seen after it.
ReadResult valueTaken() {
  const ReadResult result = entryTaken(false, ReadResult::kOk);
  if (atTerminal && !ended) {
    answerBelowTypedText();
  }
  return result;
}

// Flushes standard output; false, with the stream marked bad, when it cannot be written. The same
// as cout.flush(), without the sentry that this one check per read would pay for. A stream that
// writes through C's stdout (libc++, and any before openConsole unties them) may see its write
// succeed while stdout records the failure: a terminal makes stdout write a line at a time.
bool flushOutput() {
  if (std::cout && (std::cout.rdbuf()->pubsync() == -1 || std::ferror(stdout) != 0)) {
    std::cout.setstate(std::ios::badbit);
  }
  return !std::cout.fail();
}

// Every read starts here, and flushes the output so that the prompt shows before the program
// waits. False when the session has ended: before, or now because the output cannot be written.
bool startRead() {
  if (!ended && !flushOutput()) {
    fail(Failure::kWrite);
  }
  return !ended;
}

// White space as the stream sees it: ' ' and '\t' to '\r', all of them at most ' '.
bool isSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Skips white space before a value; false when the input ends or fails first. At a terminal one
// character at a time, to follow the cursor; elsewhere the stream's sentry skips it in one go,
// which a long piped session notices. Either way the end of the input is seen once: peek need
// not mark it on the stream, so the caller ends the session and reads nothing more.
bool skipSpaces() {
  if (!atTerminal) {
    const std::istream::sentry skipped(std::cin);
    return static_cast<bool>(skipped);
  }
  int next = std::cin.peek();
  while (next != EOF && isSpace(next)) {
    cursor.took(next == '\n');
    std::cin.ignore();
    next = std::cin.peek();
  }
  return next != EOF;
}

// Rejects what was read, and the rest of its line, however long.
ReadResult rejectLine() {
  // The end of the input has been seen: reading on would wait at a terminal for a second one.
  if (!std::cin.eof() && !std::cin.bad()) {
    std::cin.clear();
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  // Stopped short of a newline, the read took characters that were not one.
  return entryTaken(!std::cin.eof(), ReadResult::kRejected);
}

// Position of the first white space in text[start, length), looked at byte by byte.
int firstSpaceFrom(const char* text, int start, int length) {
  for (int i = start; i < length; ++i) {
    if (isSpace(static_cast<unsigned char>(text[i]))) {
      return i;
    }
  }
  return length;
}

// Position of the first white space in text[0, length), or length. Each whole block is first
// tested for any byte up to ' ' in a loop of fixed length, which the compiler turns into vector
// instructions; only a block that has one is looked at byte by byte.
int firstSpace(const char* text, int length) {
  const int kBlock = 64;
  int start = 0;
  for (; start + kBlock <= length; start += kBlock) {
    unsigned char least = UCHAR_MAX;
    for (int i = start; i < start + kBlock; ++i) {
      least = std::min(least, static_cast<unsigned char>(text[i]));
    }
    if (least <= ' ') {
      const int found = firstSpaceFrom(text, start, start + kBlock);
      if (found < start + kBlock) {
        return found;
      }
    }
  }
  return firstSpaceFrom(text, start, length);
}

// Skips the rest of a word and returns the character after it, or EOF. Where the stream holds
// characters it can hand over at once, each look takes all of them and gives back what turns out
// to follow the word; readsome took them from the stream's buffer, so each steps back one place.
// A stream may report none (libc++ keeps no buffer for standard input): then one at a time, the
// peeked character at least.
int skipRestOfWord() {
  char chunk[kChunk];
  int next = std::cin.peek();
  while (next != EOF && !isSpace(next)) {
    const int got = static_cast<int>(std::cin.readsome(chunk, kChunk));
    if (got == 0) {
      std::cin.ignore();
    }
    for (int i = firstSpace(chunk, got); i < got; ++i) {
      std::cin.unget();
    }
    next = std::cin.peek();
  }
  return next;
}

}  // namespace

bool openConsole(int argc, const char* const argv[], const Program& program) {
  programName = program.name;
  ended = false;
  failure = Failure::kNone;
  failureErrno = 0;
  const Request request = answerCommandLine(argc, argv, program);
  if (request == Request::kMisuse) {
    failure = Failure::kUsage;
  }
  if (request != Request::kRun) {
    return false;
  }

  std::ios::sync_with_stdio(false);
  // Every read starts by flushing the output itself (startRead), once; through the tie the stream
  // would flush it again in each of the several calls a read can make.
  std::cin.tie(nullptr);
  // The typed text and the output share a screen only when both are the terminal; output sent
  // to a file gets no newline for an echo it never held.
  atTerminal = isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
  cursor = Cursor();
  return true;
}

void ask(const char* prompt) {
  if (ended) {
    return;
  }
  const std::size_t length = std::strlen(prompt);
  std::cout.write(prompt, static_cast<std::streamsize>(length));
  if (length > 0) {
    cursor.printed(prompt[length - 1] == '\n');
  }
}

ReadResult readLine(char* buffer, int size) {
  if (!startRead()) {
    return ReadResult::kEnded;
  }
  std::cin.getline(buffer, size);
  int length = static_cast<int>(std::cin.gcount());
  if (readFailed() || (std::cin.eof() && length == 0)) {
    buffer[0] = '\0';
    return inputStopped();
  }
  if (std::cin.fail()) {
    return rejectLine();  // longer than the buffer
  }
  // gcount includes the newline, unless the end of the input ended the line.
  const bool newline = !std::cin.eof();
  if (newline) {
    --length;
    if (length > 0 && buffer[length - 1] == '\r') {
      buffer[--length] = '\0';
    }
  }
  const bool whole = length <= size - 2 && std::strlen(buffer) == static_cast<std::size_t>(length);
  return entryTaken(newline, whole ? ReadResult::kOk : ReadResult::kRejected);
}

ReadResult readNumber(int& number) {
  number = 0;
  if (!startRead()) {
    return ReadResult::kEnded;
  }
  // Only white space up to the end: nothing was typed. Anything else that is not a number, the
  // end of the input straight after it included, is rejected.
  if (!skipSpaces()) {
    return inputStopped();
  }
  if (!(std::cin >> number)) {
    number = 0;
    return rejectLine();
  }
  const ReadResult result = valueTaken();
  number = result == ReadResult::kOk ? number : 0;
  return result;
}

ReadResult readWord(char* buffer, int size) {
  buffer[0] = '\0';
  if (!startRead()) {
    return ReadResult::kEnded;
  }
  if (!skipSpaces()) {
    return inputStopped();
  }
  int next = std::cin.peek();
  // One character at a time: the word ends at white space or at the end of the input, which is
  // seen once, and a NUL byte is not part of it.
  int length = 0;
  while (next != EOF && !isSpace(next)) {
    if (next != '\0') {
      const char c = std::char_traits<char>::to_char_type(next);
      if (length == size - 1) {
        // The word goes on: cut it between characters, and skip what does not fit.
        buffer[length] = c;
        length = wholeCharacters(buffer, length);
        next = skipRestOfWord();
        break;
      }
      buffer[length++] = c;
    }
    std::cin.ignore();
    next = std::cin.peek();
  }
  // peek need not mark the end of the input on the stream.
  if (next == EOF) {
    std::cin.setstate(std::ios::eofbit);
  }
  const ReadResult result = valueTaken();
  buffer[result == ReadResult::kOk ? length : 0] = '\0';
  return result;
}

ReadResult readChar(char& c) {
  if (!startRead()) {
    return ReadResult::kEnded;
  }
  if (!std::cin.get(c)) {
    return inputStopped();
  }
  cursor.took(c == '\n');
  return ReadResult::kOk;
}

void discardLine() {
  if (!startRead()) {
    return;
  }
  // getline stores at most kDiscardLimit - 1 characters and takes the newline right after them;
  // a longer line loses one more, never a newline, so no more than kDiscardLimit go.
  char skipped[kDiscardLimit];
  std::cin.getline(skipped, kDiscardLimit);
  if (std::cin.gcount() > 0) {
    cursor.took(!std::cin.eof() && !std::cin.fail());
  }
  if (std::cin.fail() && !std::cin.bad() && !std::cin.eof()) {
    std::cin.clear();
    std::cin.ignore();
  }
  if (std::cin.bad() || std::cin.eof()) {
    inputStopped();
  }
}

bool sessionEnded() { return ended; }

int closeConsole() {
  if (!flushOutput()) {
    fail(Failure::kWrite);
  }
  // Some file systems report a lost write only when the file is closed. Closed from the start,
  // standard output held nothing to lose (a write would have failed first).
  if (close(STDOUT_FILENO) != 0 && errno != EBADF) {
    fail(Failure::kWrite);
  }
  if (failure == Failure::kNone) {
    return 0;
  }
  if (failure == Failure::kUsage) {
    return 2;
  }
  char line[kErrorRoom];
  writeError(line, std::snprintf(line, sizeof line, "%s: %s error: %s\n", programName,
                                 failure == Failure::kWrite ? "write" : "read",
                                 std::strerror(failureErrno)));
  return 1;
}

}  // namespace ardo
