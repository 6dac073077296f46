/* C stdio twin of account_sum: the same bytes, a flush at every end of line. */
#include <stdio.h>
#include <string.h>

struct account {
  char name[41];
  double balance;
};

static void print_block(const struct account* a, const struct account* b, const struct account* c) {
  const struct account* all[3] = {a, b, c};
  for (int i = 0; i < 3; ++i) {
    printf("%s: $%.2f\n", all[i]->name, all[i]->balance);
    fflush(stdout);
  }
  fputs("--------\n", stdout);
  fflush(stdout);
}

int main(void) {
  struct account a = {"", 0.0};
  struct account b = {"Saving", 10000.99};
  struct account c = {"Checking", 100.99};
  double total = 0.0;

  print_block(&a, &b, &c);
  a.balance = b.balance + c.balance;
  strcpy(a.name, "Joint");
  print_block(&a, &b, &c);
  b.balance += c.balance;
  a = b;
  print_block(&a, &b, &c);
  total += a.balance;
  total += b.balance;
  total += c.balance;
  printf("Total balance: %.2f\n", total);
  fflush(stdout);
  return 0;
}
