#include <iostream>

#include "checkout.h"

const char* printMsg = "Finished... Exiting\n";
const char* errMsg = "Try again\n";
const char* cancelMsg = "Order cancelled - Start again\n";

int main() {
  std::cout << "Dulcora Order Tool\n"
            << "======================\n";

  int total = 0;
  int result = 0;
  while (result != 10) {
    result = checkout();
    if (result == 0) {
      std::cout << errMsg;
      // checkout leaves a failed read on the stream only at the end of input.
      if (std::cin.fail()) {
        break;
      }
    } else if (result == -1) {
      std::cout << cancelMsg;
      total = 0;
    } else if (result == 10) {
      std::cout << "Total is $" << total << std::endl << printMsg;
    } else {
      std::cout << "Total increases by $" << result << std::endl;
      total += result;
    }
  }
  return 0;
}
