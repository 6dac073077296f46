#include "TextField.h"

#include <cstring>

namespace ardo {

namespace {

// A UTF-8 character is one lead byte and up to three continuation bytes, 10xxxxxx.
const unsigned kTopTwoBits = 0xC0;
const unsigned kContinuation = 0x80;
const unsigned kLeadOfFour = 0xF0;
const unsigned kLeadOfThree = 0xE0;
const unsigned kLeadOfTwo = 0xC0;
const int kMostContinuations = 3;

bool isContinuation(char c) {
  return (static_cast<unsigned char>(c) & kTopTwoBits) == kContinuation;
}

// Bytes in the character that lead starts; 1 for ASCII and for bytes that start nothing.
int encodedSize(char lead) {
  const unsigned byte = static_cast<unsigned char>(lead);
  if (byte >= kLeadOfFour) {
    return 4;
  }
  if (byte >= kLeadOfThree) {
    return 3;
  }
  return byte >= kLeadOfTwo ? 2 : 1;
}

}  // namespace

int wholeCharacters(const char* text, int length) {
  int lead = length;
  while (lead > 0 && length - lead < kMostContinuations && isContinuation(text[lead])) {
    --lead;
  }
  // Stray continuation bytes are not a character of their own: they are cut as they come.
  return lead < length && lead + encodedSize(text[lead]) > length ? lead : length;
}

void copyText(char* field, const char* text, int length) {
  int kept = 0;
  if (text != nullptr) {
    kept = static_cast<int>(strnlen(text, static_cast<std::size_t>(length)));
    if (kept == length && text[kept] != '\0') {
      kept = wholeCharacters(text, length);
    }
    std::memcpy(field, text, static_cast<std::size_t>(kept));
  }
  field[kept] = '\0';
}

}  // namespace ardo
