#ifndef ARDO_CONSOLE_CONSOLE_H
#define ARDO_CONSOLE_CONSOLE_H

// For the console layer only: the buffer it puts under both std::cin and std::cout, and the
// screen that standard input and output share when they are one terminal. The buffer makes every
// read(2) and write(2) of the program, whoever prints, on every standard library.

#include <algorithm>
#include <cstddef>
#include <streambuf>

namespace ardo {

/// Where a terminal's cursor stands, from the order of what the program wrote and what it read.
class Screen {
 public:
  /// The program read length bytes the terminal handed over, the last a newline or not.
  void handedOver(std::size_t length, bool endsLine) {
    // What was queued at the last output was echoed before it: reading it moves nothing.
    if (length > queued_) position_ = endsLine ? kLineStart : kAfterTypedText;
    queued_ -= std::min(length, queued_);
  }
  /// True when output going out now must start on a new line; queued: unread bytes held.
  bool print(std::size_t queued, bool endsLine, bool inputEnded);

 private:
  enum Position { kLineStart, kMidLine, kAfterTypedText };
  Position position_ = kLineStart;
  std::size_t queued_ = 0;  // unread bytes at the last output: their echo stands before it
};

// At a terminal in canonical mode, each read(2) takes one handover: a line, or what was typed
// before a Ctrl-D.
/// Standard input through read(2), and standard output through one write(2) at each flush.
class Console : public std::streambuf {
 public:
  /// Starts afresh on descriptors 0 and 1, keeping their screen when they are one terminal.
  void open();
  /// The input held, refilled first when empty, and followed by a NUL; length 0 at the end.
  const char* next(std::size_t& length) {
    sgetc();
    length = static_cast<std::size_t>(egptr() - gptr());
    return gptr();
  }
  /// The first length characters next() gave are used.
  void take(std::size_t length) { gbump(static_cast<int>(length)); }
  /// Writes the output held; false once a write has failed, after which nothing is written.
  bool flush();
  /// The input has ended or failed; nothing is read after that.
  bool inputEnded() const { return inputEnded_; }
  /// The errno of the read that failed, or 0.
  int readError() const { return readError_; }
  /// The errno of the write or close that failed, or 0.
  int writeError() const { return writeError_; }
  /// Flushes, then closes descriptor 1: some file systems report a lost write only there.
  void close();

 protected:
  int_type underflow() override;
  int_type overflow(int_type c) override {
    if (flush() && !traits_type::eq_int_type(c, traits_type::eof())) sputc(char_type(c));
    return writeError_ == 0 ? traits_type::not_eof(c) : traits_type::eof();
  }
  int sync() override { return flush() ? 0 : -1; }

 private:
  static constexpr int kSize = 8192;  // a terminal's longest line, 4095 bytes and a newline, fits
  char in_[kSize + 1];
  char out_[1 + kSize];  // out_[0] is room for the newline the screen may need before the output
  bool shared_ = false;
  Screen screen_;
  bool inputEnded_ = false;
  int readError_ = 0;
  int writeError_ = 0;
};

/// The session's console, for the reads.
Console& console();
/// Flushes the output before a read; false once the session has ended, before or now.
bool readyToRead();

}  // namespace ardo

#endif
