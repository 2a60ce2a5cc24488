#pragma once
// Fixed columns of a TRF line: cutting them out, reading their numbers, and placing text at
// a column. Columns are 1-based and inclusive, as the format documents count them.

#include <optional>
#include <string>
#include <string_view>

namespace movarel::trf {

// Columns first..last of the line; the part beyond the line's end is left out.
std::string_view Columns(std::string_view line, int first, int last);
std::string Trimmed(std::string_view text);

// A whole number padded with spaces or zeros: " 12", "0012". Blank reads as 0; anything else
// (a sign, letters, digits split by a space) is nullopt.
std::optional<int> ParseCount(std::string_view field);

// Points with at most one decimal: " 2.5", "10", "00.0", ".5", "-0.5", "2,5". Blank reads as
// 0; nullopt when it does not parse. In tenths: "2.5" is 25.
std::optional<int> ParseTenths(std::string_view field);

// 25 -> "2.5", 100 -> "10.0", -5 -> "-0.5".
std::string FormatTenths(int tenths);

// Writes `text` so that it starts at `column`, padding the line with spaces as needed.
void PutAt(std::string& line, int column, std::string_view text);
// Writes `text` right-aligned so that it ends at `last_column`.
void PutRightAligned(std::string& line, int last_column, std::string_view text);

}  // namespace movarel::trf
