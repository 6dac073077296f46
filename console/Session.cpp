#include "Session.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Screen.h"

namespace ardo {

namespace {

// Room for a line on standard error.
constexpr int kErrorRoom = 512;

const char* programName = "";
End why = End::kNone;  // why the session ended
int whyErrno = 0;

// Standard error writes each insertion at once: the line is formatted whole and goes out in one
// write, so that programs sharing standard error do not mix their lines.
void writeErrorLine(const char* message, bool withHelp) {
  char line[kErrorRoom];
  int length = std::snprintf(line, kErrorRoom, "%s: %s\n", programName, message);
  if (withHelp && length < kErrorRoom) {
    length += std::snprintf(line + length, static_cast<std::size_t>(kErrorRoom - length),
                            "Try '%s --help' for more information.\n", programName);
  }
  std::cerr.write(line, std::clamp(length, 0, kErrorRoom - 1));
}

// The same as cout.flush(), without the sentry that this one check per read would pay for. A
// stream that writes through C's stdout (libc++, and any before openConsole unties them) may see
// its write succeed while stdout records the failure: a terminal makes stdout write a line at a
// time.
bool flushOutput() {
  if (std::cout && (std::cout.rdbuf()->pubsync() == -1 || std::ferror(stdout) != 0)) {
    std::cout.setstate(std::ios::badbit);
  }
  return !std::cout.fail();
}

}  // namespace

void endSession(End reason) {
  // The end of the input is no failure: one that follows it still decides the exit status.
  if (why == End::kNone || why == End::kInput) {
    why = reason;
    whyErrno = errno;
  }
}

bool sessionEnded() { return why != End::kNone; }

bool readyToRead() {
  if (!sessionEnded() && !flushOutput()) endSession(End::kWriteError);
  return !sessionEnded();
}

bool openConsole(int argc, const char* const argv[], const Program& program) {
  programName = program.name;
  why = End::kNone;
  char misuse[kMisuseLength + 1] = {};
  const Request request = answerCommandLine(argc, argv, program, misuse);
  if (request == Request::kMisuse) {
    endSession(End::kUsage);
    writeErrorLine(misuse, true);
  }
  if (request != Request::kRun) return false;
  std::ios::sync_with_stdio(false);
  // Every read starts by flushing the output itself, once; through the tie the stream would
  // flush it again in each of the several calls a read can make.
  std::cin.tie(nullptr);
  openScreen();
  return true;
}

int closeConsole() {
  // Some file systems report a lost write only when the file is closed. Closed from the start,
  // standard output held nothing to lose (a write would have failed first).
  if (!flushOutput() || (close(STDOUT_FILENO) != 0 && errno != EBADF)) endSession(End::kWriteError);
  if (why == End::kNone || why == End::kInput) return 0;
  if (why == End::kUsage) return 2;
  char message[kErrorRoom];
  std::snprintf(message, kErrorRoom, "%s error: %s", why == End::kWriteError ? "write" : "read",
                std::strerror(whyErrno));
  writeErrorLine(message, false);
  return 1;
}

}  // namespace ardo
