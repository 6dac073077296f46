#ifndef ARDO_CONSOLE_ERRORLINE_H
#define ARDO_CONSOLE_ERRORLINE_H

#include <algorithm>
#include <iostream>

namespace ardo {

// Standard error writes each insertion at once: a message is formatted whole into a buffer of
// kErrorRoom bytes and goes out in one write, so that programs sharing standard error do not mix
// their lines.
constexpr int kErrorRoom = 512;

// Writes text, of which snprintf reported formatted bytes, cut to what the room holds.
inline void writeError(const char* text, int formatted) {
  std::cerr.write(text, std::max(0, std::min(formatted, kErrorRoom - 1)));
  std::cerr.flush();
}

}  // namespace ardo

#endif
