#include "AccountNumber.h"

#include <iostream>

#include "TextField.h"

namespace ardo {

void AccountNumber::displayName() const { std::cout << "Name: " << name; }

void AccountNumber::displayNumber() const {
  std::cout << "Account number: " << bankCode << '-' << branchCode << '-' << accountNumber;
}

void AccountNumber::setName(const char* text) { copyText(name, text, kNameLength); }

void AccountNumber::setAccountNumber(int bank, int branch, int account) {
  validNumber =
      bank > 99 && bank <= 999 && branch > 0 && branch <= 220 && account > 9999 && account <= 99999;
  bankCode = validNumber ? bank : 0;
  branchCode = validNumber ? branch : 0;
  accountNumber = validNumber ? account : 0;
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
