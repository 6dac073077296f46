#include <gtest/gtest.h>

#include <string>

#include "Console.h"

using ardo::Screen;

// Each row is a session at a terminal, one event per letter: the program prints a prompt (P) or
// text that ends its line (L); it reads text the terminal hands over without a newline (t, typed
// with Ctrl-D) or ending in one (n); text is handed over while the program does not read (a,
// typed ahead, without a newline), and read later (r); the input ends (E). The screen is what
// the program prints, with / for each newline the screen rule adds.
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
      {"PEL", "P/L"},                      // the end at a prompt
      {"LEL", "LL"},                       // the end at the start of a line
      {"PtEL", "P/L"},                     // the end after typed text
      {"PnEL", "PL"},                      // no blank line after Enter
      {"PtLEL", "P/LL"},                   // the end after the answer
      {"PtnPEL", "PP/L"},                  // the end at the prompt after the answer
      {"PaLrL", "PLL"},                    // typed ahead: its echo stands before the output
      {"PtaL", "PL"},                      // its end unseen, it never adds a blank line
      {"PaPrEL", "PP/L"},                  // read after a prompt, it leaves the cursor there
      {"PaLrtL", "PL/L"},                  // text typed after it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.events);
    Screen screen;
    std::size_t queued = 0;
    bool ended = false;
    std::string printed;
    for (const char event : c.events) {
      if (event == 'P' || event == 'L') {
        printed += screen.newlineFirst(queued, event == 'L', ended) ? "/" : "";
        printed += event;
      } else if (event == 'E') {
        ended = true;
      } else if (event == 'a') {
        ++queued;
      } else {
        queued -= event == 'r' ? 1 : 0;
        screen.handedOver(1, event == 'n');
      }
    }
    EXPECT_EQ(printed, c.screen);
  }
}
