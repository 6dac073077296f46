#include "Console.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <limits>

#include "TextField.h"

namespace ardo {

namespace {

enum class Failure { kNone, kRead, kWrite };

const char* programName = "";
bool atTerminal = false;
bool ended = false;
// The last prompt left its line open and nothing has been read since.
bool lineOpen = false;
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

void inputEnded() {
  // At a terminal, Ctrl-D leaves the cursor after the prompt: what follows starts a new line.
  if (atTerminal && lineOpen) {
    std::cout << '\n';
  }
  lineOpen = false;
  ended = true;
}

// Bookkeeping after every read, whatever it delivered.
void settle() {
  if (std::cin.bad()) {
    fail(Failure::kRead);
  } else if (std::cin.eof()) {
    inputEnded();
  } else {
    lineOpen = false;
  }
}

// Flushes standard output; false when it cannot be written. The same as cout.flush(), without
// the sentry that this one check per read would pay for.
bool flushed() {
  if (std::cout && std::cout.rdbuf()->pubsync() == -1) {
    std::cout.setstate(std::ios::badbit);
  }
  return !std::cout.fail();
}

// Every read starts here: the prompt goes out, and output that cannot be written ends the session.
bool readable() {
  if (!ended && !flushed()) {
    fail(Failure::kWrite);
  }
  return !ended;
}

Input delivered() {
  settle();
  return Input::kOk;
}

// After a read that got nothing usable: the end of the input or a read error ends the session;
// anything else is rejected along with the rest of its line, however long.
Input failedRead() {
  if (std::cin.bad() || std::cin.eof()) {
    settle();
    return Input::kEnded;
  }
  std::cin.clear();
  std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  settle();
  return Input::kRejected;
}

// White space as the stream sees it: ' ' and '\t' to '\r', all of them at most ' '.
bool isSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

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

// Skips the rest of a word at the speed of the stream: each look takes all the stream holds at
// once, without waiting for more, and what turns out to follow the word is given back.
void skipRestOfWord() {
  const int kChunk = 8192;
  char chunk[kChunk];
  while (true) {
    const int next = std::cin.peek();  // waits for more input when the stream holds none
    if (next == EOF || isSpace(static_cast<unsigned char>(next))) {
      return;
    }
    const int got = static_cast<int>(std::cin.readsome(chunk, kChunk));
    const int end = firstSpace(chunk, got);
    if (end < got) {
      // All of it is still in the stream's buffer, so each character steps back one place.
      for (int i = end; i < got; ++i) {
        std::cin.unget();
      }
      return;
    }
  }
}

}  // namespace

void openConsole(const char* program) {
  std::ios::sync_with_stdio(false);
  programName = program;
  atTerminal = isatty(STDIN_FILENO) == 1;
  ended = false;
  lineOpen = false;
  failure = Failure::kNone;
  failureErrno = 0;
}

void ask(const char* prompt) {
  if (ended) {
    return;
  }
  const std::size_t length = std::strlen(prompt);
  std::cout.write(prompt, static_cast<std::streamsize>(length));
  lineOpen = length > 0 && prompt[length - 1] != '\n';
}

Input readLine(char* buffer, int size) {
  if (!readable()) {
    return Input::kEnded;
  }
  if (!std::cin.getline(buffer, size)) {
    return failedRead();
  }
  // gcount includes the newline, unless the line was ended by the end of the input.
  const bool newline = !std::cin.eof();
  int length = static_cast<int>(std::cin.gcount()) - (newline ? 1 : 0);
  if (newline && length > 0 && buffer[length - 1] == '\r') {
    buffer[--length] = '\0';
  }
  settle();
  const bool whole = length <= size - 2 && std::strlen(buffer) == static_cast<std::size_t>(length);
  return whole ? Input::kOk : Input::kRejected;
}

Input readNumber(int& number) {
  number = 0;
  if (!readable()) {
    return Input::kEnded;
  }
  if (std::cin >> number) {
    return delivered();
  }
  number = 0;
  return failedRead();
}

Input readWord(char* buffer, int size) {
  if (!readable()) {
    return Input::kEnded;
  }
  if (!(std::cin >> std::setw(size) >> buffer)) {
    return failedRead();
  }
  const int next = std::cin.peek();
  if (next != EOF && !isSpace(static_cast<unsigned char>(next))) {
    // The word goes on: cut it between characters, and skip what does not fit.
    buffer[size - 1] = static_cast<char>(next);
    buffer[wholeCharacters(buffer, size - 1)] = '\0';
    skipRestOfWord();
  }
  return delivered();
}

Input readChar(char& c) {
  if (!readable()) {
    return Input::kEnded;
  }
  return std::cin.get(c) ? delivered() : failedRead();
}

void discardLine() {
  if (readable()) {
    std::cin.ignore(kDiscardLimit, '\n');
    settle();
  }
}

bool sessionEnded() { return ended; }

int closeConsole() {
  if (!flushed()) {
    fail(Failure::kWrite);
  }
  if (failure == Failure::kNone) {
    return 0;
  }
  std::cerr << programName << (failure == Failure::kWrite ? ": write error: " : ": read error: ")
            << std::strerror(failureErrno) << '\n';
  return 1;
}

}  // namespace ardo
