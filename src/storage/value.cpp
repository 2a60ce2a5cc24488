#include "storage/value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>

#include "storage/letter_case.h"

namespace movarel::storage {

namespace {

// Decimal digits of |value| rounded half away from zero to `decimals` places, without a
// point ("725" for 7.25 at one decimal gives "73"). The rounding works on the value's
// 15-significant-digit decimal form, not on its binary one: 7.25 and 2.675 are stored as
// 7.249999... and 2.67499... in binary, yet a person (and the DOS program) rounds them up.
std::string RoundedDigits(double value, int decimals, bool* negative) {
  *negative = std::signbit(value);
  double magnitude = std::fabs(value);
  if (magnitude == 0) return std::string(static_cast<size_t>(decimals) + 1, '0');
  // "%.14e" by to_chars, which the standard makes print exactly what printf prints, at a
  // fraction of printf's cost.
  char buf[64];
  const auto printed = std::to_chars(buf, buf + sizeof buf - 1, magnitude, std::chars_format::scientific, 14);
  *printed.ptr = '\0';
  // buf: d.dddddddddddddde[+-]xx
  std::string mantissa;
  mantissa.push_back(buf[0]);
  mantissa.append(buf + 2, 14);
  int exponent = std::atoi(buf + 17);
  // mantissa holds the digits of magnitude * 10^(14 - exponent).
  // Digits to keep: those standing for 10^-decimals and above.
  long keep = static_cast<long>(exponent) + 1 + decimals;
  std::string digits;
  if (keep < 0) {
    digits = "0";
  } else if (keep >= static_cast<long>(mantissa.size())) {
    digits = mantissa + std::string(static_cast<size_t>(keep) - mantissa.size(), '0');
  } else {
    digits = mantissa.substr(0, static_cast<size_t>(keep));
    if (mantissa[static_cast<size_t>(keep)] >= '5') {
      int i = static_cast<int>(digits.size()) - 1;
      while (i >= 0 && digits[i] == '9') digits[i--] = '0';
      if (i >= 0) {
        ++digits[i];
      } else {
        digits.insert(digits.begin(), '1');
      }
    }
    if (digits.empty()) digits.push_back('0');
  }
  // At least one integer digit in front of the decimals.
  if (static_cast<int>(digits.size()) < decimals + 1) {
    digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
  }
  // Strip superfluous leading zeros of the integer part.
  size_t first = 0;
  while (first + decimals + 1 < digits.size() && digits[first] == '0') ++first;
  digits.erase(0, first);
  if (digits.find_first_not_of('0') == std::string::npos) *negative = false;  // no "-0"
  return digits;
}

// Values a table holds are nearly always whole or with one decimal (points, tie-breaks,
// ratings); their digits come straight from an integer, without the decimal conversion of
// RoundedDigits, which costs a microsecond a number. Gives exactly RoundedDigits' result:
// such a value has at most 15 significant digits, so its 15-digit form is those digits.
// Returns false for any other value (and for widths or decimals out of the usual range).
bool FormatShortDecimal(double value, int width, int decimals, char pad, std::string* out) {
  constexpr double kLimit = 1e14;  // tenths below 1e15: at most 15 significant digits
  if (decimals > 18 || width > 64) return false;
  const double magnitude = std::fabs(value);
  if (!(magnitude < kLimit)) return false;  // also NaN
  uint64_t integer = 0;
  unsigned tenth = 0;
  const double tenths = std::nearbyint(magnitude * 10);
  if (magnitude == std::floor(magnitude)) {
    integer = static_cast<uint64_t>(magnitude);
  } else if (tenths / 10 == magnitude) {
    const uint64_t t = static_cast<uint64_t>(tenths);
    integer = t / 10;
    tenth = static_cast<unsigned>(t % 10);
  } else {
    return false;
  }
  if (decimals == 0 && tenth >= 5) ++integer;  // half away from zero
  const bool negative = std::signbit(value) && (integer != 0 || (decimals > 0 && tenth != 0));

  char body[96];
  char* end = body + sizeof body;
  char* p = end;
  if (decimals > 0) {
    for (int i = 1; i < decimals; ++i) *--p = '0';
    *--p = static_cast<char>('0' + tenth);
    *--p = '.';
  }
  do {
    *--p = static_cast<char>('0' + integer % 10);
    integer /= 10;
  } while (integer != 0);
  const size_t length = static_cast<size_t>(end - p);
  const size_t needed = length + (negative ? 1 : 0);
  if (needed > static_cast<size_t>(width)) {
    out->assign(static_cast<size_t>(width), '*');
    return true;
  }
  out->clear();
  out->reserve(static_cast<size_t>(width));
  if (pad == '0') {
    if (negative) out->push_back('-');
    out->append(static_cast<size_t>(width) - needed, '0');
  } else {
    out->append(static_cast<size_t>(width) - needed, pad);
    if (negative) out->push_back('-');
  }
  out->append(p, length);
  return true;
}

std::string Format(double value, int width, int decimals, char pad) {
  if (width <= 0) return std::string();
  if (decimals < 0) decimals = 0;
  if (!std::isfinite(value)) return std::string(static_cast<size_t>(width), '*');
  if (std::string fast; FormatShortDecimal(value, width, decimals, pad, &fast)) return fast;
  return FormatGeneral(value, width, decimals, pad);
}

}  // namespace

std::string FormatGeneral(double value, int width, int decimals, char pad) {
  if (width <= 0) return std::string();
  if (decimals < 0) decimals = 0;
  if (!std::isfinite(value)) return std::string(static_cast<size_t>(width), '*');
  bool negative = false;
  std::string digits = RoundedDigits(value, decimals, &negative);
  std::string body = digits.substr(0, digits.size() - static_cast<size_t>(decimals));
  if (decimals > 0) {
    body.push_back('.');
    body.append(digits, digits.size() - static_cast<size_t>(decimals), std::string::npos);
  }
  size_t needed = body.size() + (negative ? 1 : 0);
  if (needed > static_cast<size_t>(width)) return std::string(static_cast<size_t>(width), '*');
  std::string padding(static_cast<size_t>(width) - needed, pad);
  if (pad == '0') return (negative ? "-" : "") + padding + body;
  return padding + (negative ? "-" : "") + body;
}

namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeap(year)) return 29;
  return kDays[month - 1];
}

