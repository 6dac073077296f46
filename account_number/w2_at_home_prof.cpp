#include <iostream>

#include "AccountNumber.h"
#include "Input.h"
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
            << "B: 123 123 12345" << std::endl;
  ardo::ask("Press <ENTER> to start");
  ardo::discardLine();
}

int main(int argc, char* argv[]) {
  if (!ardo::openConsole(
          argc, argv,
          {"account_number_guided",
           "Read a holder's name and a bank account number after instructions for a\n"
           "tester, and show every number entered until one is valid."})) {
    return ardo::closeConsole();
  }
  profMessage();
  enterAccountNumber(displayAccountNumber, true);
  return ardo::closeConsole();
}
