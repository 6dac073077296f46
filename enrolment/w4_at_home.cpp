#include <iostream>

#include "Enrollment.h"
#include "Input.h"
#include "Session.h"

using ardo::Enrollment;
using ardo::ReadResult;

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
ReadResult readSection(Section& section) {
  ardo::ask("Subject Name: ");
  const ReadResult nameRead = ardo::readLine(section.name, sizeof section.name);
  ardo::ask("Subject Code: ");
  const ReadResult codeRead = ardo::readLine(section.code, sizeof section.code);

  const struct {
    const char* prompt;
    int& number;
  } questions[] = {
      {"Year: ", section.year}, {"Semester: ", section.semester}, {"Slot: ", section.slot}};
  for (const auto& question : questions) {
    ardo::ask(question.prompt);
    const ReadResult numberRead = ardo::readNumber(question.number);
    if (numberRead != ReadResult::kOk) {
      return numberRead;
    }
  }
  ardo::discardLine();
  return nameRead == ReadResult::kOk && codeRead == ReadResult::kOk ? ReadResult::kOk
                                                                    : ReadResult::kRejected;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!ardo::openConsole(
          argc, argv,
          {"enrol_console",
           "Enrol a student in up to three course sections typed on standard input."})) {
    return ardo::closeConsole();
  }
  Enrollment list[kSections];
  Enrollment working;
  int filled = 0;

  std::cout << "Please enter the following " << kSections
            << " course sections for enrollment:" << std::endl;
  while (filled < kSections && !ardo::sessionEnded()) {
    std::cout << "Course section " << filled + 1 << ":" << std::endl;

    Section typed = {};
    const ReadResult section = readSection(typed);
    if (section == ReadResult::kEnded) {
      break;
    }
    if (section == ReadResult::kOk) {
      working.set(typed.name, typed.code, typed.year, typed.semester, typed.slot, false);
    }
    if (section == ReadResult::kRejected || !working.valid()) {
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
    char answer = '\0';
    // No reply, at the end of the session, goes on no more than a reply of n.
    const bool goOn = ardo::readChar(answer) == ReadResult::kOk && (answer == 'y' || answer == 'Y');
    if (!goOn) {
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
