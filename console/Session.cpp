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
  bool misused = false;
};
Session session;

// Standard error writes each insertion at once: the line is formatted whole and goes out in one
// write, so that programs sharing standard error do not mix their lines. After a misuse a second
// line points to --help.
void writeErrorLine(const char* kind, const char* message) {
  char line[kErrorRoom];
  const char* const name = session.name;
  const int length =
      session.misused
          ? std::snprintf(line, kErrorRoom, "%s: %s%s\nTry '%s --help' for more information.\n",
                          name, kind, message, name)
          : std::snprintf(line, kErrorRoom, "%s: %s%s\n", name, kind, message);
  std::cerr.write(line, std::clamp(length, 0, kErrorRoom - 1));
}

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
  char misuse[kMisuseLength + 1] = {};
  const Request request = answerCommandLine(argc, argv, program, misuse);
  session.misused = request == Request::kMisuse;
  if (session.misused) writeErrorLine("", misuse);
  return request == Request::kRun;
}

int closeConsole() {
  session.console.close();
  // The library flushes std::cout once more at exit, when the console is gone.
  std::cout.rdbuf(nullptr);
  if (session.misused) return 2;
  // The first error counts: once a write has failed, nothing more is read.
  const int readError = session.console.readError();
  const int error = readError != 0 ? readError : session.console.writeError();
  if (error == 0) return 0;
  writeErrorLine(readError != 0 ? "read error: " : "write error: ", std::strerror(error));
  return 1;
}

}  // namespace ardo
