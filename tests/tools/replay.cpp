// Replays transcripts through a program's dialogue in-process, with standard input handed over in
// pieces, one per read (one byte each, or 200 pieces of an input longer than 200 bytes), and
// checks each output against the transcript's.
// usage: replay_PROGRAM DIR; each DIR/<case>.in must print DIR/<case>.out and end with status 0.
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "dialogue_run.h"

namespace {

std::string contents(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " TRANSCRIPT_DIR\n";
    return 2;
  }
  // A dialogue that spins is killed by SIGXCPU after a few seconds of CPU time, however busy
  // the machine.
  const rlimit cpu = {10, 11};
  setrlimit(RLIMIT_CPU, &cpu);

  int cases = 0;
  int failures = 0;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
    if (entry.path().extension() != ".in") {
      continue;
    }
    ++cases;
    std::filesystem::path expected = entry.path();
    expected.replace_extension(".out");
    int status = 0;
    const std::string printed =
        dialogue_run::run(contents(entry.path()), dialogue_run::Input::kUnbuffered, status);
    if (status != 0 || printed != contents(expected)) {
      ++failures;
      std::cerr << "FAIL " << entry.path().filename().string() << ": status " << status
                << ", printed:\n"
                << printed << "\n";
    }
  }
  std::cerr << cases - failures << " of " << cases << " transcripts as expected\n";
  return failures == 0 && cases > 0 ? 0 : 1;
}
