#include <iostream>

#include "Session.h"
#include "checkout.h"

const char* printMsg = "Finished... Exiting\n";
const char* errMsg = "Try again\n";
const char* cancelMsg = "Order cancelled - Start again\n";

int main(int argc, char* argv[]) {
  if (!ardo::openConsole(
          argc, argv,
          {"order_tool",
           "Take a furniture order from a menu on standard input, with a running total."})) {
    return ardo::closeConsole();
  }
  std::cout << "Dulcora Order Tool\n"
            << "======================\n";

  OrderTotal total = 0;
  int result = kIncorrectEntry;
  // Pay ends the order; so does the end of the session, after its incorrect entry.
  while (result != kPayResult && !ardo::sessionEnded()) {
    result = checkout();
    if (result == kIncorrectEntry) {
      std::cout << errMsg;
    } else if (result == kCancelResult) {
      std::cout << cancelMsg;
      total = 0;
    } else if (result == kPayResult) {
      std::cout << "Total is $" << total << std::endl << printMsg;
    } else {
      std::cout << "Total increases by $" << result << std::endl;
      total += result;
    }
  }
  return ardo::closeConsole();
}
