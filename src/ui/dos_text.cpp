#include "ui/dos_text.h"

#include <cstdint>

namespace movarel::ui {
namespace {

// Bytes 0x80..0xFF read as a name letter, in code page 850 (kDos) and in Windows-1252
// (kWindows): "S"/"s" a Spanish or Catalan capital/small letter, "t" ª or º; "O"/"o"
// another Latin capital/small letter, "p" ß; "0" not a letter of a name.
constexpr char kDos[] =
    "Sssoososoosso0OOSoOooso0oOSo0O00sssssStt0000000000000SOS00000000000000oO0000000000OOS0SOS0000000So"
    "OSoO000SO000000000000000000000";
constexpr char kWindows[] =
    "0000000000O0O0O00000000000o0o0oO0000000000t000000000000000t00000SSOOOOOSSSOO0SOS0SSSOOO0O0SOS00oss"
    "ooooosssoo0sos0sssooo0o0sos00o";
static_assert(sizeof kDos == 129 && sizeof kWindows == 129);

// Code page 850 bytes 0x80..0xFF as Windows-1252 bytes; "?" where Windows-1252 has no such
// character.
constexpr uint8_t kDosToWindows[128] = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xF8, 0xA3, 0xD8, 0xD7, 0x83,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0xAE, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0xC1, 0xC2, 0xC0, 0xA9, 0x3F, 0x3F, 0x3F, 0x3F, 0xA2, 0xA5, 0x3F,
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0xE3, 0xC3, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0xA4,
    0xF0, 0xD0, 0xCA, 0xCB, 0xC8, 0x3F, 0xCD, 0xCE, 0xCF, 0x3F, 0x3F, 0x3F, 0x3F, 0xA6, 0xCC, 0x3F,
    0xD3, 0xDF, 0xD4, 0xD2, 0xF5, 0xD5, 0xB5, 0xFE, 0xDE, 0xDA, 0xDB, 0xD9, 0xFD, 0xDD, 0xAF, 0xB4,
    0xAD, 0xB1, 0x3F, 0xBE, 0xB6, 0xA7, 0xF7, 0xB8, 0xB0, 0xA8, 0xB7, 0xB9, 0xB3, 0xB2, 0x3F, 0xA0,
};

enum class Case { kNone, kUpper, kLower };

bool IsAsciiLetter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }
bool InWord(unsigned char b) { return IsAsciiLetter(b) || b >= 0x80; }
Case CaseOf(unsigned char b) { return b >= 'a' ? Case::kLower : Case::kUpper; }

// The case a letter at `at` should have: that of the next plain letter of its word, or of
// the previous one at the word's end; kNone when the word has no plain letter.
Case WordCase(std::string_view text, size_t at) {
  for (size_t i = at + 1; i < text.size() && InWord(static_cast<unsigned char>(text[i])); ++i) {
    if (IsAsciiLetter(static_cast<unsigned char>(text[i]))) return CaseOf(static_cast<unsigned char>(text[i]));
  }
  for (size_t i = at; i > 0 && InWord(static_cast<unsigned char>(text[i - 1])); --i) {
    if (IsAsciiLetter(static_cast<unsigned char>(text[i - 1]))) return CaseOf(static_cast<unsigned char>(text[i - 1]));
  }
  return Case::kNone;
}

int Score(char reading, Case expected, bool starts_word) {
  int weight = 0;
  Case letter = Case::kNone;
  switch (reading) {
    case 'S': weight = 2; letter = Case::kUpper; break;
    case 's': weight = 2; letter = Case::kLower; break;
    case 't': weight = 2; break;
    case 'O': weight = 1; letter = Case::kUpper; break;
    case 'o': weight = 1; letter = Case::kLower; break;
    case 'p': weight = 1; break;
    default: return 0;
  }
  if (letter == Case::kNone || expected == Case::kNone || letter == expected) return weight;
  if (starts_word && letter == Case::kUpper) return weight;  // a capital opens a small word
  return 0;
}

}  // namespace

bool IsDosText(std::string_view stored) {
  int dos = 0;
  int windows = 0;
  for (size_t i = 0; i < stored.size(); ++i) {
    const auto b = static_cast<unsigned char>(stored[i]);
    if (b < 0x80) continue;
    const Case expected = WordCase(stored, i);
    const bool starts_word = i == 0 || !InWord(static_cast<unsigned char>(stored[i - 1]));
    dos += Score(kDos[b - 0x80], expected, starts_word);
    windows += Score(kWindows[b - 0x80], expected, starts_word);
  }
  return dos > windows;
}

std::string DosTextAsCp1252(std::string_view stored) {
  std::string text(stored);
  if (!IsDosText(stored)) return text;
  for (char& c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80) c = static_cast<char>(kDosToWindows[b - 0x80]);
  }
  return text;
}

}  // namespace movarel::ui
