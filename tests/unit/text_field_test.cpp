#include <gtest/gtest.h>

#include <string>

#include "TextField.h"

using ardo::copyText;

TEST(TextField, CutNeverSplitsACharacter) {
  const std::string e = "\xC3\xA9";                  // é, two bytes
  const std::string euro = "\xE2\x82\xAC";           // €, three bytes
  const std::string face = "\xF0\x9F\x98\x80";       // an emoji, four bytes
  const std::string stray = "\x80\x80\x80\x80\x80";  // continuation bytes with no lead
  struct Case {
    std::string text;
    int length;
    std::string kept;
  } cases[] = {
      {"abcdef", 4, "abcd"},
      {"abcd", 4, "abcd"},
      {"a" + e + e, 4, "a" + e},
      {"ab" + e + e, 4, "ab" + e},
      {"a" + euro, 3, "a"},
      {"ab" + euro, 5, "ab" + euro},
      {"a" + face, 4, "a"},
      {face + face, 7, face},
      {e + e, 1, ""},
      {"ab" + stray, 4, "ab\x80\x80"},
      {"a\x80", 1, "a"},
      {"a" + e + "\x80", 3, "a" + e},
      {"a" + euro + "\x80", 4, "a" + euro},
      {stray, 2, "\x80\x80"},
      {"", 4, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + " cut to " + std::to_string(c.length));
    char field[16];
    copyText(field, c.text.c_str(), c.length);
    EXPECT_EQ(std::string(field), c.kept);
  }
  char field[4] = "old";
  copyText(field, nullptr, 3);
  EXPECT_EQ(std::string(field), "");
  // Looking for a character's start never goes back past the text, here to a lead byte.
  const char leadThenStray[] = "\xF0\x80\x80\x80";
  copyText(field, leadThenStray + 1, 2);
  EXPECT_EQ(std::string(field), "\x80\x80");
}
