#include "Session.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "CommandLine.h"
#include "Console.h"

namespace ardo {

namespace {

// Room for a line on standard error.
constexpr int kErrorRoom = 512;

// The session: the console, and what its error lines say.
struct Session {
  Console console;
  const char* name = "";
  char misuse[kMisuseLength + 1] = {};  // empty unless the command line is misused
};
Session session;

}  // namespace

Console& console() { return session.console; }

bool sessionEnded() { return session.console.inputEnded() || session.console.writeError() != 0; }

bool readyToRead() { return session.console.flush() && !session.console.inputEnded(); }

bool openConsole(int argc, const char* const argv[], const Program& program) {
  session.name = program.name;
  session.console.open();
  std::cin.rdbuf(&session.console);
  std::cout.rdbuf(&session.console);
  // Every read starts by flushing the output itself, once; through the tie the stream would
  // flush it again in each of the several calls a read can make.
  std::cin.tie(nullptr);
  session.misuse[0] = '\0';
  return answerCommandLine(argc, argv, program, session.misuse) == Request::kRun;
}

int closeConsole() {
  session.console.close();
  // The library flushes std::cout once more at exit, when the console is gone.
  std::cout.rdbuf(nullptr);
  const bool misused = session.misuse[0] != '\0';
  // The first error counts: once a write has failed, nothing more is read.
  const int readError = session.console.readError();
  const int error = readError != 0 ? readError : session.console.writeError();
  if (!misused && error == 0) return 0;
  // Standard error writes each insertion at once: the line is formatted whole and goes out in
  // one write, so that programs sharing standard error do not mix their lines.
  char line[kErrorRoom];
  const char* const name = session.name;
  const int length =
      misused ? std::snprintf(line, kErrorRoom, "%s: %s\nTry '%s --help' for more information.\n",
                              name, session.misuse, name)
              : std::snprintf(line, kErrorRoom, "%s: %s error: %s\n", name,
                              readError != 0 ? "read" : "write", std::strerror(error));
  std::cerr.write(line, std::clamp(length, 0, kErrorRoom - 1));
  return misused ? 2 : 1;
}

}  // namespace ardo
