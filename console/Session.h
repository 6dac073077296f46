#ifndef ARDO_CONSOLE_SESSION_H
#define ARDO_CONSOLE_SESSION_H

// A program's session with its user, from openConsole to closeConsole. It ends when the input
// ends, when reading it fails or when writing the output fails; from then on every read returns
// at once and nothing more is asked, so a dialogue goes straight to its closing text.

#include "CommandLine.h"

namespace ardo {

// Call first in main, with main's arguments. Answers --help and --version, or reports a command
// line the program does not take, and returns false: main then returns closeConsole() at once.
[[nodiscard]] bool openConsole(int argc, const char* const argv[], const Program& program);

// True once the session has ended, for a loop that holds no read's result.
bool sessionEnded();

// Flushes and closes standard output, and returns the exit status: 0; 1 after one line on
// standard error naming the read or write error that ended the session; 2 after a command line
// the program does not take.
int closeConsole();

// For the console layer's reads.
enum class End { kNone, kInput, kReadError, kWriteError, kUsage };
// Ends the session for reason, noting errno as the failing call left it. The first error counts,
// one after the end of the input too.
void endSession(End reason);
// Flushes the output before a read, so that a prompt shows before the program waits; false once
// the session has ended, before or now because the output cannot be written.
bool readyToRead();

}  // namespace ardo

#endif
