#include <gtest/gtest.h>

#include <climits>

#include "checkout.h"

TEST(Order, TotalFollowsEachResultWithoutOverflow) {
  const OrderTotal nearIntMax = INT_MAX - 3;
  struct Case {
    OrderTotal total;
    int result;
    OrderTotal next;
  } cases[] = {
      {6, 2, 8},  {6, 4, 10}, {6, -1, 0},
      {6, 10, 6}, {6, 0, 6},  {nearIntMax, 4, OrderTotal{INT_MAX} + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    EXPECT_EQ(nextTotal(c.total, c.result), c.next);
  }
}
