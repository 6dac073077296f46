#include "CommandLine.h"

#include <cstring>
#include <initializer_list>

#include "TextField.h"

namespace ardo {

namespace {

// Writes the parts one after another into misuse, cut to its length.
void describe(Misuse& misuse, std::initializer_list<const char*> parts) {
  misuse.text[0] = '\0';
  for (const char* part : parts) {
    const std::size_t used = std::strlen(misuse.text);
    copyText(misuse.text + used, part, Misuse::kLength - static_cast<int>(used));
  }
}

// "--name" or "--name=value": the long option name starts, or kMisuse when there is none.
Request longOption(const char* argument, Misuse& misuse) {
  const char* const name = argument + 2;
  const char* const equals = std::strchr(name, '=');
  const std::size_t length =
      equals != nullptr ? static_cast<std::size_t>(equals - name) : std::strlen(name);
  const struct {
    const char* name;
    Request request;
  } options[] = {{"help", Request::kHelp}, {"version", Request::kVersion}};
  for (const auto& option : options) {
    if (length == 0 || length > std::strlen(option.name) ||
        std::strncmp(name, option.name, length) != 0) {
      continue;
    }
    if (equals != nullptr) {
      describe(misuse, {"option '--", option.name, "' doesn't allow an argument"});
      return Request::kMisuse;
    }
    return option.request;
  }
  describe(misuse, {"unrecognized option '", argument, "'"});
  return Request::kMisuse;
}

}  // namespace

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
      describe(misuse, {"invalid option -- '", letter, "'"});
      return Request::kMisuse;
    }
  }
  if (operand != nullptr) {
    describe(misuse, {"extra operand '", operand, "'"});
    return Request::kMisuse;
  }
  return Request::kRun;
}

}  // namespace ardo
