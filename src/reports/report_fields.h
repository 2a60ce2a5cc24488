#pragma once
// Small formatting rules the listings of the seeding order, pairings and score groups share.

#include <string>
#include <string_view>

#include "storage/table.h"

namespace movarel::reports {

// A numeric field right-aligned in its declared width (4 for the ratings); the width in
// blanks when the value is 0.
std::string NumberOrBlank(const storage::Table& table, std::string_view field);

// The width a numeric field was declared with; `fallback` when the table lacks it.
int FieldWidth(const storage::Table& table, std::string_view field, int fallback);

// A round number as the headings and page names write it: decimal, no padding.
std::string RoundText(int round);

// The result symbol of a per-round points field: "+" for "1", "-" for "0", "=" for a half
// point in either code page (0xBD written here, 0xAB by the DOS program), a blank otherwise.
char ResultSymbol(std::string_view points);

// A board's result code as a page prints it: a draw in any form the tables hold (the half
// sign as 0xBD or as the DOS program's 0xAB, or the DOS program's " 1/2 ") is printed as this
// program writes its own, " \xBD-\xBD " (forfeit marks kept); every other code as stored.
std::string ResultCodeText(std::string_view rdo);

// The lock message every listing that rewrites the player table shows when another program
// holds it; `used` is the word as each operation spells it.
std::string LockRefusedText(std::string_view used);

}  // namespace movarel::reports
