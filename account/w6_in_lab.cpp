#include <iostream>

#include "Account.h"
#include "Session.h"

using ardo::Account;

namespace {

const double kSavingBalance = 10000.99;
const double kCheckingBalance = 100.99;

void printBlock(const Account& a, const Account& b, const Account& c) {
  std::cout << a << std::endl << b << std::endl << c << std::endl << "--------" << std::endl;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!ardo::openConsole(
          argc, argv,
          {"account_sum", "Show named balances being added, merged, renamed and totalled."})) {
    return ardo::closeConsole();
  }
  Account a;
  Account b("Saving", kSavingBalance);
  Account c("Checking", kCheckingBalance);
  double total = 0.0;

  printBlock(a, b, c);

  a = b + c;
  a = "Joint";
  printBlock(a, b, c);

  a = (b += c);
  printBlock(a, b, c);

  total += a;
  total += b;
  total += c;
  // display has already switched the stream to two fixed decimals.
  std::cout << "Total balance: " << total << std::endl;
  return ardo::closeConsole();
}
