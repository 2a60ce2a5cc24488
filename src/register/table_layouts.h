#pragma once
// The field lists of every table the program creates. The templates folder is written from
// these lists, so they are the structures a new tournament gets. Widths of the fields the DOS
// program already has (the older player-table format) are kept exactly as it writes them, so
// both programs read each other's values unchanged; the fields added since hold what the
// program writes into them: ratings 4 digits, starting numbers 3, points N4.1, computed
// tie-breaks N6.1 (their print width).

#include <array>
#include <string_view>
#include <vector>

#include "storage/field.h"

namespace movarel::registry {

// The player table holds the per-round group for this many rounds, so no tournament has more.
inline constexpr int kMaxRounds = 15;
// Letters of the per-round group, in field order: opponent, colour, points, forfeit, float.
inline constexpr std::array<char, 5> kRoundFieldLetters = {'J', 'C', 'P', 'I', 'F'};
// Half a point, in a round's points field or a board's result code: this program writes 0xBD;
// the DOS program and the Figaro import write 0xAB, its code page's half. Both are read alike.
inline constexpr bool IsHalfPointByte(char c) { return c == '\xBD' || c == '\xAB'; }

// The computed tie-break fields of the player table, each one a system that the tie-break
// table can list.
inline constexpr std::array<std::string_view, 16> kTieBreakFields = {
    "ACUM",  "ACU_1", "ACU_2", "ACU_3", "ACU_4", "ACU_5", "ACU_6", "ACU_7",
    "ACU_8", "ACU_9", "BUC_T", "BUC_R", "BUC_B", "SONEN", "ELO_M", "N_VIC"};

std::vector<storage::FieldDef> TorneosFields();   // the folder's register "torneos"
std::vector<storage::FieldDef> CuadroFields();    // player table, current format ("cuadrow.mod")
std::vector<storage::FieldDef> RondaFields();     // round table
std::vector<storage::FieldDef> PremiosFields();   // prize table
std::vector<storage::FieldDef> DesempsFields();   // tie-break order
std::vector<storage::FieldDef> CatsFields();      // prize categories while ordering them
std::vector<storage::FieldDef> CclasFields();     // standings column switches
std::vector<storage::FieldDef> BasejugsFields();  // player database "bjugs"
std::vector<storage::FieldDef> T14Fields();       // rating difference -> expected score
std::vector<storage::FieldDef> ZdFideFields();    // FIDE results and blocks
std::vector<storage::FieldDef> ZdFedaFields();    // FEDA results and blocks
std::vector<storage::FieldDef> ZdFvaFields();     // FVA results
std::vector<storage::FieldDef> ZdFvaNueFields();  // FVA new players

}  // namespace movarel::registry
