#ifndef ARDO_TESTS_TOOLS_DIALOGUE_RUN_H
#define ARDO_TESTS_TOOLS_DIALOGUE_RUN_H

// Runs a program's dialogue in-process: its main, compiled in as dialogue_main, reads the given
// bytes on descriptor 0, and what it writes on descriptor 1 is returned. The fuzz targets and the
// replay test use it.

#include <sys/mman.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <string>

int dialogue_main(int argc, char* argv[]);

namespace dialogue_run {

// All of the input at once, as a file gives it; or in pieces, one per read, as a terminal hands
// over a line or what was typed before a Ctrl-D: one byte each, or for an input longer than
// kPieces bytes, kPieces pieces, so that the socket they wait in holds them all from the start.
enum class Input { kBuffered, kUnbuffered };
constexpr std::size_t kPieces = 200;

// A descriptor that reads input as kind says, or -1.
inline int standardInput(const std::string& input, Input kind) {
  if (kind == Input::kBuffered) {
    const int file = memfd_create("input", 0);
    if (pwrite(file, input.data(), input.size(), 0) == static_cast<ssize_t>(input.size())) {
      return file;
    }
    close(file);
    return -1;
  }
  int ends[2] = {-1, -1};
  socketpair(AF_UNIX, SOCK_SEQPACKET, 0, ends);
  const std::size_t piece = 1 + input.size() / kPieces;
  bool sent = true;
  for (std::size_t at = 0; sent && at < input.size(); at += piece) {
    const std::size_t length = std::min(piece, input.size() - at);
    sent = send(ends[1], input.data() + at, length, MSG_DONTWAIT) == static_cast<ssize_t>(length);
  }
  close(ends[1]);
  if (!sent) {
    close(ends[0]);
    return -1;
  }
  return ends[0];
}

// Runs the dialogue once on input and returns its standard output; status is its exit status.
inline std::string run(const std::string& input, Input kind, int& status) {
  const int in = standardInput(input, kind);
  if (in < 0) {
    status = -1;
    return "(the input could not be handed over)";
  }
  const int savedIn = dup(STDIN_FILENO);
  const int savedOut = dup(STDOUT_FILENO);
  const int out = memfd_create("output", 0);
  dup2(in, STDIN_FILENO);
  dup2(out, STDOUT_FILENO);
  close(in);

  char name[] = "dialogue";
  char* argv[] = {name, nullptr};
  status = dialogue_main(1, argv);

  // The dialogue closed descriptor 1 as it ended.
  dup2(savedIn, STDIN_FILENO);
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
