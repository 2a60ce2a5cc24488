#include "standings/zdclas.h"

#include <vector>

#include "register/file_names.h"
#include "standings/expected_score_table.h"
#include "standings/player_scores.h"
#include "standings/player_table.h"
#include "standings/tie_break_list.h"

namespace movarel::standings {
namespace {

constexpr char kOrderFile[] = "suclas.tmp";

std::string FolderOf(const storage::Table& cuadro) {
  std::string folder = registry::FolderOfPath(cuadro.path());
  if (!folder.empty()) folder += '/';
  return folder;
}

}  // namespace

storage::Status PONPUESTO(storage::Table& cuadro, int& NKPUESTO) {
  ++NKPUESTO;
  return cuadro.Put("PUESTO", static_cast<double>(NKPUESTO));
}

storage::Status ZDCLAS(registry::WorkingState& state) { return ZDCLAS(state, state.NRONDASEL); }

storage::Status ZDCLAS(registry::WorkingState& state, int rounds) {
  storage::Workspace& workspace = state.workspace;
  storage::Table* cuadro = workspace.Find("cuadro");
  if (cuadro == nullptr) return storage::Status::InvalidArgument("no hay un cuadro de jugadores abierto");
  // The passes write in physical order; an order left open by the caller would only be
  // kept up to date for nothing, and callers expect none afterwards.
  storage::Status status = cuadro->OrdListClear();
  if (!status.ok()) return status;

  const std::string folder = FolderOf(*cuadro);
  const std::string templates = registry::TemplatesFolder(state.CCARPINI);

  auto expected = ExpectedScoreTable::Load(workspace, templates);
  if (!expected.ok()) return expected.status().WithContext("abriendo la tabla t14");
  auto walk = ReadTieBreaks(state, folder, templates, cuadro->layout());
  if (!walk.ok()) return walk.status();

  PlayerTable table = ReadPlayerTable(*cuadro, rounds);
  const std::vector<PlayerScores> scores = ComputeScores(table.players, rounds, *expected);
  if (expected->searched()) workspace.settings().soft_seek = false;

  for (size_t i = 0; i < table.players.size(); ++i) {
    if (table.players[i].deleted) continue;
    status = WriteComputedFields(*cuadro, table, table.players[i].recno, ToComputedValues(scores[i]));
    if (!status.ok()) return status;
  }

  // The key text is what xBase programs read from the index header, and the storage layer
  // computes the keys from it, so both always agree with the fields just written.
  workspace.Select("cuadro");
  status = cuadro->CreateIndex(folder + kOrderFile, walk->CDS);
  if (!status.ok()) return status.WithContext(kOrderFile);

  // The places follow the new order. It is read off the index and the index closed before
  // PUESTO is written: PUESTO is no part of the key, and an open index would recompute the
  // key of every record written for nothing.
  std::vector<uint32_t> order;
  order.reserve(table.players.size());
  if (const storage::NtxIndex* index = cuadro->ControllingIndex()) {
    for (size_t i = 0; i < index->size(); ++i) {
      const uint32_t recno = index->at(i).recno;
      if (recno >= 1 && recno <= table.players.size() && !table.players[recno - 1].deleted) {
        order.push_back(recno);
      }
    }
  }
  status = cuadro->OrdListClear();
  if (!status.ok()) return status;
  int NKPUESTO = 0;
  for (uint32_t recno : order) {
    if (HoldsPlace(*cuadro, table, recno, NKPUESTO + 1)) {
      ++NKPUESTO;
      continue;
    }
    cuadro->GoTo(recno);
    status = PONPUESTO(*cuadro, NKPUESTO);
    if (!status.ok()) return status;
  }
  workspace.Select("cuadro");
  return storage::Status::Ok();
}

}  // namespace movarel::standings
