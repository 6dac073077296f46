#ifndef ARDO_ENROLMENT_ENROLLMENT_H
#define ARDO_ENROLMENT_ENROLLMENT_H

namespace ardo {

// One course section a student asks to enrol in.
class Enrollment {
 public:
  static constexpr int kNameLength = 30;
  static constexpr int kCodeLength = 10;
  // The one year, semester and time slot a valid section can have.
  static constexpr int kAcceptedYear = 2015;
  static constexpr int kAcceptedSemester = 1;
  static constexpr int kAcceptedSlot = 5;

  Enrollment();
  Enrollment(const char* newName, const char* newCode, int newYear, int newSemester, int newSlot);

  // Name and code set, and the one accepted year, semester and slot.
  bool valid() const;
  void setEmpty();
  bool isEnrolled() const;
  // An invalid record prints "Invalid enrollment!" whatever nameOnly says.
  void display(bool nameOnly) const;
  // Copies at most kNameLength / kCodeLength bytes, never part of a UTF-8 character; a null text
  // leaves the field empty.
  void set(const char* newName, const char* newCode, int newYear, int newSemester, int newSlot,
           bool newEnrolled);
  // Same year, semester and slot as other, and this record valid.
  bool hasConflict(const Enrollment& other) const;
  void withdraw();
  // Marks this record enrolled, then returns the 1-based position of the first entry of list it
  // clashes with, or 0 when there is none.
  int enrol(const Enrollment* list, int count);

 private:
  char name[kNameLength + 1];
  char code[kCodeLength + 1];
  int year;
  int semester;
  int slot;
  bool enrolled;
};

}  // namespace ardo

#endif
