// A 40-player, 9-round tournament run from the first round to the last by the Dutch system
// through the program, as an arbiter would: players typed in the grid and seeded by rating,
// every round paired with the editor's "Emparejar automáticamente" button, random results
// clicked in the result dialog, and after each round the TRF export handed to
// `movarel --pair`, whose answer must be the next pairing the editor places. One player is
// absent from round 3, one asks for a half-point bye in round 6, one withdraws after round 4.
// The whole road runs headless and once through the real windows.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/headless_and_windowed.h"

namespace movarel::rounds {
namespace {

using movarel::testing::CommandLines;
using movarel::testing::ReadBytes;
using movarel::testing::ReadTable;
using movarel::testing::WriteBytes;

constexpr int kPlayers = 40;
constexpr int kRounds = 9;
constexpr int kAbsentInRoundThree = 8;
constexpr int kHalfByeInRoundSix = 21;
constexpr int kWithdrawsAfterRoundFour = 17;

class DutchSeason : public movarel::testing::HeadlessAndWindowed {
 protected:
  DutchSeason() : HeadlessAndWindowed("movarel-season") {}
  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (Ready()) folder_ = session_.Folder("torneos");
  }

  std::string Run(const std::string& script) {
    const std::string transcript = Script(script);
    EXPECT_EQ(status_, 0) << transcript;
    EXPECT_EQ(transcript.find("UNANSWERED"), std::string::npos) << transcript;
    return transcript;
  }

  // The engine's answer for the exported tournament, with the players who sit the round out
  // named the way a TRF names them: "white black" per board, the bye as "N 0".
  std::vector<std::string> CommandLineAnswer(const std::set<int>& sitting_out) {
    std::string trf = ReadBytes(folder_ + "/AB.trf");
    EXPECT_FALSE(trf.empty());
    if (!sitting_out.empty()) {
      trf += "XXZ";
      for (int n : sitting_out) trf += " " + std::to_string(n);
      trf += "\r\n";
    }
    WriteBytes(folder_ + "/next.trf", trf);
    std::vector<std::string> lines = CommandLines("'" MOVAREL_BINARY "' --pair '" + folder_ + "/next.trf'");
    EXPECT_FALSE(lines.empty()) << "--pair gave no answer";
    if (!lines.empty()) lines.erase(lines.begin());  // the count of pairs
    return lines;
  }

  // The boards of the round table, "white black", empty ones left out.
  std::vector<std::string> PlacedBoards(int round) {
    std::vector<std::string> boards;
    for (std::string board : ReadTable(folder_ + "/r" + std::to_string(round) + "AB.dbf", "JUG_B JUG_N")) {
      if (board == "0|0" || board == "|") continue;
      board[board.find('|')] = ' ';
      boards.push_back(board);
    }
    return boards;
  }

