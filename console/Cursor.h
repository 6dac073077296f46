#ifndef ARDO_CONSOLE_CURSOR_H
#define ARDO_CONSOLE_CURSOR_H

namespace ardo {

// Where a terminal's cursor stands, as far as the program can tell from what it printed and what
// it took from the input. A terminal echoes each key as it is typed and hands the text over a
// line at a time, or as far as it was typed when Ctrl-D is pressed; Ctrl-D itself is not echoed.
// So the rest of a line the program had begun to take when it printed was typed, and echoed,
// before that: taking it moves the cursor no further.
class Cursor {
 public:
  enum class Position { kLineStart, kAfterOutput, kAfterTypedText };

  // The program printed text, its last character a newline or not.
  void printed(bool endsLine);
  // The program took characters from the input, the last of them a newline or not.
  void took(bool endsLine);
  // The text the terminal handed over goes on past what was taken, and ends in a newline or
  // not; all of it has been echoed.
  void sawRest(bool endsLine);

  Position position() const { return position_; }

 private:
  void echoed(bool endsLine);

  Position position_ = Position::kLineStart;
  bool midLine_ = false;           // the input taken so far ends inside a line
  bool lineBeforePrompt_ = false;  // that line was typed before the program last printed
};

}  // namespace ardo

#endif
