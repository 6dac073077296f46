#include "Cursor.h"

namespace ardo {

void Cursor::printed(bool endsLine) {
  position_ = endsLine ? Position::kLineStart : Position::kAfterOutput;
  lineBeforePrompt_ = midLine_;
}

void Cursor::took(bool endsLine) {
  echoed(endsLine);
  midLine_ = !endsLine;
  lineBeforePrompt_ = lineBeforePrompt_ && midLine_;
}

void Cursor::sawRest(bool endsLine) { echoed(endsLine); }

// Typed text ending in a newline or not is on the screen; its echo came before the program last
// printed when it belongs to a line begun before that.
void Cursor::echoed(bool endsLine) {
  if (!lineBeforePrompt_) {
    position_ = endsLine ? Position::kLineStart : Position::kAfterTypedText;
  }
}

}  // namespace ardo
