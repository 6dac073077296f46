#include "Input.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <limits>

#include "Console.h"
#include "Session.h"
#include "TextField.h"

namespace ardo {

namespace {

// White space as the stream sees it.
constexpr char kSpaces[] = " \n\t\r\v\f";

// A read error where a read ends means that the end of its entry was not seen (25 arriving as 2,
// then the error): nothing of it is used.
ReadResult finish(ReadResult result) {
  return console().readError() != 0 ? ReadResult::kEnded : result;
}

// Skips white space; true when the input ends first.
bool endsAfterSpace() { return (std::cin >> std::ws).eof(); }

// Skips characters through the next newline, at most limit of them, or up to the end of the input,
// and reads no further: at a terminal, a read past them would wait for more.
void skipLine(std::size_t limit) {
  while (limit > 0) {
    std::size_t length = 0;
    const char* const text = console().next(length);
    length = std::min(length, limit);
    const auto* const newline = static_cast<const char*>(std::memchr(text, '\n', length));
    const std::size_t skipped = newline != nullptr ? std::size_t(newline - text) + 1 : length;
    console().take(skipped);
    limit = newline != nullptr || length == 0 ? 0 : limit - skipped;
  }
}

// Rejects what was read, and the rest of its line, however long.
ReadResult rejectLine() {
  skipLine(std::numeric_limits<std::size_t>::max());
  return finish(ReadResult::kRejected);
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
  const bool fits = length <= size - 2;
  return fits && std::strlen(buffer) == static_cast<std::size_t>(length) ? ReadResult::kOk
                                                                         : ReadResult::kRejected;
}

ReadResult readNumber(int& number) {
  number = 0;
  // Only white space up to the end: nothing was typed. Anything else that is not a number, the
  // end of the input straight after it included, is rejected.
  if (!readyToRead() || endsAfterSpace()) return ReadResult::kEnded;
  std::cin >> number;
  const bool read = !std::cin.fail();
  std::cin.clear();
  const ReadResult result = read ? finish(ReadResult::kOk) : rejectLine();
  if (result != ReadResult::kOk) number = 0;
  return result;
}

ReadResult readWord(char* buffer, int size) {
  buffer[0] = '\0';
  if (!readyToRead() || endsAfterSpace()) return ReadResult::kEnded;
  // The word ends at white space or at the end of the input. NUL bytes are not part of it; one
  // byte past what fits is kept, for the cut.
  int kept = 0;
  std::size_t length = 0;
  for (const char* text = console().next(length); length > 0; text = console().next(length)) {
    // A NUL byte stops strcspn as the end of the text does, but not the word.
    std::size_t word = std::strcspn(text, kSpaces);
    while (word < length && text[word] == '\0') word += 1 + std::strcspn(text + word + 1, kSpaces);
    for (std::size_t i = 0; i < word && kept < size; ++i) {
      if (text[i] != '\0') buffer[kept++] = text[i];
    }
    console().take(word);
    if (word < length) break;
  }
  // A longer word is cut between characters.
  const int cut = kept == size ? wholeCharacters(buffer, size - 1) : kept;
  const ReadResult result = finish(ReadResult::kOk);
  buffer[result == ReadResult::kOk ? cut : 0] = '\0';
  return result;
}

ReadResult readChar(char& c) {
  const bool got = readyToRead() && console().sgetc() != std::char_traits<char>::eof();
  if (got) c = std::char_traits<char>::to_char_type(console().sbumpc());
  return got ? ReadResult::kOk : ReadResult::kEnded;
}

void discardLine() {
  if (readyToRead()) skipLine(kDiscardLimit);
}

}  // namespace ardo