  std::string folder_;
};

std::string NumberList(const std::set<int>& numbers) {
  std::string text;
  for (int n : numbers) text += (text.empty() ? "" : ",") + std::to_string(n);
  return text;
}

TEST_P(DutchSeason, EveryRoundPairedByTheButtonIsWhatTheCommandLineEngineGives) {
  std::mt19937 random(20261209);
  std::string script = "menu mnuTorNuevo\nfolder " + folder_ +
                       "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open suizo\n"
                       "set fecFECHA_INI 01-07-2026\nset fecFECHA_FIN 09-07-2026\nset txtN_JUGS " +
                       std::to_string(kPlayers) + "\nset txtN_RONDAS " + std::to_string(kRounds) +
                       "\nclick btnOk\nmenu mnuVerCuadro\nform FrmCuadro\n";
  // Distinct ratings in no order: the seeding sorts them.
  std::vector<int> ratings;
  for (int i = 0; i < kPlayers; ++i) ratings.push_back(1400 + 25 * i);
  std::shuffle(ratings.begin(), ratings.end(), random);
  for (int i = 1; i <= kPlayers; ++i) {
    const std::string row = "edit brwCuadro " + std::to_string(i) + " ";
    script += row + "JUG JUGADOR " + std::to_string(i) + "\n" + row + "FIDE " + std::to_string(ratings[i - 1]) + "\n";
  }
  script += "click btnHTOk\nmenu \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\" \"elo FIDE+FEDA+FVA\"\nyes\n"
            "menu mnuInfTRF\nquit\n";
  Run(script);
  ASSERT_EQ(ReadTable(folder_ + "/cuAB.dbf", "ELOFIDE").front(), "2375");

  const std::vector<const char*> kPlayed = {"btnRdo01", "btnRdo01", "btnRdo01", "btnRdo02", "btnRdo02",
                                            "btnRdo03", "btnRdo03", "btnRdo03", "btnRdo04", "btnRdo05"};
  std::set<int> withdrawn;
  for (int round = 1; round <= kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    std::set<int> absent, half_bye;
    if (round == 3) absent.insert(kAbsentInRoundThree);
    if (round == 6) half_bye.insert(kHalfByeInRoundSix);
    std::set<int> sitting_out = withdrawn;
    sitting_out.insert(absent.begin(), absent.end());
    sitting_out.insert(half_bye.begin(), half_bye.end());
    const std::vector<std::string> expected = CommandLineAnswer(sitting_out);
    ASSERT_FALSE(expected.empty());

    script = "menu mnuAbrTorn1\nmenu mnuEmparej\nform FrmElegRda\nset cbxRdas " + std::to_string(round) +
             "\nclick btnOk\n" + (round == 1 ? "no\n" : "") +
             "form FrmEE\nclick btnEmpAuto\nform FrmDescansos\n" +
             (absent.empty() ? "" : "set txtAusentes " + NumberList(absent) + "\n") +
             (half_bye.empty() ? "" : "set txtMedioPunto " + NumberList(half_bye) + "\n") +
             "click btnOk\nform FrmEE\nclick btnOk\n" +
             "menu mnuRdos\nform FrmElegRda\nset cbxRdas " + std::to_string(round) + "\nclick btnOk\nform FrmER\n";
    for (size_t board = 1; board <= expected.size(); ++board) {
      const bool bye = expected[board - 1].ends_with(" 0");
      script += "set brwRdos " + std::to_string(board) + "\nclick " +
                (bye ? "btnRdo01" : kPlayed[random() % kPlayed.size()]) + "\n";
    }
    script += "click btnOk\n";
    if (round == 4) {
      script += "menu mnuVerCuadro\nform FrmCuadro\nedit brwCuadro " + std::to_string(kWithdrawsAfterRoundFour) +
                " BAJA T\nclick btnHTOk\n";
      withdrawn.insert(kWithdrawsAfterRoundFour);
    }
    const std::string transcript = Run(script + "menu mnuInfTRF\nquit\n");
    // No warning and no breach: the engine keeps every rule.
    EXPECT_EQ(transcript.find("YESNO|Emparejamiento"), std::string::npos) << transcript;
    EXPECT_EQ(transcript.find("EXCLAMATION"), std::string::npos) << transcript;
    ASSERT_EQ(PlacedBoards(round), expected);
  }

  // Those left out have their points for the round and no board; the withdrawn plays no more.
  const std::vector<std::string> players = ReadTable(folder_ + "/cuAB.dbf", "NUM R3J R3P R6J R6P R9J R9C");
  EXPECT_EQ(players[kAbsentInRoundThree - 1].substr(0, 6), "8|0|0|");
  EXPECT_NE(players[kHalfByeInRoundSix - 1].find("|0|½|"), std::string::npos) << players[kHalfByeInRoundSix - 1];
  EXPECT_TRUE(players[kWithdrawsAfterRoundFour - 1].ends_with("|0|")) << players[kWithdrawsAfterRoundFour - 1];
  EXPECT_EQ(ReadTable(folder_ + "/torneos.dbf", "N_R_ACTUAL"), std::vector<std::string>{"9"});
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, DutchSeason, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::rounds
