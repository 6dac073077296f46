#include <cctype>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <limits>

#include "AccountNumber.h"

using ardo::AccountNumber;

void displayAccountNumber(const AccountNumber* number) {
  number->display();
  std::cout << "-------------" << std::endl;
  number->display(false);
  std::cout << "-------------" << std::endl;
  number->display(true, false);
  std::cout << "-------------" << std::endl;
  number->display(false, false);
}

void profMessage() {
  std::cout << std::endl
            << "When program asks for your name enter \"John\" (note that J is capital)"
            << std::endl
            << "Then enter the following sequence of numbers exactly as shown below." << std::endl
            << "If you make a mistake, press CTRL-C, exit and cancel the submission" << std::endl
            << "and start over." << std::endl
            << "DO NOT press BACKSPACE to correct the mistake, it will not work. " << std::endl
            << "Here are the numbers for testing the program: " << std::endl
            << "A: 1 123 12345" << std::endl
            << "B: 123 123 12345" << std::endl
            << "Press <ENTER> to start";
  std::cin.ignore(1000, '\n');
}

int main() {
  profMessage();

  AccountNumber record;
  char name[AccountNumber::kNameLength + 1] = {};

  std::cout << "Bank account app" << std::endl << "===================" << std::endl << std::endl;
  std::cout << "Please enter your name: ";
  std::cin >> std::setw(sizeof name) >> name;
  // A longer word keeps its first characters; the rest of it is not a number, so drop it.
  while (std::cin && std::cin.peek() != EOF && !std::isspace(std::cin.peek())) {
    std::cin.get();
  }
  std::cout << "please enter your bank account ,branch code"
            << ", and account number as follows:" << std::endl
            << "999 999 99999: ";

  while (true) {
    int bankCode = 0;
    int branchCode = 0;
    int accountNumber = 0;
    if (!(std::cin >> bankCode >> branchCode >> accountNumber)) {
      if (std::cin.eof()) {
        break;
      }
      // Not a number: this attempt is invalid; skip the rest of its line and ask again.
      std::cin.clear();
      std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
      bankCode = branchCode = accountNumber = 0;
    }
    record.setName(name);
    record.setAccountNumber(bankCode, branchCode, accountNumber);
    displayAccountNumber(&record);
    if (record.isValid()) {
      break;
    }
    std::cout << "Invalid account number, (999 999 9999), try again: ";
    if (!std::cout) {
      break;
    }
  }
  std::cout << "Thank you!" << std::endl;
  return 0;
}
