#include "Input.h"

#include <cstring>
#include <iostream>
#include <limits>

#include "Console.h"
#include "Session.h"
#include "TextField.h"

namespace ardo {

namespace {

// A read error where a read ends means that the end of its entry was not seen (25 arriving as 2,
// then the error): nothing of it is used, as if the input had ended before it.
ReadResult endedIfCutShort(ReadResult result) {
  return console().readError() != 0 ? ReadResult::kEnded : result;
}

// Rejects what was read, and the rest of its line, however long. A read error met in that rest
// does not undo the rejection: the entry was complete.
ReadResult rejectLine() {
  const ReadResult result = endedIfCutShort(ReadResult::kRejected);
  console().skipLine(std::numeric_limits<std::size_t>::max());
  return result;
}

}  // namespace

void ask(const char* prompt) {
  if (!sessionEnded()) std::cout << prompt;
}

ReadResult readLine(char* buffer, int size) {
  buffer[0] = '\0';
  if (!readyToRead()) return ReadResult::kEnded;
  std::cin.getline(buffer, size);
  std::streamsize length = std::cin.gcount();
  // A full buffer leaves failbit: the line is longer.
  const bool longer = std::cin.fail() && length > 0;
  std::cin.clear();
  if (longer) return rejectLine();
  if (length == 0 || console().readError() != 0) {
    buffer[0] = '\0';
    return ReadResult::kEnded;
  }
  // The line ends with a newline unless the input ended first.
  if (!console().inputEnded()) {
    --length;
    if (length > 0 && buffer[length - 1] == '\r') buffer[--length] = '\0';
  }
  const bool whole = length <= size - 2 && std::strlen(buffer) == static_cast<std::size_t>(length);
  return whole ? ReadResult::kOk : ReadResult::kRejected;
}

ReadResult readNumber(int& number) {
  number = 0;
  // Only white space up to the end: nothing was typed. Anything else that is not a number, the
  // end of the input straight after it included, is rejected.
  if (!readyToRead() || !console().skipSpace()) return ReadResult::kEnded;
  std::cin >> number;
  const bool read = !std::cin.fail();
  std::cin.clear();
  const ReadResult result = read ? endedIfCutShort(ReadResult::kOk) : rejectLine();
  if (result != ReadResult::kOk) number = 0;
  return result;
}

ReadResult readWord(char* buffer, int size) {
  buffer[0] = '\0';
  if (!readyToRead() || !console().skipSpace()) return ReadResult::kEnded;
  // One byte past what fits is kept, for the cut.
  const int kept = console().takeWord(buffer, size);
  // A longer word is cut between characters.
  const int cut = kept == size ? wholeCharacters(buffer, size - 1) : kept;
  const ReadResult result = endedIfCutShort(ReadResult::kOk);
  buffer[result == ReadResult::kOk ? cut : 0] = '\0';
  return result;
}

ReadResult readChar(char& c) {
  const bool got = readyToRead() && console().sgetc() != std::char_traits<char>::eof();
  if (got) c = std::char_traits<char>::to_char_type(console().sbumpc());
  return got ? ReadResult::kOk : ReadResult::kEnded;
}

void discardLine() {
  if (readyToRead()) console().skipLine(kDiscardLimit);
}

}  // namespace ardo
