#include <iostream>

#include "AccountNumber.h"
#include "Console.h"
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

int main() {
  ardo::openConsole("account_number_entry");
  enterAccountNumber(displayAccountNumber, false);
  return ardo::closeConsole();
}
