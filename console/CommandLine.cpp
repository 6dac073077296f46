#include "CommandLine.h"

#include <cstdio>
#include <cstring>
#include <iostream>

namespace ardo {

namespace {

bool printable(char c) { return c >= ' ' && c < '\x7F'; }

// What means the same between C's double quotes as between the shell's, as GNU counts it; '#'
// and '~' count only first, where a shell would read them otherwise.
constexpr char kPlain[] =
    "%+,-./0123456789:@ABCDEFGHIJKLMNOPQRSTUVWXYZ]_abcdefghijklmnopqrstuvwxyz '";

// Appends argument to out at used, quoted as GNU tools quote a name in a message in the C locale,
// so that a shell reads the same bytes back: in single quotes, a quote as '\'', and every byte
// outside printable ASCII as $'\n' or $'\303' between quotes ('caf'$'\303\251'), which keeps the
// message on one line and free of terminal controls; or in double quotes, where a single quote
// is all that needs quoting ("it's"). The quoted text takes at most room bytes: a longer argument
// is cut, its quotes closed. out holds used + room + 1 bytes. Returns the length of out.
int quote(char* out, int used, int room, const char* argument) {
  // GNU's form when a single quote is all that needs quoting: the whole between double quotes.
  const char* const rest = argument + (*argument == '#' || *argument == '~' ? 1 : 0);
  if (std::strchr(argument, '\'') != nullptr && rest[std::strspn(rest, kPlain)] == '\0') {
    return used + std::snprintf(out + used, static_cast<std::size_t>(room) + 1, "\"%.*s\"",
                                room - 2, argument);
  }
  const int end = used + room;
  out[used++] = '\'';
  for (const char* c = argument; *c != '\0'; ++c) {
    // After an escaped byte, the quotes are $'...'.
    const bool escaping = c != argument && !printable(c[-1]);
    const bool named = *c >= '\a' && *c <= '\r';
    const int value = named ? "abtnvfr"[*c - '\a'] : static_cast<unsigned char>(*c);
    const int length = std::snprintf(out + used, static_cast<std::size_t>(end + 1 - used),
                                     *c == '\''      ? "'\\%c'"
                                     : printable(*c) ? (escaping ? "''%c" : "%c")
                                     : named         ? (escaping ? "\\%c" : "'$'\\%c")
                                                     : (escaping ? "\\%03o" : "'$'\\%03o"),
                                     value);
    // Room is kept for the closing quote.
    if (used + length >= end) break;
    used += length;
  }
  out[used++] = '\'';
  return used;
}

// Says what is wrong: before, then argument quoted, then after, cut to fit.
Request describe(char* misuse, const char* before, const char* argument, const char* after) {
  const int used = std::snprintf(misuse, kMisuseLength + 1, "%s", before);
  const int room = kMisuseLength - used - static_cast<int>(std::strlen(after));
  const int quoted = quote(misuse, used, room, argument);
  std::snprintf(misuse + quoted, static_cast<std::size_t>(kMisuseLength + 1 - quoted), "%s", after);
  return Request::kMisuse;
}

// "--name" or "--name=value": the long option name starts, or kMisuse when there is none or
// both ("--=").
Request longOption(const char* argument, char* misuse) {
  const char* const name = argument + 2;
  const std::size_t length = std::strcspn(name, "=");
  const bool help = length < sizeof "help" && std::strncmp(name, "help", length) == 0;
  const bool version = length < sizeof "version" && std::strncmp(name, "version", length) == 0;
  if (help == version) {
    return describe(misuse, help ? "option " : "unrecognized option ", argument,
                    help ? " is ambiguous; possibilities: '--help' '--version'" : "");
  }
  if (name[length] == '=') {
    return describe(misuse, "option ", help ? "--help" : "--version", " doesn't allow an argument");
  }
  return help ? Request::kHelp : Request::kVersion;
}

Request readCommandLine(int argc, const char* const argv[], char* misuse) {
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
      return describe(misuse, "invalid option -- ", letter, "");
    }
  }
  return operand != nullptr ? describe(misuse, "extra operand ", operand, "") : Request::kRun;
}

}  // namespace

Request answerCommandLine(int argc, const char* const argv[], const Program& program,
                          char* misuse) {
  const Request request = readCommandLine(argc, argv, misuse);
  if (request == Request::kHelp) {
    std::cout << "Usage: " << program.name << " [OPTION]\n"
              << program.purpose << "\n\n"
              << "      --help     display this help and exit\n"
              << "      --version  output version information and exit\n\n"
              << "Full documentation: man " << program.name << "\n";
  } else if (request == Request::kVersion) {
    std::cout << program.name << " (ardo console) " << ARDO_VERSION << "\n"
              << "Copyright (C) " ARDO_YEAR " the ardo console authors\n"
              << "License MIT: <https://opensource.org/licenses/MIT>\n"
              << "This is free software: you are free to change and redistribute it.\n"
              << "There is NO WARRANTY, to the extent permitted by law.\n";
  }
  return request;
}

}  // namespace ardo
