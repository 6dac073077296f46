#include "Screen.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <iostream>

#include "Session.h"

namespace ardo {

namespace {

Screen screen;
bool shared = false;

void startOutput(bool endsLine) {
  if (!shared) return;
  if (screen.newlineBefore(sessionEnded())) std::cout << '\n';
  screen.printed(endsLine);
}

}  // namespace

// The echo of what is typed and the output share a screen only on one and the same terminal:
// output sent to another terminal, or to a file, never shows the echo.
void openScreen() {
  struct stat in = {};
  struct stat out = {};
  shared = isatty(STDIN_FILENO) == 1 && fstat(STDIN_FILENO, &in) == 0 &&
           fstat(STDOUT_FILENO, &out) == 0 && S_ISCHR(out.st_mode) && in.st_rdev == out.st_rdev;
  screen = Screen();
}

Screen* sharedScreen() { return shared ? &screen : nullptr; }

void ask(const char* prompt) {
  if (sessionEnded()) return;
  const std::size_t length = std::strlen(prompt);
  startOutput(prompt[length - 1] == '\n');
  std::cout.write(prompt, static_cast<std::streamsize>(length));
}

std::ostream& print() {
  startOutput(true);
  return std::cout;
}

}  // namespace ardo
