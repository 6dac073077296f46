#ifndef ARDO_ACCOUNT_ACCOUNT_H
#define ARDO_ACCOUNT_ACCOUNT_H

#include <iosfwd>

namespace ardo {

// A named balance. A name longer than kNameLength bytes is cut there, or just before a UTF-8
// character that would not fit whole.
class Account {
 public:
  static constexpr int kNameLength = 40;

  Account();
  Account(double newBalance);
  Account(const char* newName, double newBalance);

  // Writes "name: $balance" with the balance in fixed notation and two decimals; those stream
  // settings stay on os afterwards. No end of line.
  std::ostream& display(std::ostream& os) const;
  double getBal() const;

  // Adds other's balance; the name stays.
  Account& operator+=(Account other);
  // Renames; the balance stays.
  Account& operator=(const char* newName);

 private:
  void setName(const char* newName);

  char name[kNameLength + 1];
  double balance;
};

// An unnamed account holding both balances.
Account operator+(Account a, Account b);
// Adds the account's balance to total and returns the new total.
double operator+=(double& total, const Account& account);
std::ostream& operator<<(std::ostream& os, Account account);

}  // namespace ardo

#endif
