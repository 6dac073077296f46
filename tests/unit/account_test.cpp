#include "Account.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using ardo::Account;

namespace {

std::string shown(const Account& account) {
  std::ostringstream os;
  os << account;
  return os.str();
}

const std::string kForty = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
// "a" and twenty two-byte characters: 41 bytes, so the cut at 40 falls inside the last one.
const std::string kAccented41 =
    "a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
    "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";

}  // namespace

TEST(Account, NamesAreCutToFortyCharacters) {
  struct Case {
    std::string given;
    std::string kept;
  } cases[] = {
      {kForty + "OPQRS", kForty}, {kForty, kForty}, {kAccented41, kAccented41.substr(0, 39)},
      {"Joint", "Joint"},         {"", ""},
  };
  EXPECT_EQ(static_cast<int>(kForty.size()), Account::kNameLength) << "fills the field";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    EXPECT_EQ(shown(Account(c.given.c_str(), 1.5)), c.kept + ": $1.50");

    Account renamed("Old name", 2.25);
    renamed = c.given.c_str();
    EXPECT_EQ(shown(renamed), c.kept + ": $2.25") << "renaming keeps the balance";
  }
}

TEST(Account, NullNameIsEmpty) {
  EXPECT_EQ(shown(Account(nullptr, 3)), ": $3.00");
  Account a("Saving", 4);
  a = static_cast<const char*>(nullptr);
  EXPECT_EQ(shown(a), ": $4.00");
}

TEST(Account, ArithmeticKeepsNamesWhereItShould) {
  const Account b("Saving", 10000.99);
  const Account c("Checking", 100.99);

  const Account sum = b + c;
  EXPECT_EQ(shown(sum), ": $10101.98");
  EXPECT_EQ(shown(b), "Saving: $10000.99");
  EXPECT_EQ(shown(c), "Checking: $100.99");

  Account merged = b;
  Account& result = (merged += c);
  EXPECT_EQ(&result, &merged);
  EXPECT_EQ(shown(merged), "Saving: $10101.98");
  EXPECT_EQ(shown(c), "Checking: $100.99");
}

TEST(Account, AddingToATotalReturnsTheNewTotal) {
  double total = 0.0;
  const double first = (total += Account("A", 10101.98));
  EXPECT_DOUBLE_EQ(first, 10101.98);
  EXPECT_DOUBLE_EQ(total, 10101.98);
  const double second = (total += Account(100.99));
  EXPECT_DOUBLE_EQ(second, 10202.97);
  EXPECT_DOUBLE_EQ(total, 10202.97);
}

TEST(Account, DisplayLeavesTwoFixedDecimalsOnTheStream) {
  std::ostringstream untouched;
  untouched << 20304.95;
  EXPECT_EQ(untouched.str(), "20305");

  std::ostringstream os;
  os.precision(9);
  os.setf(std::ios::scientific, std::ios::floatfield);
  Account().display(os) << ' ' << 20304.95;
  EXPECT_EQ(os.str(), ": $0.00 20304.95");
}