// Reads exactly `count` digits; false when any byte is not a digit.
bool ReadDigits(std::string_view text, size_t pos, size_t count, int* out) {
  if (pos + count > text.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  *out = v;
  return true;
}

// The number of "[-]digits[.digits]" with at most 15 digits: the digits read as an integer
// (exact below 2^53) divided by an exact power of ten is one correctly rounded operation,
// so it equals the correctly rounded conversion of the whole text. Returns false otherwise.
bool ShortDecimalValue(std::string_view text, double* result) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  uint64_t digits = 0;
  int count = 0;
  int decimals = -1;
  for (; i < text.size(); ++i) {
    if (text[i] == '.') {
      decimals = 0;
      continue;
    }
    if (++count > 15) return false;
    digits = digits * 10 + static_cast<uint64_t>(text[i] - '0');
    if (decimals >= 0) ++decimals;
  }
  const double magnitude = static_cast<double>(digits) / kPowers[decimals < 0 ? 0 : decimals];
  *result = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace

std::string Str(double value, int width, int decimals) { return Format(value, width, decimals, ' '); }

std::string StrZero(double value, int width, int decimals) { return Format(value, width, decimals, '0'); }

double Val(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string clean;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') clean.push_back('-');
    ++i;
  }
  bool point = false;
  bool any_digit = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      clean.push_back(c);
      any_digit = true;
    } else if (c == '.' && !point) {
      clean.push_back(c);
      point = true;
    } else {
      break;
    }
  }
  if (!any_digit) return 0;
  if (double fast; ShortDecimalValue(clean, &fast)) return fast;
  double result = 0;
  const char* begin = clean.data();
  std::from_chars(begin, begin + clean.size(), result);
  return result;
}

std::string Descend(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>((256 - static_cast<unsigned char>(c)) & 0xFF);
  return out;
}

std::string Upper(std::string_view text) { return UpperAscii(text); }

bool TextEquals(std::string_view left, std::string_view right) {
  return left.substr(0, right.size()) == right;
}

bool Contains(std::string_view needle, std::string_view haystack) {
  return haystack.find(needle) != std::string_view::npos;
}

std::string_view RTrim(std::string_view text) {
  size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view LTrim(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  return begin == std::string_view::npos ? std::string_view() : text.substr(begin);
}

std::string_view AllTrim(std::string_view text) { return LTrim(RTrim(text)); }

std::string Dtoc(const Date& date) {
  if (date.empty() || !IsValidDate(date)) return "  -  -    ";
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", date.day, date.month, date.year);
  return buf;
}

Date Ctod(std::string_view text) {
  text = AllTrim(text);
  Date date;
  if (text.size() != 10 && text.size() != 8) return Date();
  int day = 0, month = 0, year = 0;
  auto is_separator = [](char c) { return c == '-' || c == '/' || c == '.'; };
  if (!ReadDigits(text, 0, 2, &day) || !is_separator(text[2]) || !ReadDigits(text, 3, 2, &month) ||
      !is_separator(text[5])) {
    return Date();
  }
  if (text.size() == 10) {
    if (!ReadDigits(text, 6, 4, &year)) return Date();
  } else {
    if (!ReadDigits(text, 6, 2, &year)) return Date();
    // SET EPOCH TO 1950: two-digit years fall in 1950..2049.
    year += year >= 50 ? 1900 : 2000;
  }
  date = Date{year, month, day};
  return IsValidDate(date) ? date : Date();
}

std::string Dtos(const Date& date) {
  if (date.empty() || !IsValidDate(date)) return "        ";
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", date.year, date.month, date.day);
  return buf;
}

Date Stod(std::string_view text) {
  Date date;
  if (text.size() != 8) return Date();
  if (!ReadDigits(text, 0, 4, &date.year) || !ReadDigits(text, 4, 2, &date.month) ||
      !ReadDigits(text, 6, 2, &date.day)) {
    return Date();
  }
  return IsValidDate(date) ? date : Date();
}

bool IsValidDate(const Date& date) {
  if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12) return false;
  return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

}  // namespace movarel::storage
