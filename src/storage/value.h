#pragma once
// xBase values and the value rules that keys, comparisons and reports rely on.
// Text is always a byte string in the tables' code page (Windows-1252, or 850 from DOS);
// nothing here converts code pages.

#include <string>
#include <string_view>
#include <variant>

namespace movarel::storage {

// A calendar date; the all-zero date is the empty date (a D field of eight blanks).
struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  bool empty() const { return year == 0 && month == 0 && day == 0; }
  friend bool operator==(const Date&, const Date&) = default;
};

// The four field types in use: C text, N number, D date, L logical.
using Value = std::variant<std::string, double, Date, bool>;

// STR(n, width, decimals): rounded half away from zero, right-aligned with blanks;
// a value that does not fit is `width` asterisks.
std::string Str(double value, int width, int decimals = 0);
// STRZERO: as Str, padded with zeros (a minus sign goes first: "-0005").
std::string StrZero(double value, int width, int decimals = 0);
// Str (pad ' ') and StrZero (pad '0') by the general decimal conversion only, without the
// shortcut they take for whole and one-decimal values; both give the same bytes, which the
// tests check over many values.
std::string FormatGeneral(double value, int width, int decimals, char pad);
// VAL: leading blanks, optional sign, digits and one decimal point; stops at the first other
// byte; empty or unreadable text gives 0.
double Val(std::string_view text);
// DESCEND of a text: every byte b becomes 256 - b (0 stays 0), so ascending order of the
// result is descending order of the text.
std::string Descend(std::string_view text);
// UPPER: only a-z change.
std::string Upper(std::string_view text);
// The non-exact `=`: true when `right` is empty or `left` begins with `right`.
bool TextEquals(std::string_view left, std::string_view right);
// `$`: `needle` occurs in `haystack`.
bool Contains(std::string_view needle, std::string_view haystack);
// Trims trailing blanks (RTRIM) and leading blanks (LTRIM); ALLTRIM does both.
std::string_view RTrim(std::string_view text);
std::string_view LTrim(std::string_view text);
std::string_view AllTrim(std::string_view text);

// DTOC with four-digit years: "dd-mm-yyyy"; the empty date is "  -  -    ".
std::string Dtoc(const Date& date);
// CTOD of "dd-mm-yyyy" or "dd-mm-yy" (two-digit years fall in 1950..2049); an invalid
// or blank text gives the empty date.
Date Ctod(std::string_view text);
// DTOS: "yyyymmdd", eight blanks for the empty date; StoD reads that form back.
std::string Dtos(const Date& date);
Date Stod(std::string_view text);
bool IsValidDate(const Date& date);

}  // namespace movarel::storage
