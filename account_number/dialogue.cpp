#include "dialogue.h"

#include <iostream>

#include "Input.h"
#include "Session.h"

using ardo::AccountNumber;
using ardo::ReadResult;

void enterAccountNumber(void (*show)(const AccountNumber*), bool showInvalid) {
  AccountNumber record;
  char name[AccountNumber::kNameLength + 1] = {};

  // The guided edition's input may already have ended at its instructions.
  if (!ardo::sessionEnded()) {
    std::cout << "Bank account app" << std::endl << "===================" << std::endl << std::endl;
  }
  ardo::ask("Please enter your name: ");
  // The name stays empty unless one was read.
  static_cast<void>(ardo::readWord(name, sizeof name));
  if (!ardo::sessionEnded()) {
    std::cout << "please enter your bank account ,branch code"
              << ", and account number as follows:" << std::endl;
  }

  const char* prompt = "999 999 99999: ";
  while (true) {
    int bankCode = 0;
    int branchCode = 0;
    int accountNumber = 0;
    ardo::ask(prompt);
    // Letters in place of a number make the attempt invalid; the parts not read stay 0.
    ReadResult attempt = ardo::readNumber(bankCode);
    if (attempt == ReadResult::kOk) {
      attempt = ardo::readNumber(branchCode);
    }
    if (attempt == ReadResult::kOk) {
      attempt = ardo::readNumber(accountNumber);
    }
    if (attempt == ReadResult::kEnded) {
      break;
    }
    record.setName(name);
    record.setAccountNumber(bankCode, branchCode, accountNumber);
    if (showInvalid || record.isValid()) {
      show(&record);
    }
    if (record.isValid()) {
      break;
    }
    prompt = "Invalid account number, (999 999 9999), try again: ";
  }
  std::cout << "Thank you!" << std::endl;
}
