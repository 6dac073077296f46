// libFuzzer harness for one console dialogue. The program's own main is compiled in renamed to
// dialogue_main (see CMakeLists.txt); each input becomes its standard input, and its standard
// output is collected and dropped. A crash, a sanitizer report or a run that does not end is a
// finding.
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

int dialogue_main();

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // Done here, once: the dialogue does it too, and a first call there would put the standard
  // streams' own buffers back in place of the harness's.
  std::ios::sync_with_stdio(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  std::streambuf* const savedIn = std::cin.rdbuf(in.rdbuf());
  std::streambuf* const savedOut = std::cout.rdbuf(out.rdbuf());
  std::cin.clear();
  std::cout.clear();

  dialogue_main();

  std::cin.rdbuf(savedIn);
  std::cout.rdbuf(savedOut);
  return 0;
}
