#ifndef ARDO_CONSOLE_COMMANDLINE_H
#define ARDO_CONSOLE_COMMANDLINE_H

// The command line every program takes, read as GNU getopt_long reads it: --help and --version
// (or any unambiguous start of them, such as --he), "--" ending the options, and nothing else.

namespace ardo {

enum class Request {
  kRun,      // no options: run the program
  kHelp,     // --help came first
  kVersion,  // --version came first
  kMisuse,   // an unknown option or an operand; misuse holds what to say about it
};

// What is wrong with a command line, as one line for standard error without the program name:
// "unrecognized option '--bogus'", "invalid option -- 'x'", "extra operand 'extra'". Long
// arguments are cut.
struct Misuse {
  static constexpr int kLength = 160;
  char text[kLength + 1] = {};
};

// Options are taken in order and the first --help, --version or unknown option decides; operands
// count only when no option does, as getopt_long moves them to the end.
Request readCommandLine(int argc, const char* const argv[], Misuse& misuse);

}  // namespace ardo

#endif
