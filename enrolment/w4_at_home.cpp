#include <iostream>
#include <limits>

#include "Enrollment.h"

using ardo::Enrollment;

namespace {

const int kSections = 3;

// How one answer, or one whole section, was taken.
enum class Read {
  kOk,        // as typed
  kRejected,  // too long or not a number; the rest of its line has been skipped
  kEnded,     // nothing more to read
};

// After a failed read: at the end of input there is nothing more to read; otherwise the answer
// is rejected and the rest of its line skipped, however long.
Read failedRead() {
  if (std::cin.eof()) {
    return Read::kEnded;
  }
  std::cin.clear();
  std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  return Read::kRejected;
}

// Reads one line of at most size - 1 characters into buffer. A longer line is rejected whole
// rather than stored cut short, which would keep a different text than the one typed.
Read readLine(char* buffer, int size) {
  return std::cin.getline(buffer, size) ? Read::kOk : failedRead();
}

Read readNumber(int& number) { return std::cin >> number ? Read::kOk : failedRead(); }

// Asks the five questions of one section. An over-long line still lets the remaining questions
// be asked; a number that cannot be read ends the section there.
Read readSection(char* name, int nameSize, char* code, int codeSize, int& year, int& semester,
                 int& slot) {
  std::cout << "Subject Name: ";
  const Read nameRead = readLine(name, nameSize);
  if (nameRead == Read::kEnded) {
    return Read::kEnded;
  }
  std::cout << "Subject Code: ";
  const Read codeRead = readLine(code, codeSize);
  if (codeRead == Read::kEnded) {
    return Read::kEnded;
  }

  const char* const prompts[] = {"Year: ", "Semester: ", "Slot: "};
  int* const numbers[] = {&year, &semester, &slot};
  for (int i = 0; i < 3; ++i) {
    std::cout << prompts[i];
    const Read numberRead = readNumber(*numbers[i]);
    if (numberRead != Read::kOk) {
      return numberRead;
    }
  }
  std::cin.ignore(1000, '\n');
  return nameRead == Read::kOk && codeRead == Read::kOk ? Read::kOk : Read::kRejected;
}

}  // namespace

int main() {
  Enrollment list[kSections];
  Enrollment working;
  int filled = 0;

  std::cout << "Please enter the following " << kSections
            << " course sections for enrollment:" << std::endl;
  while (filled < kSections) {
    std::cout << "Course section " << filled + 1 << ":" << std::endl;

    char name[Enrollment::kNameLength + 1] = {};
    char code[Enrollment::kCodeLength + 1] = {};
    int year = 0;
    int semester = 0;
    int slot = 0;
    const Read section = readSection(name, Enrollment::kNameLength, code, Enrollment::kCodeLength,
                                     year, semester, slot);
    if (section == Read::kEnded) {
      break;
    }
    if (section == Read::kOk) {
      working.set(name, code, year, semester, slot, false);
    }
    if (section == Read::kRejected || !working.valid()) {
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
    std::cout << "Continue? (y/n)";
    char answer = '\0';  // stays so when the input has ended
    std::cin.get(answer);
    if (answer != 'y' && answer != 'Y') {
      filled = kSections;
    }
    std::cin.ignore(1000, '\n');
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
  return 0;
}
