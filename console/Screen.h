#ifndef ARDO_CONSOLE_SCREEN_H
#define ARDO_CONSOLE_SCREEN_H

// Everything the dialogues print goes through here. When standard input and output are the same
// terminal, its screen shows the output of a piped run of the same bytes with a newline added
// before output that follows typed text handed over without Enter, where the program sees that
// text end, and before output printed once the session has ended while the cursor stands
// mid-line; nowhere else. Anywhere else the output is what a piped run prints.

#include <iosfwd>

namespace ardo {

// Where a terminal's cursor stands, from the order of what the program printed and what the
// terminal handed over. Text is handed over once the program waits for it, so its echo stands
// after everything printed before.
class Screen {
 public:
  // The program printed text, its last character a newline or not.
  void printed(bool endsLine) { position_ = endsLine ? kLineStart : kMidLine; }
  // The terminal handed over text, its last character a newline or not; seen when that is where
  // the text ends, and not merely the last character the program has of it.
  void handedOver(bool endsLine, bool seen) {
    position_ = endsLine ? kLineStart : seen ? kAfterTypedText : kMidLine;
  }
  // Whether output printed now goes on a new line; ended: the session has ended.
  bool newlineBefore(bool ended) const {
    return position_ == kAfterTypedText || (ended && position_ != kLineStart);
  }

 private:
  enum Position { kLineStart, kMidLine, kAfterTypedText };
  Position position_ = kLineStart;
};

// Prints prompt (not empty), unless the session has ended: a prompt nobody can answer is not
// shown.
void ask(const char* prompt);
// Standard output, for output that ends its line; it starts where the screen needs it to.
std::ostream& print();

// For the console layer: openConsole looks at the standard streams once; the reads tell the
// screen what the terminal handed over, when it is shared (null otherwise).
void openScreen();
Screen* sharedScreen();

}  // namespace ardo

#endif
