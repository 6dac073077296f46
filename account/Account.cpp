#include "Account.h"

#include <iostream>

#include "TextField.h"

namespace ardo {

Account::Account() : Account(0.0) {}

Account::Account(double newBalance) : name{}, balance(newBalance) {}

Account::Account(const char* newName, double newBalance) : name{}, balance(newBalance) {
  setName(newName);
}

std::ostream& Account::display(std::ostream& os) const {
  os << name << ": $";
  os.precision(2);
  os.setf(std::ios::fixed, std::ios::floatfield);
  return os << balance;
}

double Account::getBal() const { return balance; }

Account& Account::operator+=(Account other) {
  balance += other.balance;
  return *this;
}

Account& Account::operator=(const char* newName) {
  setName(newName);
  return *this;
}

void Account::setName(const char* newName) { copyText(name, newName, kNameLength); }

Account operator+(Account a, Account b) { return Account(a.getBal() + b.getBal()); }

double operator+=(double& total, const Account& account) {
  total += account.getBal();
  return total;
}

std::ostream& operator<<(std::ostream& os, Account account) { return account.display(os); }

}  // namespace ardo
