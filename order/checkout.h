#ifndef ARDO_ORDER_CHECKOUT_H
#define ARDO_ORDER_CHECKOUT_H

#include <cstdint>

// What one pass of the menu returns, besides the price of a picked item (2 or 4 dollars).
const int kPayResult = 10;
const int kCancelResult = -1;
const int kIncorrectEntry = 0;

// Shows the menu once, reads one choice and returns its result. A choice that cannot be read
// is an incorrect entry. So is the pass on which the session ends (the input ends or fails, or
// the output cannot be written): after that ardo::sessionEnded() is true, checkout shows and
// reads nothing more, and the caller stops.
int checkout();

// Dollars: 64 bits, so that no number of picks a session can make overflows the total.
using OrderTotal = std::int64_t;

#endif
