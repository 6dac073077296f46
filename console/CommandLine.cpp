#include "CommandLine.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "ErrorLine.h"
#include "TextField.h"

namespace ardo {

namespace {

// What is wrong with a command line, as one line without the program name: "unrecognized option
// '--bogus'", "invalid option -- 'x'", "extra operand 'extra'".
struct Misuse {
  static constexpr int kLength = 160;
  char text[kLength + 1] = {};
};

// A misuse goes to standard error in this shape, in one error line. Program names are far
// shorter than kNameRoom.
constexpr char kMisuseLines[] = "%s: %s\nTry '%s --help' for more information.\n";
constexpr int kNameRoom = 64;
static_assert(static_cast<int>(sizeof kMisuseLines) + 2 * kNameRoom + Misuse::kLength <= kErrorRoom,
              "a misuse must fit in one error line");

// Writes argument into out, quoted as GNU tools quote a name in a message so that a shell reads
// the same bytes back: in single quotes, a quote as '\'' and control characters as $'\n' or
// $'\177' between quotes ('a'$'\n''b'), which keeps the message on one line. At most room
// bytes: a longer argument is cut between characters, its quotes closed. Returns the length.
int quote(char* out, const char* argument, int room) {
  const char kNamedEscapes[] = "abtnvfr";  // for '\a' to '\r'
  const unsigned char kDelete = 0x7F;
  int used = 0;
  out[used++] = '\'';
  bool escaping = false;  // within $'...' rather than '...'
  int taken = 0;
  for (; argument[taken] != '\0'; ++taken) {
    const auto byte = static_cast<unsigned char>(argument[taken]);
    const bool control = byte < ' ' || byte == kDelete;
    char piece[sizeof "'$'\\177"];  // the longest piece, and snprintf's NUL
    int length = 0;
    const auto add = [&piece, &length](const char* text) {
      while (*text != '\0') {
        piece[length++] = *text++;
      }
    };
    if (control) {
      add(escaping ? "\\" : "'$'\\");
      if (byte >= '\a' && byte <= '\r') {
        piece[length++] = kNamedEscapes[byte - '\a'];
      } else {
        length += std::snprintf(piece + length, sizeof piece - static_cast<std::size_t>(length),
                                "%03o", byte);
      }
    } else if (byte == '\'') {
      add("'\\''");
    } else {
      add(escaping ? "''" : "");
      piece[length++] = argument[taken];
    }
    // Room is kept for the closing quote.
    if (used + length + 1 > room) {
      break;
    }
    std::memcpy(out + used, piece, static_cast<std::size_t>(length));
    used += length;
    escaping = control;
  }
  // Cut inside a UTF-8 character, whose bytes went out one for one: they go back.
  used -= taken - wholeCharacters(argument, taken);
  out[used++] = '\'';
  return used;
}

// Says what is wrong: before, then argument quoted, then after, cut to fit.
void describe(Misuse& misuse, const char* before, const char* argument, const char* after) {
  const int room = Misuse::kLength - static_cast<int>(std::strlen(before) + std::strlen(after));
  const int written = std::snprintf(misuse.text, sizeof misuse.text, "%s", before);
  const int quoted = written + quote(misuse.text + written, argument, room);
  std::snprintf(misuse.text + quoted, sizeof misuse.text - static_cast<std::size_t>(quoted), "%s",
                after);
}

// "--name" or "--name=value": the long option name starts, or kMisuse when there is none.
Request longOption(const char* argument, Misuse& misuse) {
  const char* const name = argument + 2;
  const char* const equals = std::strchr(name, '=');
  const std::size_t length =
      equals != nullptr ? static_cast<std::size_t>(equals - name) : std::strlen(name);
  if (length == 0) {
    // "--=": no name, which starts every option.
    describe(misuse, "option ", argument, " is ambiguous; possibilities: '--help' '--version'");
    return Request::kMisuse;
  }
  const struct {
    const char* option;
    Request request;
  } options[] = {{"--help", Request::kHelp}, {"--version", Request::kVersion}};
  for (const auto& option : options) {
    if (length > std::strlen(option.option + 2) ||
        std::strncmp(name, option.option + 2, length) != 0) {
      continue;
    }
    if (equals != nullptr) {
      describe(misuse, "option ", option.option, " doesn't allow an argument");
      return Request::kMisuse;
    }
    return option.request;
  }
  describe(misuse, "unrecognized option ", argument, "");
  return Request::kMisuse;
}

Request readCommandLine(int argc, const char* const argv[], Misuse& misuse) {
  const char* operand = nullptr;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const char* const argument = argv[i];
    if (optionsEnded || argument[0] != '-' || argument[1] == '\0') {
      operand = operand != nullptr ? operand : argument;
    } else if (std::strcmp(argument, "--") == 0) {
      optionsEnded = true;
    } else if (argument[1] == '-') {
      return longOption(argument, misuse);
    } else {
      const char letter[] = {argument[1], '\0'};
      describe(misuse, "invalid option -- ", letter, "");
      return Request::kMisuse;
    }
  }
  if (operand != nullptr) {
    describe(misuse, "extra operand ", operand, "");
    return Request::kMisuse;
  }
  return Request::kRun;
}

}  // namespace

Request answerCommandLine(int argc, const char* const argv[], const Program& program) {
  Misuse misuse;
  const Request request = readCommandLine(argc, argv, misuse);
  switch (request) {
    case Request::kHelp:
      std::cout << "Usage: " << program.name << " [OPTION]\n"
                << program.purpose << "\n"
                << "\n"
                << "      --help     display this help and exit\n"
                << "      --version  output version information and exit\n"
                << "\n"
                << "Full documentation: man " << program.name << "\n";
      break;
    case Request::kVersion:
      std::cout << program.name << " (ardo console) " << ARDO_VERSION << "\n"
                << "Copyright (C) 2026 the ardo console authors\n"
                << "License MIT: <https://opensource.org/licenses/MIT>\n"
                << "This is free software: you are free to change and redistribute it.\n"
                << "There is NO WARRANTY, to the extent permitted by law.\n";
      break;
    case Request::kMisuse: {
      char lines[kErrorRoom];
      writeError(lines, std::snprintf(lines, sizeof lines, kMisuseLines, program.name, misuse.text,
                                      program.name));
      break;
    }
    case Request::kRun:
      break;
  }
  return request;
}

}  // namespace ardo
