#include <iostream>

#include "Console.h"
#include "Enrollment.h"

using ardo::Enrollment;
using ardo::Input;

namespace {

const int kSections = 3;

// One section as typed. The text buffers have one byte more than a line may hold: room for a
// carriage return before the newline.
struct Section {
  char name[Enrollment::kNameLength + 1];
  char code[Enrollment::kCodeLength + 1];
  int year;
  int semester;
  int slot;
};

// Asks the five questions of one section. An over-long line still lets the remaining questions
// be asked; a number that cannot be read ends the section there.
Input readSection(Section& section) {
  ardo::ask("Subject Name: ");
  const Input nameRead = ardo::readLine(section.name, sizeof section.name);
  ardo::ask("Subject Code: ");
  const Input codeRead = ardo::readLine(section.code, sizeof section.code);

  const struct {
    const char* prompt;
    int& number;
  } questions[] = {
      {"Year: ", section.year}, {"Semester: ", section.semester}, {"Slot: ", section.slot}};
  for (const auto& question : questions) {
    ardo::ask(question.prompt);
    const Input numberRead = ardo::readNumber(question.number);
    if (numberRead != Input::kOk) {
      return numberRead;
    }
  }
  ardo::discardLine();
  return nameRead == Input::kOk && codeRead == Input::kOk ? Input::kOk : Input::kRejected;
}

}  // namespace

int main() {
  ardo::openConsole("enrol_console");
  Enrollment list[kSections];
  Enrollment working;
  int filled = 0;

  std::cout << "Please enter the following " << kSections
            << " course sections for enrollment:" << std::endl;
  while (filled < kSections && !ardo::sessionEnded()) {
    std::cout << "Course section " << filled + 1 << ":" << std::endl;

    Section typed = {};
    const Input section = readSection(typed);
    if (section == Input::kEnded) {
      break;
    }
    if (section == Input::kOk) {
      working.set(typed.name, typed.code, typed.year, typed.semester, typed.slot, false);
    }
    if (section == Input::kRejected || !working.valid()) {
      std::cout << "Invalid information entered, please redo: " << std::endl;
      continue;
    }

    const int clash = working.enrol(list, kSections);
    if (clash != 0) {
      std::cout << "There is a conflict with the following, please change enrollment time: "
                << std::endl;
      list[clash - 1].display(false);
      continue;
    }

    list[filled] = working;
    std::cout << "Enrolled!" << std::endl;
    ++filled;
    ardo::ask("Continue? (y/n)");
    char answer = '\0';  // stays so when the session has ended
    ardo::readChar(answer);
    if (answer != 'y' && answer != 'Y') {
      filled = kSections;
    }
    ardo::discardLine();
  }

  for (const Enrollment& entry : list) {
    std::cout << "------------------------------" << std::endl;
    entry.display(false);
  }
  // Only an admitted section is enrolled; the input may have ended before any was.
  if (list[0].isEnrolled()) {
    list[0].withdraw();
    list[0].display(false);
  }
  return ardo::closeConsole();
}
