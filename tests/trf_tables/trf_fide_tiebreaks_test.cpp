// A tournament on FIDE tie-breaks exports their list in tags 202 and 212 and the ranks that
// list gives, shared ones included, through the real program.
//
// The hand-made tournament after round 3 (started 13 March 2026) with "WIN,PS": 1 leads on
// 2.5 points. On 1.5, 2, 3 and 7 have one win each (3 and 7 by forfeit); PS 2: 3·1 + 2·½ =
// 4.0, 3 and 7: 3·½ + 2·1 = 3.5, so 2 is second and 3 and 7 share third. On 1.0, 4, 5 and 6
// have one win each (the byes of 4 and 6 count); PS 4: 3·1 = 3.0, 6: 2·1 = 2.0, 5: 1·1 =
// 1.0: fifth, sixth and seventh.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hand_made_tournament.h"
#include "support/program_session.h"

namespace movarel::trf_tables {
namespace {

using movarel::testing::ReadBytes;

// Columns count characters; the names are UTF-8.
std::string Columns(const std::string& line, size_t first, size_t count) {
  std::string out;
  size_t column = 0;
  for (char c : line) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++column;
    if (column >= first && column < first + count) out += c;
  }
  return out;
}

TEST(TrfFideTieBreaks, ListInTags202And212AndRanksByIt) {
  movarel::testing::ProgramSession session("movarel-trf-fide");
  ASSERT_TRUE(session.made_templates());
  const std::string hm = session.Folder("hm");
  testing::WriteHandMadeTournament(hm);
  movarel::testing::WriteBytes(hm + "/dsHM.fid", "WIN,PS\r\n");
  const movarel::testing::ScriptRun run =
      session.Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + hm + "/cuHM.dbf\nmenu mnuInfTRF\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  const std::string trf = ReadBytes(hm + "/HM.trf");
  EXPECT_NE(trf.find("\r\n202 WIN,PS\r\n212 PTS,WIN,PS\r\n"), std::string::npos) << trf;
  std::vector<std::string> ranks;
  for (size_t at = trf.find("\r\n001 "); at != std::string::npos; at = trf.find("\r\n001 ", at + 1)) {
    ranks.push_back(Columns(trf.substr(at + 2, trf.find("\r\n", at + 2) - at - 2), 86, 4));
  }
  EXPECT_EQ(ranks, (std::vector<std::string>{"   1", "   2", "   3", "   5", "   7", "   6", "   3"}));
}

}  // namespace
}  // namespace movarel::trf_tables
