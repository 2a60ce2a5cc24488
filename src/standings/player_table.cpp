#include "standings/player_table.h"

#include <algorithm>
#include <cassert>
#include <variant>

#include "register/file_names.h"
#include "standings/field_bytes.h"
#include "storage/value.h"

namespace movarel::standings {
namespace {

double NumberOf(const storage::Value& value) {
  if (const double* number = std::get_if<double>(&value)) return *number;
  if (const std::string* text = std::get_if<std::string>(&value)) return storage::Val(*text);
  return 0;
}

std::string TextOf(const storage::Value& value) {
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  return std::string();
}

std::string NumberBytes(const storage::FieldDef& field, double value) {
  return NumericFieldBytes(field, value);
}

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
  const uint32_t count = cuadro.LastRec();
  table.players.resize(count);
  table.stored.resize(count);
  for (uint32_t recno = 1; recno <= count; ++recno) {
    cuadro.GoTo(recno);
    PlayerInput& player = table.players[recno - 1];
    player.recno = recno;
    player.deleted = cuadro.Deleted();
    if (elo >= 0) player.elo = NumberOf(cuadro.Get(elo));
    if (k >= 0) player.k = NumberOf(cuadro.Get(k));
    for (int n = 1; n <= rounds; ++n) {
      const RoundFieldIndexes& f = round_fields[static_cast<size_t>(n - 1)];
      player.rounds[static_cast<size_t>(n - 1)] = MakeRoundEntry(
          f.opponent >= 0 ? NumberOf(cuadro.Get(f.opponent)) : 0,
          f.colour >= 0 ? TextOf(cuadro.Get(f.colour)) : std::string(),
          f.points >= 0 ? TextOf(cuadro.Get(f.points)) : std::string(),
          f.forfeit >= 0 ? TextOf(cuadro.Get(f.forfeit)) : std::string());
    }
    for (int f = 0; f < kComputedFieldCount; ++f) {
      if (computed[f] < 0) continue;
      table.stored[recno - 1][f] = cuadro.GetText(layout.fields()[static_cast<size_t>(computed[f])].name);
    }
  }
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
  assert(recno >= 1 && recno <= table.stored.size());
  const storage::RecordLayout& layout = cuadro.layout();
  bool positioned = false;
  for (int f = 0; f < kComputedFieldCount; ++f) {
    if (f == kPuesto) continue;
    const int index = table.field_index[static_cast<size_t>(f)];
    if (index < 0) continue;
    const storage::FieldDef& def = layout.fields()[static_cast<size_t>(index)];
    std::string bytes = NumberBytes(def, values[f]);
    std::string& stored = table.stored[recno - 1][f];
    if (bytes == stored) continue;
    if (!positioned) {
      cuadro.GoTo(recno);
      positioned = true;
    }
    storage::Status status = cuadro.Put(def.name, values[f]);
    if (!status.ok()) return status;
    stored = std::move(bytes);
  }
  return storage::Status::Ok();
}

bool HoldsPlace(const storage::Table& cuadro, const PlayerTable& table, uint32_t recno, int place) {
  const int index = table.field_index[kPuesto];
  if (index < 0 || recno < 1 || recno > table.stored.size()) return false;
  const storage::FieldDef& def = cuadro.layout().fields()[static_cast<size_t>(index)];
  return table.stored[recno - 1][kPuesto] == NumberBytes(def, place);
}

}  // namespace movarel::standings
