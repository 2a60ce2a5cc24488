#include "trf/line_fields.h"

#include <cstdlib>

namespace movarel::trf {

std::string_view Columns(std::string_view line, int first, int last) {
  size_t begin = static_cast<size_t>(first - 1);
  if (begin >= line.size()) return {};
  size_t length = static_cast<size_t>(last - first + 1);
  return line.substr(begin, length);
}

std::string Trimmed(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return std::string(text.substr(begin, end - begin + 1));
}

std::optional<int> ParseCount(std::string_view field) {
  std::string text = Trimmed(field);
  if (text.empty()) return 0;
  if (text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<int> ParseTenths(std::string_view field) {
  std::string text = Trimmed(field);
  if (text.empty()) return 0;
  bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  size_t point = text.find_first_of(".,");
  std::string whole = point == std::string::npos ? text : text.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  if ((whole.empty() && fraction.empty()) || fraction.size() > 1 || whole.size() > 6) {
    return std::nullopt;
  }
  std::optional<int> units = whole.empty() ? 0 : ParseCount(whole);
  if (!units || whole.find(' ') != std::string::npos) return std::nullopt;
  int tenth = 0;
  if (!fraction.empty()) {
    if (fraction[0] < '0' || fraction[0] > '9') return std::nullopt;
    tenth = fraction[0] - '0';
  }
  int value = *units * 10 + tenth;
  return negative ? -value : value;
}

std::string FormatTenths(int tenths) {
  std::string text = std::to_string(std::abs(tenths) / 10) + "." + std::to_string(std::abs(tenths) % 10);
  return tenths < 0 ? "-" + text : text;
}

void PutAt(std::string& line, int column, std::string_view text) {
  size_t begin = static_cast<size_t>(column - 1);
  if (line.size() < begin + text.size()) line.resize(begin + text.size(), ' ');
  line.replace(begin, text.size(), text);
}

void PutRightAligned(std::string& line, int last_column, std::string_view text) {
  int first = last_column - static_cast<int>(text.size()) + 1;
  PutAt(line, first < 1 ? 1 : first, text);
}

}  // namespace movarel::trf
