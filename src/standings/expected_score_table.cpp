#include "standings/expected_score_table.h"

#include <algorithm>
#include <cmath>

#include "storage/value.h"

namespace movarel::standings {

ExpectedScoreTable::ExpectedScoreTable(std::vector<Row> rows) : rows_(std::move(rows)) {
  std::stable_sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
}

storage::Result<ExpectedScoreTable> ExpectedScoreTable::Load(storage::Workspace& workspace,
                                                             const std::string& templates_folder) {
  static constexpr char kAlias[] = "T14";
  auto opened = workspace.Use(templates_folder + "t14", kAlias, /*shared=*/true, /*read_only=*/true);
  if (!opened.ok()) return opened.status();
  storage::Table* t14 = *opened;
  storage::Status status = t14->OrdListAdd(templates_folder + "t14d.ntx");
  if (!status.ok()) {
    workspace.Close(kAlias);
    return status;
  }
  // The class bounds are the index keys, whatever the key expression: walking the index
  // gives them in order together with the row each one belongs to.
  std::vector<Row> rows;
  const storage::NtxIndex* index = t14->ControllingIndex();
  if (index != nullptr) {
    rows.reserve(index->size());
    for (size_t i = 0; i < index->size(); ++i) {
      const storage::NtxIndex::Entry& entry = index->at(i);
      t14->GoTo(entry.recno);
      if (t14->Eof() || t14->Deleted()) continue;
      rows.push_back({storage::Val(entry.key), t14->GetNumber("P")});
    }
  }
  workspace.Close(kAlias);
  return ExpectedScoreTable(std::move(rows));
}

double ExpectedScoreTable::ExpectedScore(double difference) {
  const double magnitude = std::fabs(difference);
  if (magnitude <= 3) return 0.5;
  searched_ = true;
  if (rows_.empty()) return 0.5;
  auto row = std::lower_bound(rows_.begin(), rows_.end(), magnitude,
                              [](const Row& r, double value) { return r.key < value; });
  if (row == rows_.end()) row = std::prev(rows_.end());
  return difference > 0 ? row->p : 1 - row->p;
}

double FVARELO(double rating, double opponents_average, double rated_opponents,
               double rating_points, double k, ExpectedScoreTable& table) {
  const double expected = table.ExpectedScore(rating - opponents_average);
  return k * (rating_points - expected * rated_opponents);
}

}  // namespace movarel::standings
