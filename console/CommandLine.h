#ifndef ARDO_CONSOLE_COMMANDLINE_H
#define ARDO_CONSOLE_COMMANDLINE_H

// For the console layer only: the command line every program takes.

#include "Session.h"

namespace ardo {

// What the command line asks for: to run the program (no options), --help or --version (the
// first of them), or nothing the program takes (an unknown option or an operand).
enum class Request { kRun, kHelp, kVersion, kMisuse };
// The longest description of a misuse, without the program's name.
constexpr int kMisuseLength = 160;

// The command line is read as GNU getopt_long reads it: --help and --version (or any unambiguous
// start of them, such as --he), "--" ending the options, and nothing else. getopt_long itself
// would also read POSIXLY_CORRECT, and these programs read no environment. Options are taken in
// order and the first --help, --version or unknown option decides; operands count only when no
// option does, as getopt_long moves them to the end.
/// Prints the help or version text, or writes into misuse (kMisuseLength + 1 bytes) what is wrong.
Request answerCommandLine(int argc, const char* const argv[], const Program& program, char* misuse);

}  // namespace ardo

#endif
