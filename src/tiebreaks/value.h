#pragma once
// A tie-break value kept exact: a fraction. Buchholz values are counted in half-points,
// Sonneborn-Berger in quarter points, averages as sum over count; comparing two values never
// goes through floating point.

#include <cstdint>
#include <string>

namespace movarel::tiebreaks {

struct Value {
  int64_t numerator = 0;
  int64_t denominator = 1;  // always positive

  static Value Halves(int64_t halves) { return {halves, 2}; }
  static Value Quarters(int64_t quarters) { return {quarters, 4}; }
  static Value Whole(int64_t whole) { return {whole, 1}; }

  friend bool operator==(const Value& a, const Value& b) {
    return a.numerator * b.denominator == b.numerator * a.denominator;
  }
  friend bool operator<(const Value& a, const Value& b) {
    return a.numerator * b.denominator < b.numerator * a.denominator;
  }
  double ToDouble() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
};

// The value with `decimals` decimals, halves rounded away from zero ("8.63" for 8.625 with
// two), as the standings print it.
std::string FormatValue(const Value& value, int decimals);

}  // namespace movarel::tiebreaks
