#include "AccountNumber.h"

#include <iostream>

#include "TextField.h"

namespace ardo {

namespace {

bool inRange(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

}  // namespace

void AccountNumber::displayName() const { std::cout << "Name: " << name; }

void AccountNumber::displayNumber() const {
  std::cout << "Account number: " << bankCode << '-' << branchCode << '-' << accountNumber;
}

void AccountNumber::setName(const char* newName) { copyText(name, newName, kNameLength); }

void AccountNumber::setAccountNumber(int newBankCode, int newBranchCode, int newAccountNumber) {
  validNumber = inRange(newBankCode, kLowestBankCode, kHighestBankCode) &&
                inRange(newBranchCode, kLowestBranchCode, kHighestBranchCode) &&
                inRange(newAccountNumber, kLowestAccountNumber, kHighestAccountNumber);
  bankCode = validNumber ? newBankCode : 0;
  branchCode = validNumber ? newBranchCode : 0;
  accountNumber = validNumber ? newAccountNumber : 0;
}

bool AccountNumber::isValid() const { return validNumber; }

void AccountNumber::display() const {
  if (validNumber) {
    displayName();
    std::cout << ", ";
    displayNumber();
    std::cout << std::endl;
  } else {
    std::cout << name << " does not have a valid account number." << std::endl;
  }
}

void AccountNumber::display(bool flag) const {
  if (!flag) {
    displayNumber();
    std::cout << std::endl;
  }
}

void AccountNumber::display(bool first, bool second) const {
  if (first && !second) {
    displayName();
    std::cout << std::endl;
  }
}

}  // namespace ardo
