// libFuzzer harness for one console dialogue. The program's own main is compiled in renamed to
// dialogue_main (see CMakeLists.txt); each input becomes its standard input twice, once whole, as
// a file gives it, and once in small pieces, one per read. A crash, a sanitizer report, a run that
// does not end, or two runs that print different things is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "dialogue_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  int bufferedStatus = 0;
  int unbufferedStatus = 0;
  const std::string buffered =
      dialogue_run::run(input, dialogue_run::Input::kBuffered, bufferedStatus);
  const std::string unbuffered =
      dialogue_run::run(input, dialogue_run::Input::kUnbuffered, unbufferedStatus);
  if (buffered != unbuffered || bufferedStatus != unbufferedStatus) {
    std::cerr << "buffered and unbuffered input differ:\n" << buffered << "\n----\n" << unbuffered;
    std::abort();
  }
  return 0;
}
