#ifndef ARDO_CONSOLE_INPUT_H
#define ARDO_CONSOLE_INPUT_H

// The prompts and reads every dialogue makes. Each read first flushes the output, so that the
// prompt shows before the program waits, and returns kEnded at once, reading nothing, once the
// session has ended.
//
// A value that the end of the input follows is used, and the session ends after it. An entry
// that a read error follows is not: a value may have been cut short (25 arriving as 2, then the
// error), so the read is kEnded, as if the input had ended before the entry. A number that cannot
// be read is rejected, even when the input ends straight after it or a read fails while the rest
// of its line is skipped. A line keeps one byte of its buffer spare for a carriage return before
// its newline, which belongs to the line end. A word leaves out NUL bytes, and a longer one is cut
// to whole UTF-8 characters, the rest skipped.

namespace ardo {

/// Prints prompt, unless the session has ended: a prompt nobody can answer is not shown.
void ask(const char* prompt);

// How one read went.
enum class ReadResult {
  kOk,        // a value, as typed
  kRejected,  // not a number, or a line too long or holding a NUL; the rest of its line is gone
  kEnded,     // the session has ended, before the entry or inside it: nothing of it is used
};

/// Reads a line of at most size - 2 bytes into buffer (size bytes), empty when the read is kEnded.
[[nodiscard]] ReadResult readLine(char* buffer, int size);
/// Reads a decimal int into number, which is 0 unless the read is kOk.
[[nodiscard]] ReadResult readNumber(int& number);
/// Reads one word of at most size - 1 bytes into buffer, which is empty when the read is kEnded.
[[nodiscard]] ReadResult readWord(char* buffer, int size);
/// Reads one character, white space and newline included; c is unchanged unless kOk.
[[nodiscard]] ReadResult readChar(char& c);
/// Skips up to kDiscardLimit characters, through the next newline.
void discardLine();
constexpr int kDiscardLimit = 1000;

}  // namespace ardo

#endif
