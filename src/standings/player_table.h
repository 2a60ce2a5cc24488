#pragma once
// The player table `cuadro` as the standings see it: read once into plain structs, written
// back field by field only where a computed value changed, so that a recomputation that
// changes nothing leaves the records untouched.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "standings/player_scores.h"
#include "storage/status.h"
#include "storage/table.h"

namespace movarel::standings {

// The computed fields, in the order they are kept below.
enum ComputedField : int {
  kPtos, kPuesto, kVarElo, kAcum, kAcu1, kAcu2, kAcu3, kAcu4, kAcu5, kAcu6, kAcu7, kAcu8, kAcu9,
  kBucT, kBucR, kBucB, kEloM, kSonen, kNVic, kComputedFieldCount
};
inline constexpr std::array<std::string_view, kComputedFieldCount> kComputedFieldNames = {
    "PTOS",  "PUESTO", "VAR_ELO", "ACUM",  "ACU_1", "ACU_2", "ACU_3", "ACU_4", "ACU_5", "ACU_6",
    "ACU_7", "ACU_8",  "ACU_9",   "BUC_T", "BUC_R", "BUC_B", "ELO_M", "SONEN", "N_VIC"};

using ComputedValues = std::array<double, kComputedFieldCount>;

// The player table read into memory.
struct PlayerTable {
  PlayerList players;                  // one per record, deleted ones included
  // Position of each computed field in the record layout; -1 when the table lacks it (an
  // old-format table without ACU_7 ... BUC_B).
  std::array<int, kComputedFieldCount> field_index{};
  // The bytes the computed fields hold now, record after record, each record's fields side
  // by side at `stored_at` (a field the table lacks takes no room): one block rather than a
  // string per field, as it is built and thrown away on every computation.
  std::string stored;
  std::array<size_t, kComputedFieldCount> stored_at{};
  size_t stored_stride = 0;

  char* StoredBytes(uint32_t recno, int field) {
    return stored.data() + (recno - 1) * stored_stride + stored_at[static_cast<size_t>(field)];
  }
  const char* StoredBytes(uint32_t recno, int field) const {
    return stored.data() + (recno - 1) * stored_stride + stored_at[static_cast<size_t>(field)];
  }
};

// Reads every record of `cuadro` (physical order, deleted records included) with the rounds
// 1..`rounds` of each. Per-round fields the table lacks read as blank; a round field of an
// unexpected type is read by the VAL rule.
PlayerTable ReadPlayerTable(storage::Table& cuadro, int rounds);

// The values a computation gives a player, PUESTO left at 0.
ComputedValues ToComputedValues(const PlayerScores& scores);

// Writes the computed fields of record `recno` whose stored bytes differ from those of the
// new value (rounded by the field's width and decimals). PUESTO is left out: the places are
// numbered from the order index, once the other fields are in the table.
storage::Status WriteComputedFields(storage::Table& cuadro, PlayerTable& table, uint32_t recno,
                                    const ComputedValues& values);

// Whether PUESTO of record `recno` already holds `place`.
bool HoldsPlace(const storage::Table& cuadro, const PlayerTable& table, uint32_t recno, int place);

}  // namespace movarel::standings
