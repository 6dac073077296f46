#ifndef ARDO_ACCOUNT_NUMBER_ACCOUNTNUMBER_H
#define ARDO_ACCOUNT_NUMBER_ACCOUNTNUMBER_H

namespace ardo {

// A holder's name and a three-part bank account number (bank code, branch code, account
// number). A fresh record is zeroed: empty name, parts 0, not valid.
class AccountNumber {
 public:
  static constexpr int kNameLength = 40;
  // The range of each part; a number with any part outside its range is not valid.
  static constexpr int kLowestBankCode = 100;
  static constexpr int kHighestBankCode = 999;
  static constexpr int kLowestBranchCode = 1;
  static constexpr int kHighestBranchCode = 220;
  static constexpr int kLowestAccountNumber = 10000;
  static constexpr int kHighestAccountNumber = 99999;

  // "Name: <name>", no end of line.
  void displayName() const;
  // "Account number: <bank>-<branch>-<account>", no end of line.
  void displayNumber() const;
  // Keeps at most kNameLength bytes, never part of a UTF-8 character.
  void setName(const char* newName);
  // Stores the three parts when each is in range; otherwise stores zeros and marks the number
  // invalid.
  void setAccountNumber(int newBankCode, int newBranchCode, int newAccountNumber);
  bool isValid() const;

  // The full view: the name with the number, or the name with a note that it has none.
  void display() const;
  // display(false): the number line. display(true): nothing.
  void display(bool flag) const;
  // display(true, false): the name line. Any other pair: nothing.
  void display(bool first, bool second) const;

 private:
  char name[kNameLength + 1]{};
  int bankCode = 0;
  int branchCode = 0;
  int accountNumber = 0;
  bool validNumber = false;
};

}  // namespace ardo

#endif
