#include "checkout.h"

#include <iostream>

#include "Input.h"

namespace {

// The menu's choices that the result depends on, and the two prices. Choices 2 and 3 are the
// desk and the bed, at the larger price.
const int kShelfUnit = 1;
const int kChair = 4;
const int kPay = 5;
const int kCancel = 6;
const int kFirstChoice = kShelfUnit;
const int kLastChoice = kCancel;
const int kSmallPrice = 2;
const int kLargePrice = 4;

}  // namespace

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
  // A choice that cannot be read is an incorrect entry, like one outside the menu.
  const bool read = ardo::readNumber(choice) == ardo::ReadResult::kOk;
  if (!read || choice < kFirstChoice || choice > kLastChoice) {
    std::cout << "Incorrect entry\n";
    return kIncorrectEntry;
  }

  int result = kCancelResult;
  if (choice == kShelfUnit || choice == kChair) {
    result = kSmallPrice;
  } else if (choice <= kChair) {
    result = kLargePrice;
  } else if (choice == kPay) {
    result = kPayResult;
  }
  std::cout << "Thank you\n";
  return result;
}
