#ifndef ARDO_CONSOLE_H
#define ARDO_CONSOLE_H

// The one way the dialogues talk to the user: every prompt, read and discard goes through here,
// and so does the check that standard output is still being written.
//
// A session ends when the input ends, when reading it fails, or when writing the output fails.
// From then on every read returns Input::kEnded at once and ask prints nothing, so a dialogue
// goes straight to its closing block. closeConsole reports a failure and gives the exit status.

namespace ardo {

// How one read went.
enum class Input {
  kOk,        // a value, as typed
  kRejected,  // not a number, or a line too long or holding a NUL; the rest of its line is gone
  kEnded,     // the session has ended; nothing was read
};

// Call first in main: the standard streams stop sharing C stdio's buffers (input stays tied to
// output, so a prompt is flushed before each read). program names the program in messages.
void openConsole(const char* program);

// Prints prompt, unless the session has ended: a prompt nobody can answer is not shown.
void ask(const char* prompt);

// The reads. Each first flushes the output; output that cannot be written ends the session.

// Reads a line of at most size - 2 characters into buffer (size bytes). A carriage return just
// before the newline belongs to the line end; the spare byte makes room for it.
Input readLine(char* buffer, int size);
// Reads a decimal int; number is 0 unless the read is kOk.
Input readNumber(int& number);
// Reads one word of at most size - 1 bytes into buffer. The rest of a longer word is skipped, and
// the cut backs off to a whole UTF-8 character.
Input readWord(char* buffer, int size);
// Reads one character, white space and newline included; c is unchanged unless kOk.
Input readChar(char& c);
// Skips up to kDiscardLimit characters, through the next newline.
const int kDiscardLimit = 1000;
void discardLine();

// True once the session has ended; a dialogue asks nothing more then.
bool sessionEnded();

// Flushes the output and returns the exit status: 0, or 1 after one line on standard error
// naming the read or write error that ended the session.
int closeConsole();

}  // namespace ardo

#endif
