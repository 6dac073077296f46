#ifndef ARDO_CONSOLE_COMMANDLINE_H
#define ARDO_CONSOLE_COMMANDLINE_H

// The command line every program takes, read as GNU getopt_long reads it: --help and --version
// (or any unambiguous start of them, such as --he), "--" ending the options, and nothing else.
// getopt_long itself would also read POSIXLY_CORRECT, and these programs read no environment.

namespace ardo {

// What a program says of itself: its name, in messages and on --help and --version, and what it
// does, in one sentence for --help, in lines of at most 80 columns.
struct Program {
  const char* name;
  const char* purpose;
};

enum class Request {
  kRun,      // no options: run the program
  kHelp,     // --help came first
  kVersion,  // --version came first
  kMisuse,   // an unknown option or an operand
};

// Options are taken in order and the first --help, --version or unknown option decides; operands
// count only when no option does, as getopt_long moves them to the end. Answers the request:
// the help or the version text on standard output, or a misuse in two lines on standard error
// ("order_tool: unrecognized option '--bogus'", then where to find help), written at once.
Request answerCommandLine(int argc, const char* const argv[], const Program& program);

}  // namespace ardo

#endif
