#include <gtest/gtest.h>

#include <string>

#include "AccountNumber.h"
#include "printed.h"

using ardo::AccountNumber;

TEST(AccountNumber, FreshRecordIsZeroed) {
  Printed out;
  const AccountNumber fresh;
  EXPECT_FALSE(fresh.isValid());
  fresh.display();
  fresh.display(false);
  fresh.display(true, false);
  EXPECT_EQ(out.take(), " does not have a valid account number.\nAccount number: 0-0-0\nName: \n");
}

TEST(AccountNumber, InvalidNumberClearsAValidOne) {
  Printed out;
  AccountNumber record;
  record.setName("John");
  record.setAccountNumber(123, 123, 12345);
  ASSERT_TRUE(record.isValid());
  record.setAccountNumber(123, 123, 9999);
  EXPECT_FALSE(record.isValid());
  record.display(false);
  EXPECT_EQ(out.take(), "Account number: 0-0-0\n");
}

TEST(AccountNumber, FlagViewsIgnoreValidity) {
  Printed out;
  for (bool valid : {true, false}) {
    SCOPED_TRACE(valid ? "valid" : "invalid");
    AccountNumber record;
    record.setName("John");
    record.setAccountNumber(valid ? 123 : 1, 123, 12345);
    record.display(true, false);
    EXPECT_EQ(out.take(), "Name: John\n");
    record.display(true);
    record.display(false, false);
    record.display(true, true);
    record.display(false, true);
    EXPECT_EQ(out.take(), "");
  }
}

TEST(AccountNumber, NameKeepsAtMostFortyCharacters) {
  Printed out;
  const std::string forty = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMN";
  EXPECT_EQ(static_cast<int>(forty.size()), AccountNumber::kNameLength) << "fills the field";
  AccountNumber record;
  record.setName((forty + "OPQRS").c_str());
  record.displayName();
  EXPECT_EQ(out.take(), "Name: " + forty);
  record.setName(
      "a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
      "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
  record.displayName();
  EXPECT_EQ(out.take().size(), std::string("Name: ").size() + 39) << "not inside a character";
  record.setName(nullptr);
  record.displayName();
  EXPECT_EQ(out.take(), "Name: ");
}
