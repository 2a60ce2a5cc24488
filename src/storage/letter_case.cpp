#include "storage/letter_case.h"

namespace movarel::storage {

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

std::string UpperCp1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
      c = static_cast<char>(b - 0x20);
    } else if (b == 0x9A || b == 0x9C || b == 0x9E) {  // š œ ž
      c = static_cast<char>(b - 0x10);
    } else if (b == 0xFF) {  // ÿ
      c = '\x9F';
    }
  }
  return out;
}

std::string MAYMINS(std::string_view text) {
  auto is_blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  char previous = ' ';
  for (char c : text) {
    if ((previous == ',' || previous == '.') && !is_blank(c)) out += ' ';
    const bool starts_word = is_blank(previous) || previous == ',' || previous == '.';
    out += starts_word ? UpperAscii(c) : LowerAscii(c);
    previous = c;
  }
  return out;
}

}  // namespace movarel::storage
