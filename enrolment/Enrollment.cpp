#include "Enrollment.h"

#include <iostream>

#include "TextField.h"

namespace ardo {

Enrollment::Enrollment() { setEmpty(); }

Enrollment::Enrollment(const char* newName, const char* newCode, int newYear, int newSemester,
                       int newSlot) {
  set(newName, newCode, newYear, newSemester, newSlot, false);
}

bool Enrollment::valid() const {
  return name[0] != '\0' && code[0] != '\0' && year == kAcceptedYear &&
         semester == kAcceptedSemester && slot == kAcceptedSlot;
}

void Enrollment::setEmpty() { set(nullptr, nullptr, 0, 0, 0, false); }

bool Enrollment::isEnrolled() const { return enrolled; }

void Enrollment::display(bool nameOnly) const {
  if (!valid()) {
    std::cout << "Invalid enrollment!" << std::endl;
  } else if (nameOnly) {
    std::cout << name;
  } else {
    std::cout << name << std::endl
              << code << ", Year: " << year << " semester: " << semester << " Slot: " << slot
              << std::endl
              << "Status: " << (isEnrolled() ? "E" : "Not e") << "nrolled." << std::endl;
  }
}

void Enrollment::set(const char* newName, const char* newCode, int newYear, int newSemester,
                     int newSlot, bool newEnrolled) {
  copyText(name, newName, kNameLength);
  copyText(code, newCode, kCodeLength);
  year = newYear;
  semester = newSemester;
  slot = newSlot;
  enrolled = newEnrolled;
}

bool Enrollment::hasConflict(const Enrollment& other) const {
  return year == other.year && semester == other.semester && slot == other.slot && valid();
}

void Enrollment::withdraw() {
  std::cout << "Student withdrawn from course..." << std::endl;
  enrolled = false;
}

int Enrollment::enrol(const Enrollment* list, int count) {
  enrolled = true;
  for (int i = 0; i < count; ++i) {
    if (hasConflict(list[i])) {
      return i + 1;
    }
  }
  return 0;
}

}  // namespace ardo
