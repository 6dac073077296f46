#ifndef ARDO_TEXT_TEXTFIELD_H
#define ARDO_TEXT_TEXTFIELD_H

namespace ardo {

// Copies text into field, which has room for length bytes and a terminating zero. A longer text
// is cut, never inside a UTF-8 character; a null text leaves the field empty.
void copyText(char* field, const char* text, int length);

// How many of the first length bytes of text to keep when the text is cut there: length, or
// fewer when the cut would fall inside a UTF-8 character. text[length] must be readable.
int wholeCharacters(const char* text, int length);

}  // namespace ardo

#endif
