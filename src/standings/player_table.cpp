#include "standings/player_table.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <variant>

#include "register/file_names.h"
#include "standings/field_bytes.h"
#include "storage/field.h"
#include "storage/value.h"

namespace movarel::standings {
namespace {

// dBase numbers are at most 19 digits wide; anything wider is no field this program made.
constexpr int kMaxNumberWidth = 32;

// Field values straight from a record's bytes, by the rules of Table::Get: an N field by
// its number, a C field read as a number by the VAL rule; any other type (or a missing
// field, index -1) is 0 as a number and empty as text.
struct FieldReader {
  const storage::RecordLayout& layout;

  std::string_view Bytes(int index, const char* record) const {
    const storage::FieldDef& def = layout.fields()[static_cast<size_t>(index)];
    return std::string_view(record + layout.offset(index), static_cast<size_t>(def.length));
  }
  double Number(int index, const char* record) const {
    if (index < 0) return 0;
    const storage::FieldDef& def = layout.fields()[static_cast<size_t>(index)];
    if (def.type == 'N') return storage::DecodeNumber(def, record + layout.offset(index));
    if (def.type == 'C') return storage::Val(Bytes(index, record));
    return 0;
  }
  std::string_view Text(int index, const char* record) const {
    if (index < 0 || layout.fields()[static_cast<size_t>(index)].type != 'C') return std::string_view();
    return Bytes(index, record);
  }
};

struct RoundFieldIndexes {
  int opponent = -1;
  int colour = -1;
  int points = -1;
  int forfeit = -1;
};

}  // namespace

PlayerTable ReadPlayerTable(storage::Table& cuadro, int rounds) {
  const storage::RecordLayout& layout = cuadro.layout();
  rounds = std::clamp(rounds, 0, kMaxRounds);
  std::vector<RoundFieldIndexes> round_fields(static_cast<size_t>(rounds));
  for (int n = 1; n <= rounds; ++n) {
    RoundFieldIndexes& f = round_fields[static_cast<size_t>(n - 1)];
    f.opponent = layout.Find(registry::RoundFieldName(n, 'J'));
    f.colour = layout.Find(registry::RoundFieldName(n, 'C'));
    f.points = layout.Find(registry::RoundFieldName(n, 'P'));
    f.forfeit = layout.Find(registry::RoundFieldName(n, 'I'));
  }
  std::array<int, kComputedFieldCount> computed{};
  for (int f = 0; f < kComputedFieldCount; ++f) computed[f] = layout.Find(kComputedFieldNames[f]);
  const int elo = layout.Find("ELO");
  const int k = layout.Find("K");

  PlayerTable table;
  table.field_index = computed;
  for (int f = 0; f < kComputedFieldCount; ++f) {
    table.stored_at[f] = table.stored_stride;
    if (computed[f] >= 0) table.stored_stride += static_cast<size_t>(layout.fields()[computed[f]].length);
  }
  const uint32_t count = cuadro.LastRec();
  table.players.resize(count);
  table.stored.resize(static_cast<size_t>(count) * table.stored_stride);
  // The raw records, decoded field by field as Table::Get would, without a Value (and its
  // copy of the bytes) per field: the read is most of a recomputation's cost.
  const FieldReader read{layout};
  (void)cuadro.Scan([&](uint32_t recno, const char* record) {
    if (recno < 1 || recno > count) return;
    PlayerInput& player = table.players[recno - 1];
    player.recno = recno;
    player.deleted = record[0] == '*';
    if (elo >= 0) player.elo = read.Number(elo, record);
    if (k >= 0) player.k = read.Number(k, record);
    for (int n = 1; n <= rounds; ++n) {
      const RoundFieldIndexes& f = round_fields[static_cast<size_t>(n - 1)];
      player.rounds[static_cast<size_t>(n - 1)] =
          MakeRoundEntry(read.Number(f.opponent, record), read.Text(f.colour, record), read.Text(f.points, record),
                         read.Text(f.forfeit, record));
    }
    for (int f = 0; f < kComputedFieldCount; ++f) {
      if (computed[f] < 0) continue;
      const std::string_view bytes = read.Bytes(computed[f], record);
      std::memcpy(table.StoredBytes(recno, f), bytes.data(), bytes.size());
    }
  });
  return table;
}

ComputedValues ToComputedValues(const PlayerScores& scores) {
  ComputedValues values{};
  values[kPtos] = scores.ptos;
  values[kVarElo] = scores.var_elo;
  values[kAcum] = scores.acum;
  for (int k = 0; k < kCutProgressives; ++k) values[kAcu1 + k] = scores.acu[static_cast<size_t>(k)];
  values[kBucT] = scores.buc_t;
  values[kBucR] = scores.buc_r;
  values[kBucB] = scores.buc_b;
  values[kEloM] = scores.elo_m;
  values[kSonen] = scores.sonen;
  values[kNVic] = scores.n_vic;
  return values;
}

storage::Status WriteComputedFields(storage::Table& cuadro, PlayerTable& table, uint32_t recno,
                                    const ComputedValues& values) {
  assert(recno >= 1 && static_cast<size_t>(recno) * table.stored_stride <= table.stored.size());
  const storage::RecordLayout& layout = cuadro.layout();
  bool positioned = false;
  for (int f = 0; f < kComputedFieldCount; ++f) {
    if (f == kPuesto) continue;
    const int index = table.field_index[static_cast<size_t>(f)];
    if (index < 0) continue;
    const storage::FieldDef& def = layout.fields()[static_cast<size_t>(index)];
    char bytes[kMaxNumberWidth];
    if (def.length > kMaxNumberWidth) return storage::Status::Corrupt(def.name + ": campo num\xE9rico demasiado ancho");
    NumericFieldBytes(def, values[f], bytes);
    char* stored = table.StoredBytes(recno, f);
    const std::string_view written(bytes, static_cast<size_t>(def.length));
    if (written == std::string_view(stored, written.size())) continue;
    if (!positioned) {
      cuadro.GoTo(recno);
      positioned = true;
    }
    storage::Status status = cuadro.PutBytes(index, written);
    if (!status.ok()) return status;
    std::memcpy(stored, bytes, written.size());
  }
  return storage::Status::Ok();
}

bool HoldsPlace(const storage::Table& cuadro, const PlayerTable& table, uint32_t recno, int place) {
  const int index = table.field_index[kPuesto];
  if (index < 0 || recno < 1 || static_cast<size_t>(recno) * table.stored_stride > table.stored.size()) return false;
  const storage::FieldDef& def = cuadro.layout().fields()[static_cast<size_t>(index)];
  if (def.length > kMaxNumberWidth) return false;
  char bytes[kMaxNumberWidth];
  NumericFieldBytes(def, place, bytes);
  return std::string_view(bytes, static_cast<size_t>(def.length)) ==
         std::string_view(table.StoredBytes(recno, kPuesto), static_cast<size_t>(def.length));
}

}  // namespace movarel::standings
