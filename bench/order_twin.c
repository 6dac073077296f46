/* C stdio twin of order_tool: the same bytes, flushed at the same points (before every read
   and at every end of line the C++ program ends with endl). */
#include <stdio.h>

static const char menu[] =
    "\nPlease select from the following options :\n"
    " 1 Shelf unit $2\n 2 Desk $4\n 3 Bed $4\n 4 Chair $2\n 5 Pay\n 6 Cancel\n";

static int input_ended; /* the last read met the end of input */

static int checkout(void) {
  fputs(menu, stdout);
  fflush(stdout);
  int choice = 0;
  const int read = scanf("%d", &choice);
  if (read != 1) {
    choice = 0;
    input_ended = read == EOF;
    if (!input_ended) {
      int c;
      while ((c = getchar()) != EOF && c != '\n') {
      }
    }
  }
  if (choice < 1 || choice > 6) {
    fputs("Incorrect entry\n", stdout);
    return 0;
  }
  fputs("Thank you\n", stdout);
  return choice == 1 || choice == 4 ? 2 : choice <= 4 ? 4 : choice == 5 ? 10 : -1;
}

int main(void) {
  fputs("Dulcora Order Tool\n======================\n", stdout);
  int total = 0;
  int result = 0;
  while (result != 10) {
    result = checkout();
    if (result == 0) {
      fputs("Try again\n", stdout);
      if (input_ended) {
        break;
      }
    } else if (result == -1) {
      fputs("Order cancelled - Start again\n", stdout);
      total = 0;
    } else if (result == 10) {
      printf("Total is $%d\n", total);
      fflush(stdout);
      fputs("Finished... Exiting\n", stdout);
    } else {
      printf("Total increases by $%d\n", result);
      fflush(stdout);
      total += result;
    }
  }
  return 0;
}
