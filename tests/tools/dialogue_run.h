#ifndef ARDO_TESTS_TOOLS_DIALOGUE_RUN_H
#define ARDO_TESTS_TOOLS_DIALOGUE_RUN_H

// Runs a program's dialogue in-process: its main, compiled in as dialogue_main, reads the given
// bytes on descriptor 0, and what it writes on descriptor 1 is returned. The fuzz targets and the
// replay test use it.

#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

int dialogue_main(int argc, char* argv[]);

namespace dialogue_run {

// All of the input at once, as a file gives it; or one byte per read, as a terminal that hands
// over a piece at a time would.
enum class Input { kBuffered, kUnbuffered };

// Runs the dialogue once on input and returns its standard output; status is its exit status.
inline std::string run(const std::string& input, Input kind, int& status) {
  int in[2] = {-1, -1};
  pid_t feeder = -1;
  if (kind == Input::kBuffered) {
    in[0] = memfd_create("input", 0);
    if (pwrite(in[0], input.data(), input.size(), 0) != static_cast<ssize_t>(input.size())) {
      close(in[0]);
      return "(the input could not be written)";
    }
  } else {
    // A packet is one read. The feeder is a process of its own, as threads do not run under
    // qemu-user; it stops when the dialogue no longer reads.
    socketpair(AF_UNIX, SOCK_SEQPACKET, 0, in);
    feeder = fork();
    if (feeder == 0) {
      close(in[0]);
      for (const char c : input) {
        if (send(in[1], &c, 1, MSG_NOSIGNAL) != 1) break;
      }
      _exit(0);
    }
    close(in[1]);
  }
  const int savedIn = dup(STDIN_FILENO);
  const int savedOut = dup(STDOUT_FILENO);
  const int out = memfd_create("output", 0);
  dup2(in[0], STDIN_FILENO);
  dup2(out, STDOUT_FILENO);
  close(in[0]);

  char name[] = "dialogue";
  char* argv[] = {name, nullptr};
  status = dialogue_main(1, argv);

  dup2(savedIn, STDIN_FILENO);
  if (feeder > 0) waitpid(feeder, nullptr, 0);
  // The dialogue closed descriptor 1 as it ended.
  dup2(savedOut, STDOUT_FILENO);
  close(savedIn);
  close(savedOut);
  std::string printed(static_cast<std::size_t>(lseek(out, 0, SEEK_END)), '\0');
  if (pread(out, printed.data(), printed.size(), 0) < 0) printed = "(output unreadable)";
  close(out);
  return printed;
}

}  // namespace dialogue_run

#endif
