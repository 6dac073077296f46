#include <iostream>

#include "AccountNumber.h"
#include "Session.h"
#include "dialogue.h"

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

int main(int argc, char* argv[]) {
  if (!ardo::openConsole(
          argc, argv,
          {"account_number_entry",
           "Read a holder's name and a bank account number, and ask again until the\n"
           "number is valid."})) {
    return ardo::closeConsole();
  }
  enterAccountNumber(displayAccountNumber, false);
  return ardo::closeConsole();
}
