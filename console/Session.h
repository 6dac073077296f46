#ifndef ARDO_CONSOLE_SESSION_H
#define ARDO_CONSOLE_SESSION_H

// A program's session with its user, from openConsole to closeConsole. It ends when the input
// ends, when reading it fails or when writing the output fails; from then on every read returns
// at once and nothing more is asked, so a dialogue goes straight to its closing text.
//
// openConsole answers --help and --version, or notes a command line the program does not take,
// and then returns false: main returns closeConsole() at once. closeConsole's status is 0; 1
// after one line on standard error naming the read or write error that ended the session; 2
// after two lines there on a command line the program does not take.

namespace ardo {

// What a program says of itself: its name, in messages and on --help and --version, and what it
// does, in one sentence for --help, in lines of at most 80 columns.
struct Program {
  const char* name;
  const char* purpose;
};

/// Call first in main, with main's arguments; true when the dialogue is to run.
[[nodiscard]] bool openConsole(int argc, const char* const argv[], const Program& program);
/// True once the session has ended, for a loop that holds no read's result.
bool sessionEnded();
/// Flushes and closes standard output, and returns the program's exit status.
int closeConsole();

// For the console layer's reads.
class Console;
/// The session's console.
Console& console();
/// Flushes the output before a read; false once the session has ended, before or now.
bool readyToRead();

}  // namespace ardo

#endif
