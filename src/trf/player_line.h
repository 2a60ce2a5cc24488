#pragma once
// The 001 player record and the national (NRS) record that shares its first 79 columns.
// Lines here are Windows-1252, one byte per column, trailing spaces cut.

#include <string>
#include <string_view>
#include <variant>

#include "trf/reader.h"
#include "trf/tournament.h"

namespace movarel::trf {

std::variant<Player, Error> ParsePlayerLine(std::string_view line, int line_number);
std::variant<NationalRecord, Error> ParseNationalLine(std::string_view line, int line_number);

std::string FormatPlayerLine(const Player& player);
std::string FormatNationalLine(const NationalRecord& record);

// First column of round r's 10-column block (round 1: 92).
constexpr int RoundBlockColumn(int round) { return 92 + 10 * (round - 1); }

}  // namespace movarel::trf
