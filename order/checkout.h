#ifndef ORDER_CHECKOUT_H
#define ORDER_CHECKOUT_H

#include <cstdint>

// Result codes of one menu pass.
//   2 or 4: the price of the picked item, in dollars
//   10:     pay
//   -1:     cancel
//   0:      an incorrect entry (including an unreadable choice or the end of the session)
int checkout();

// Dollars: 64 bits, so that no number of picks a session can make overflows the total.
using OrderTotal = std::int64_t;

// The total after a pass with the given result: a price adds to it, cancel starts it again from
// 0, and pay or an incorrect entry leave it as it is.
OrderTotal nextTotal(OrderTotal total, int result);

#endif
