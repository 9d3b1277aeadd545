#pragma once
// A sum of amounts without the rounding of binary floating point: each value is taken at its
// shortest decimal form (850.1, not 850.10000000000002) and added exactly, so that the sum of
// 0.10 and 0.20 is 0.30, as a person adding the figures would find. The result is rounded to a
// double once. A value with more than twelve decimals or beyond 10^21 cannot be held exactly;
// the sum then falls back to extended-precision floating point.

namespace coinwell::budget {

class ExactSum {
  public:
    void add(double value);
    ExactSum& operator+=(const ExactSum& other);
    ExactSum& operator-=(const ExactSum& other);

    // The sum rounded to the nearest double.
    double value() const;

  private:
    // In units of 10^-12.
    __int128 units_ = 0;
    long double approximate_ = 0;
    bool exact_ = true;
};

}  // namespace coinwell::budget
