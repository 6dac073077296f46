#include "checkout.h"

#include <iostream>
#include <limits>

int checkout() {
  // One piece of text: the menu costs one write into the stream, not eight.
  std::cout << "\n"
               "Please select from the following options :\n"
               " 1 Shelf unit $2\n"
               " 2 Desk $4\n"
               " 3 Bed $4\n"
               " 4 Chair $2\n"
               " 5 Pay\n"
               " 6 Cancel\n";

  int choice = 0;
  // At the end of input the failure is left on the stream, so the caller can tell that no
  // further choice will come; any other failure is cleared along with the rest of its line.
  if (!(std::cin >> choice) && !std::cin.eof()) {
    std::cin.clear();
    std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
  }

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
