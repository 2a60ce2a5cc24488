#include "trf_tables/tie_break_codes.h"

#include <array>
#include <utility>

#include "storage/letter_case.h"

namespace movarel::trf_tables {

namespace {

// Codes written in FIDE's spelling, modifiers after a slash.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kCodes = {{
    {"BUC_T", "BH"},
    {"BUC_B", "BH/C1"},
    {"BUC_R", "BH/M1"},
    {"SONEN", "SB"},
    {"ACUM", "PS"},
    {"ACU_1", "PS/C1"},
    {"ACU_2", "PS/C2"},
    {"N_VIC", "WIN"},
}};

// Upper case, with the separators other programs put before a modifier removed.
std::string Plain(std::string_view code) {
  std::string plain;
  for (char c : code) {
    if (c == '/' || c == ' ' || c == '-') continue;
    plain += storage::UpperAscii(c);
  }
  return plain;
}

}  // namespace

std::optional<std::string> FideTieBreakCode(std::string_view field) {
  for (const auto& [name, code] : kCodes) {
    if (name == field) return std::string(code);
  }
  return std::nullopt;
}

std::optional<std::string> TieBreakField(std::string_view code) {
  const std::string plain = Plain(code);
  for (const auto& [name, fide] : kCodes) {
    if (Plain(fide) == plain) return std::string(name);
  }
  return std::nullopt;
}

}  // namespace movarel::trf_tables
