#ifndef ARDO_TESTS_UNIT_PRINTED_H
#define ARDO_TESTS_UNIT_PRINTED_H

#include <iostream>
#include <sstream>
#include <string>

// Collects what is printed on standard output while it is in scope.
class Printed {
 public:
  Printed() : saved(std::cout.rdbuf(text.rdbuf())) {}
  ~Printed() { std::cout.rdbuf(saved); }
  Printed(const Printed&) = delete;
  Printed& operator=(const Printed&) = delete;

  // What was printed since the last take.
  std::string take() {
    std::string s = text.str();
    text.str("");
    return s;
  }

 private:
  std::ostringstream text;
  std::streambuf* saved;
};

#endif
