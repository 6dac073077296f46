#ifndef ARDO_CONSOLE_CONSOLE_H
#define ARDO_CONSOLE_CONSOLE_H

// For the console layer only: the buffer it puts under both std::cin and std::cout, and the
// screen that standard input and output share when they are one terminal. The buffer makes every
// read(2) and write(2) of the program, whoever prints, on every library.

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
  bool newlineFirst(std::size_t queued, bool endsLine, bool inputEnded);

 private:
  enum Position { kLineStart, kMidLine, kAfterTypedText };
  Position position_ = kLineStart;
  std::size_t queued_ = 0;  // unread bytes at the last output: their echo stands before it
};

// At a terminal in canonical mode, each read(2) takes one handover: a line, or what was typed
// before a Ctrl-D. Not in canonical mode, a terminal hands over bytes as they are typed, so the
// buffer takes one a read and leaves what follows the last answer for the next program.
/// Standard input through read(2), and standard output through one write(2) at each flush; a
/// descriptor left non-blocking is waited on.
class Console : public std::streambuf {
 public:
  /// Starts afresh on descriptors 0 and 1, keeping their screen when they are one terminal.
  void open();
  // Not std::ws, which looks up the locale on every call: about 250 instructions a menu pass.
  /// Skips white space; false when the input ends first.
  bool skipSpace();
  /// Takes a word, up to white space or the end; copies its first size bytes but NULs to kept.
  int takeWord(char* kept, int size);
  /// Skips through the next newline, at most limit bytes, or to the end, and reads no further.
  void skipLine(std::size_t limit);
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
    if (flush() && !traits_type::eq_int_type(c, traits_type::eof()))
      sputc(traits_type::to_char_type(c));
    return writeError_ == 0 ? traits_type::not_eof(c) : traits_type::eof();
  }
  int sync() override { return flush() ? 0 : -1; }

 private:
  static constexpr int kSize = 8192;  // a terminal's longest line, 4095 bytes and a newline, fits
  char in_[kSize + 1];                // the input held is followed by a NUL
  char out_[1 + kSize];  // out_[0] is room for the newline the screen may need before the output
  bool shared_ = false;
  bool byteByByte_ = false;
  // With MIN 0 a read returns 0 when nothing has come, which is not the end; with a MIN above 1,
  // poll would wait for MIN bytes where a read of one returns with the first.
  bool waitFirst_ = false;
  Screen screen_;
  bool inputEnded_ = false;
  int readError_ = 0;
  int writeError_ = 0;
};

}  // namespace ardo

#endif
