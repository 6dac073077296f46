#ifndef ARDO_TESTS_TOOLS_DIALOGUE_RUN_H
#define ARDO_TESTS_TOOLS_DIALOGUE_RUN_H

// Runs a program's dialogue in-process: its main, compiled in as dialogue_main, reads the given
// bytes as standard input, and what it prints is returned. The fuzz targets and the replay test
// use it.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

int dialogue_main(int argc, char* argv[]);

namespace dialogue_run {

// Standard input as a terminal or libc++ delivers it: no buffer the stream can look into, so
// in_avail and readsome report nothing, and one character per call.
class Unbuffered : public std::streambuf {
 public:
  explicit Unbuffered(const std::string& text) : text_(text) {}

 protected:
  int_type underflow() override {
    return next_ < text_.size() ? traits_type::to_int_type(text_[next_]) : traits_type::eof();
  }
  int_type uflow() override {
    const int_type c = underflow();
    next_ += traits_type::eq_int_type(c, traits_type::eof()) ? 0 : 1;
    return c;
  }
  int_type pbackfail(int_type c) override {
    if (next_ == 0) {
      return traits_type::eof();
    }
    --next_;
    return traits_type::not_eof(c);
  }

 private:
  const std::string& text_;
  std::size_t next_ = 0;
};

enum class Input { kBuffered, kUnbuffered };

// Runs the dialogue once on input and returns its standard output; status is its exit status.
inline std::string run(const std::string& input, Input kind, int& status) {
  // Once, before the streams are swapped: the dialogue does it too, and a first call there would
  // put the standard streams' own buffers back.
  static const bool unsynced = [] { return std::ios::sync_with_stdio(false); }();
  static_cast<void>(unsynced);

  std::istringstream buffered(input);
  Unbuffered unbuffered(input);
  std::ostringstream out;
  std::streambuf* in = &unbuffered;
  if (kind == Input::kBuffered) {
    in = buffered.rdbuf();
  }
  std::streambuf* const savedIn = std::cin.rdbuf(in);
  std::streambuf* const savedOut = std::cout.rdbuf(out.rdbuf());
  std::cin.clear();
  std::cout.clear();

  char name[] = "dialogue";
  char* argv[] = {name, nullptr};
  status = dialogue_main(1, argv);

  std::cin.rdbuf(savedIn);
  std::cout.rdbuf(savedOut);
  // The dialogue closes standard output as it ends: the descriptor is taken again at once, so
  // that nothing else opened meanwhile gets it.
  const int devNull = open("/dev/null", O_WRONLY);
  dup2(devNull, STDOUT_FILENO);
  close(devNull);
  return out.str();
}

}  // namespace dialogue_run

#endif
