#include "Screen.h"

#include <gtest/gtest.h>

#include <string>

using ardo::Screen;

// Each row is a session at a terminal, one event per letter: the program prints a prompt (P) or
// text that ends its line (L); the terminal hands over typed text without a newline (t, handed
// over with Ctrl-D) or ending in one (n), or a character whose end the program does not see (c,
// as libc++ shows it); the session ends (E). The screen is what the program prints, with / for
// each newline the screen rule adds.
TEST(Screen, AddsANewlineOnlyWhereTheRuleSays) {
  struct Case {
    std::string events;
    std::string screen;
  } cases[] = {
      {"PL", "PL"},       {"PtL", "P/L"},  // the answer to typed text goes below it
      {"PtP", "P/P"},                      // so does the next prompt
      {"PtLL", "P/LL"},                    // once
      {"Pt", "P"},                         // no newline with nothing answered
      {"PtnL", "PL"},                      // the typed line ended with Enter
      {"PtLnL", "P/LL"},                   // text typed after the answer
      {"PcL", "PL"},                       // unseen text is answered on its line
      {"PEL", "P/L"},                      // the end at a prompt
      {"LEL", "LL"},                       // the end at the start of a line
      {"PtEL", "P/L"},                     // the end after typed text
      {"PcEL", "P/L"},                     // seen or not
      {"PnEL", "PL"},                      // no blank line after Enter
      {"PtLEL", "P/LL"},                   // the end after the answer
      {"PtnPEL", "PP/L"},                  // the end at the prompt after the answer
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.events);
    Screen screen;
    bool ended = false;
    std::string printed;
    for (const char event : c.events) {
      if (event == 'P' || event == 'L') {
        printed += screen.newlineBefore(ended) ? "/" : "";
        printed += event;
        screen.printed(event == 'L');
      } else if (event == 'E') {
        ended = true;
      } else {
        screen.handedOver(event == 'n', event != 'c');
      }
    }
    EXPECT_EQ(printed, c.screen);
  }
}
