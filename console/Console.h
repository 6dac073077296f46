#ifndef ARDO_CONSOLE_CONSOLE_H
#define ARDO_CONSOLE_CONSOLE_H

// The one way the dialogues talk to the user: every prompt, read and discard goes through here,
// and so does the check that standard output is still being written.
//
// A session ends when the input ends, when reading it fails, or when writing the output fails.
// From then on every read returns ReadResult::kEnded at once, without touching the input, and
// ask prints nothing, so a dialogue goes straight to its closing block. closeConsole reports a
// failure and gives the exit status.
//
// A value that the end of the input follows is used, and the session ends after it. An entry
// that a read error follows is not: a value may have been cut short (25 arriving as 2, then the
// error), so the read is kEnded, as if the input had ended before the entry.
//
// At a terminal, whatever the program prints after the end of the input starts on a line of its
// own; so does its answer to a value typed without Enter and handed over with one Ctrl-D, where
// the stream shows the rest of what the terminal handed over (libstdc++ does; libc++ keeps no
// buffer for standard input, and there the answer follows the typed text).

#include "CommandLine.h"

namespace ardo {

// How one read went.
enum class ReadResult {
  kOk,        // a value, as typed
  kRejected,  // not a number, or a line too long or holding a NUL; the rest of its line is gone
  kEnded,     // the session has ended, before the entry or inside it: nothing of it is used
};

// Call first in main, with main's arguments. Answers --help and --version, or reports a command
// line the program does not take; it returns false when it did so, and main then returns
// closeConsole() without starting its dialogue. Otherwise the standard streams stop sharing C
// stdio's buffers, and each read flushes the output itself.
[[nodiscard]] bool openConsole(int argc, const char* const argv[], const Program& program);

// Prints prompt, unless the session has ended: a prompt nobody can answer is not shown.
// Everything a dialogue prints other than through ask ends its line.
void ask(const char* prompt);

// The reads. Each first flushes the output, so the prompt shows before the program waits;
// output that cannot be written ends the session.

// Reads a line of at most size - 2 characters into buffer (size bytes), which is empty when the
// read is kEnded. A carriage return just before the newline belongs to the line end; the spare
// byte makes room for it.
[[nodiscard]] ReadResult readLine(char* buffer, int size);
// Reads a decimal int; number is 0 unless the read is kOk. A number that cannot be read is
// rejected, even when the input ends straight after it.
[[nodiscard]] ReadResult readNumber(int& number);
// Reads one word of at most size - 1 bytes into buffer, which is empty when the read is kEnded.
// NUL bytes are not part of it; the rest of a longer word is skipped, and the cut backs off to a
// whole UTF-8 character.
[[nodiscard]] ReadResult readWord(char* buffer, int size);
// Reads one character, white space and newline included; c is unchanged unless kOk.
[[nodiscard]] ReadResult readChar(char& c);
// Skips up to kDiscardLimit characters, through the next newline.
constexpr int kDiscardLimit = 1000;
void discardLine();

// True once the session has ended; a dialogue asks nothing more then.
bool sessionEnded();

// Flushes and closes standard output, and returns the exit status: 0; 1 after one line on
// standard error naming the read or write error that ended the session; 2 after a command line
// the program does not take.
int closeConsole();

}  // namespace ardo

#endif
