#include "Cursor.h"

#include <gtest/gtest.h>

#include <string>

using ardo::Cursor;
using Position = Cursor::Position;

// Each row is a session at a terminal, one event per letter: the program prints a prompt (P) or
// text ending its line (L); it takes typed text (t) or a newline (n); the rest of what the
// terminal handed over ends in a newline (R) or without one, handed over with Ctrl-D (r).
TEST(Cursor, FollowsPromptsAndTypedText) {
  struct Case {
    std::string events;
    Position position;
  } cases[] = {
      {"", Position::kLineStart},
      {"P", Position::kAfterOutput},          // Ctrl-D at a prompt
      {"L", Position::kLineStart},            // Ctrl-D at a menu
      {"Pt", Position::kAfterTypedText},      // 2, Ctrl-D twice
      {"Ptn", Position::kLineStart},          // 2, Enter
      {"PtR", Position::kLineStart},          // 2 3, Enter: the whole line is echoed
      {"Ptr", Position::kAfterTypedText},     // 2 3, Ctrl-D once
      {"PtrLt", Position::kLineStart},        // the 3 was echoed before the answer
      {"PtrPtr", Position::kAfterOutput},     // 2 3 4, Ctrl-D once: the 3 and 4 came before
      {"PtPtn", Position::kAfterOutput},      // the newline, too
      {"PtPtnt", Position::kAfterTypedText},  // a new line is typed after the prompt
      {"PtnPt", Position::kAfterTypedText},
      {"PnLtr", Position::kAfterTypedText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.events);
    Cursor cursor;
    for (const char event : c.events) {
      switch (event) {
        case 'P':
        case 'L':
          cursor.printed(event == 'L');
          break;
        case 't':
        case 'n':
          cursor.took(event == 'n');
          break;
        default:
          cursor.sawRest(event == 'R');
      }
    }
    EXPECT_EQ(cursor.position(), c.position);
  }
}
