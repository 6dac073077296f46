#ifndef ORDER_CHECKOUT_H
#define ORDER_CHECKOUT_H

// Result codes of one menu pass.
//   2 or 4: the price of the picked item, in dollars
//   10:     pay
//   -1:     cancel
//   0:      an incorrect entry (including an unreadable choice or the end of input)
int checkout();

#endif
