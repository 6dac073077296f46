#include "Enrollment.h"

#include <gtest/gtest.h>

#include <string>

#include "printed.h"

using ardo::Enrollment;

namespace {

const std::string kView2 = "ABC123, Year: 2015 semester: 1 Slot: 5\nStatus: Not enrolled.\n";

}  // namespace

TEST(Enrollment, SetCutsTextToItsField) {
  const std::string name30 = "Object-Oriented Programming II";
  EXPECT_EQ(static_cast<int>(name30.size()), Enrollment::kNameLength) << "fills the field";
  // "a" and two-byte characters: a cut at 30 or 10 bytes would fall inside the last one.
  const auto accented = [](int count) {
    std::string text = "a";
    for (int i = 0; i < count; ++i) {
      text += "\xC3\xA9";
    }
    return text;
  };
  const std::string name31 = accented(15);
  const std::string code11 = accented(5);
  struct Case {
    const char* name;
    const char* code;
    std::string printed;
  } cases[] = {
      {"Object-Oriented Programming II, part two", "ABC123", name30 + "\n" + kView2},
      {name30.c_str(), "ABC123", name30 + "\n" + kView2},
      {"OOP", "ABCDEFGHIJKL",
       "OOP\nABCDEFGHIJ, Year: 2015 semester: 1 Slot: 5\n"
       "Status: Not enrolled.\n"},
      {name31.c_str(), code11.c_str(),
       accented(14) + "\n" + accented(4) +
           ", Year: 2015 semester: 1 Slot: 5\n"
           "Status: Not enrolled.\n"},
      {"O", "X", "O\nX, Year: 2015 semester: 1 Slot: 5\nStatus: Not enrolled.\n"},
      {nullptr, "ABC123", "Invalid enrollment!\n"},
      {"OOP", nullptr, "Invalid enrollment!\n"},
  };
  Printed out;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name != nullptr ? c.name : "(null name)");
    Enrollment record;
    record.set(c.name, c.code, 2015, 1, 5, false);
    record.display(false);
    EXPECT_EQ(out.take(), c.printed);
  }
}

TEST(Enrollment, OnlyAValidRecordClashes) {
  const Enrollment valid("OOP", "ABC123", 2015, 1, 5);
  const Enrollment sameTimeNoName(nullptr, nullptr, 2015, 1, 5);
  const Enrollment empty;
  EXPECT_TRUE(valid.hasConflict(sameTimeNoName));
  EXPECT_FALSE(valid.hasConflict(empty));
  // Each of year, semester and slot takes part in the clash.
  EXPECT_FALSE(valid.hasConflict(Enrollment(nullptr, nullptr, 2016, 1, 5)));
  EXPECT_FALSE(valid.hasConflict(Enrollment(nullptr, nullptr, 2015, 2, 5)));
  EXPECT_FALSE(valid.hasConflict(Enrollment(nullptr, nullptr, 2015, 1, 4)));
  EXPECT_FALSE(sameTimeNoName.hasConflict(valid));
  EXPECT_FALSE(empty.hasConflict(empty));
}

TEST(Enrollment, EnrolMarksEnrolledAndReportsTheFirstClash) {
  const Enrollment empty;
  const Enrollment taken("OOP", "ABC123", 2015, 1, 5);
  struct Case {
    Enrollment list[3];
    int count;
    int clash;
  } cases[] = {
      {{empty, empty, taken}, 3, 3},
      {{empty, taken, taken}, 3, 2},
      {{empty, empty, empty}, 3, 0},
      {{taken, taken, taken}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clash);
    Enrollment record("CPP", "XYZ987", 2015, 1, 5);
    EXPECT_FALSE(record.isEnrolled());
    EXPECT_EQ(record.enrol(c.list, c.count), c.clash);
    EXPECT_TRUE(record.isEnrolled());
  }
}

TEST(Enrollment, WithdrawAlwaysReportsAndOnlyAValidRecordShowsItsName) {
  Printed out;
  Enrollment record("OOP", "ABC123", 2015, 1, 5);
  record.withdraw();
  EXPECT_EQ(out.take(), "Student withdrawn from course...\n");
  EXPECT_FALSE(record.isEnrolled());
  record.display(true);
  EXPECT_EQ(out.take(), "OOP");
  Enrollment("OOP", "ABC123", 2016, 1, 5).display(true);
  EXPECT_EQ(out.take(), "Invalid enrollment!\n") << "an invalid record never shows its name";
}
