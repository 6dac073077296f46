#include "checkout.h"

#include <iostream>

#include "Console.h"

int checkout() {
  // One piece of text: the menu costs one write into the stream, not eight.
  ardo::ask(
      "\n"
      "Please select from the following options :\n"
      " 1 Shelf unit $2\n"
      " 2 Desk $4\n"
      " 3 Bed $4\n"
      " 4 Chair $2\n"
      " 5 Pay\n"
      " 6 Cancel\n");
  int choice = 0;
  ardo::readNumber(choice);

  if (choice < 1 || choice > 6) {
    std::cout << "Incorrect entry\n";
    return 0;
  }

  int result = -1;
  if (choice == 1 || choice == 4) {
    result = 2;
  } else if (choice <= 4) {
    result = 4;
  } else if (choice == 5) {
    result = 10;
  }
  std::cout << "Thank you\n";
  return result;
}

OrderTotal nextTotal(OrderTotal total, int result) {
  if (result == -1) {
    return 0;
  }
  return result == 0 || result == 10 ? total : total + result;
}
