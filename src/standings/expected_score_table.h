#pragma once
// The rating-difference table "t14" (templates folder, index "t14d"): each row closes a class
// of absolute rating differences at its key and gives `P`, the expected score of the
// higher-rated side. Held in memory in key order for the duration of one computation.

#include <string>
#include <vector>

#include "storage/status.h"
#include "storage/workspace.h"

namespace movarel::standings {

class ExpectedScoreTable {
 public:
  struct Row {
    double key = 0;  // upper bound of the class of differences
    double p = 0;    // expected score of the higher-rated side
  };

  ExpectedScoreTable() = default;
  // Rows in any order; they are kept sorted by key.
  explicit ExpectedScoreTable(std::vector<Row> rows);

  // Reads "t14" with its index "t14d" from `templates_folder` (ending with "/") under the
  // alias T14, and closes it again. Deleted rows are left out, as a search would skip them.
  static storage::Result<ExpectedScoreTable> Load(storage::Workspace& workspace,
                                                  const std::string& templates_folder);

  // Expected score of a player whose rating is `difference` above the opponents' average
  // (negative: below). Differences of at most 3 are an even game and leave the table unread;
  // otherwise the first row whose key is at least |difference| applies, the last row when
  // every key is smaller. An empty table gives an even game rather than the 0 of a blank row.
  double ExpectedScore(double difference);

  // Whether ExpectedScore had to search the rows: the DOS-era search switched the table
  // layer's soft search on for it and off for good afterwards, which later searches see.
  bool searched() const { return searched_; }
  const std::vector<Row>& rows() const { return rows_; }

 private:
  std::vector<Row> rows_;
  bool searched_ = false;
};

// FVARELO: the rating variation K x (W - E x n) of a player rated `rating` who scored
// `rating_points` in games against `rated_opponents` rated opponents averaging
// `opponents_average`; E is the expected score per game from the table.
double FVARELO(double rating, double opponents_average, double rated_opponents,
               double rating_points, double k, ExpectedScoreTable& table);

}  // namespace movarel::standings
