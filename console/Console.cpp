#include "Console.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>

#include "CommandLine.h"
#include "TextField.h"

namespace ardo {

namespace {

enum class Failure { kNone, kRead, kWrite, kUsage };

const char* programName = "";
bool atTerminal = false;
bool ended = false;
// Where a terminal's cursor stands, as far as the prompts and the typed lines tell: at the start
// of a line after a prompt that ends its line, or after a newline typed since the last prompt.
// A terminal hands over a line at a time, so the rest of a line already begun when a prompt went
// out was typed, and echoed, before it. Ctrl-D is not echoed.
bool atLineStart = true;
bool midLine = false;           // the input taken so far ends inside a line
bool lineBeforePrompt = false;  // that line was typed before the last prompt
Failure failure = Failure::kNone;
int failureErrno = 0;

// errno is read here, straight after the call that failed, before anything overwrites it.
void fail(Failure kind) {
  if (failure == Failure::kNone) {
    failure = kind;
    failureErrno = errno;
  }
  ended = true;
}

// The input has ended. A terminal's end of input comes once and does not repeat, so nothing
// reads again; and what the program prints next starts on a line of its own.
void endOfInput() {
  if (atTerminal && !atLineStart) {
    std::cout << '\n';
  }
  atLineStart = true;
  ended = true;
}

// Characters were taken from the input, the last of them a newline or not.
void took(bool endsLine) {
  if (!lineBeforePrompt) {
    atLineStart = endsLine;
  }
  midLine = !endsLine;
  lineBeforePrompt = lineBeforePrompt && midLine;
}

// Standard error writes each insertion at once: a message is formatted whole into text, of
// kErrorRoom bytes (formatted is what snprintf returned), and goes out in one write, so that
// programs sharing standard error do not mix their lines. Every message fits: program names and
// error texts are short, and a misuse is cut to Misuse::kLength.
constexpr int kErrorRoom = 512;
void writeError(const char* text, int formatted) {
  std::cerr.write(text, std::max(0, std::min(formatted, kErrorRoom - 1)));
  std::cerr.flush();
}

// A read met a read error or the end of the input; either ends the session. A stream that reads
// the descriptor itself reports the error with badbit (libstdc++); one that reads through C's
// stdin sees only the end there, and the error stays on stdin (libc++).
ReadResult inputStopped() {
  if (std::cin.bad() || std::ferror(stdin) != 0) {
    fail(Failure::kRead);
  } else {
    endOfInput();
  }
  return ReadResult::kEnded;
}

// After a read that delivered its value: the end of the input or a read error met on the way
// ends the session once the value is used.
void noteStreamState() {
  if (std::cin.bad() || std::cin.eof()) {
    inputStopped();
  }
}

// Flushes standard output; false, with the stream marked bad, when it cannot be written. The same
// as cout.flush(), without the sentry that this one check per read would pay for.
bool flushOutput() {
  if (std::cout && std::cout.rdbuf()->pubsync() == -1) {
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
    took(next == '\n');
    std::cin.ignore();
    next = std::cin.peek();
  }
  return next != EOF;
}

// Rejects what was read, and the rest of its line, however long. A read error ends the session
// at once; the end of the input met on the way ends it after this rejection.
ReadResult rejectLine() {
  if (std::cin.bad()) {
    fail(Failure::kRead);
    return ReadResult::kEnded;
  }
  // The end of the input has been seen: reading on would wait at a terminal for a second one.
  if (!std::cin.eof()) {
    std::cin.clear();
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }
  // Stopped short of a newline, the read took characters that were not one.
  took(!std::cin.eof());
  noteStreamState();
  return ReadResult::kRejected;
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
  const int kChunk = 8192;
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

  Misuse misuse;
  switch (readCommandLine(argc, argv, misuse)) {
    case Request::kHelp:
      std::cout << "Usage: " << program.name << "\n"
                << program.purpose << "\n"
                << "\n"
                << "      --help     display this help and exit\n"
                << "      --version  output version information and exit\n"
                << "\n"
                << "Full documentation: man " << program.name << "\n";
      return false;
    case Request::kVersion:
      std::cout << program.name << " (ardo console) " << ARDO_VERSION << "\n"
                << "Copyright (C) 2026 the ardo console authors\n"
                << "License MIT: <https://opensource.org/licenses/MIT>\n"
                << "This is free software: you are free to change and redistribute it.\n"
                << "There is NO WARRANTY, to the extent permitted by law.\n";
      return false;
    case Request::kMisuse: {
      failure = Failure::kUsage;
      char lines[kErrorRoom];
      writeError(lines, std::snprintf(lines, sizeof lines,
                                      "%s: %s\nTry '%s --help' for more information.\n",
                                      program.name, misuse.text, program.name));
      return false;
    }
    case Request::kRun:
      break;
  }

  std::ios::sync_with_stdio(false);
  // Every read starts by flushing the output itself (startRead), once; through the tie the stream
  // would flush it again in each of the several calls a read can make.
  std::cin.tie(nullptr);
  // The typed text and the output share a screen only when both are the terminal; output sent
  // to a file gets no newline for an echo it never held.
  atTerminal = isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
  atLineStart = true;
  midLine = false;
  lineBeforePrompt = false;
  return true;
}

void ask(const char* prompt) {
  if (ended) {
    return;
  }
  const std::size_t length = std::strlen(prompt);
  std::cout.write(prompt, static_cast<std::streamsize>(length));
  if (length > 0) {
    atLineStart = prompt[length - 1] == '\n';
  }
  lineBeforePrompt = midLine;
}

ReadResult readLine(char* buffer, int size) {
  if (!startRead()) {
    return ReadResult::kEnded;
  }
  std::cin.getline(buffer, size);
  int length = static_cast<int>(std::cin.gcount());
  if (std::cin.bad() || (std::cin.eof() && length == 0)) {
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
  took(newline);
  noteStreamState();
  const bool whole = length <= size - 2 && std::strlen(buffer) == static_cast<std::size_t>(length);
  return whole ? ReadResult::kOk : ReadResult::kRejected;
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
  took(false);
  noteStreamState();
  return ReadResult::kOk;
}

ReadResult readWord(char* buffer, int size) {
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
  buffer[length] = '\0';
  took(false);
  if (next == EOF) {
    inputStopped();
  }
  return ReadResult::kOk;
}

ReadResult readChar(char& c) {
  if (!startRead()) {
    return ReadResult::kEnded;
  }
  if (!std::cin.get(c)) {
    return inputStopped();
  }
  took(c == '\n');
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
    took(!std::cin.eof() && !std::cin.fail());
  }
  if (std::cin.bad() || std::cin.eof()) {
    inputStopped();
    return;
  }
  if (std::cin.fail()) {
    std::cin.clear();
    std::cin.ignore();
    noteStreamState();
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
