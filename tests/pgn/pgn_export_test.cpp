// The PGN exports over tables written the way the program and the DOS program leave them:
// a hand-checked seven-player tournament (a bye in the middle of a round, forfeits, both
// half-point bytes, a paired round without results) and the DOS program's own folder. The
// expected files were written out by hand from the tables below; every file also goes
// through pgn-extract, an independent PGN reader.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../rounds/rounds_test_support.h"
#include "dos_folder_games.h"
#include "pgn/pgn_export.h"
#include "register/file_names.h"
#include "storage/value.h"

namespace movarel::pgn {
namespace {

using rounds::testing::OpenTournament;
using rounds::testing::ReadBytes;
using testing::DosHead;
using testing::kDosGarciaGames;
using testing::kBlackAbsent;
using testing::kBothAbsent;
using testing::kDosRound3;
using testing::kWhiteAbsent;
using testing::Lines;

struct Board {
  int white;
  int black;
  std::string rdo;
};

// The diagnostics pgn-extract writes while checking `path` (empty when it finds nothing wrong),
// and the number of games it read.
struct PgnCheck {
  std::string diagnostics;
  int games = 0;
};
PgnCheck CheckWithPgnExtract(const std::string& path) {
  const std::string log = path + ".log";
  const std::string out = path + ".out";
  const std::string command = "/usr/games/pgn-extract -s -l'" + log + "' -o'" + out + "' '" + path + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  PgnCheck check;
  check.diagnostics = ReadBytes(log);
  const std::string games = ReadBytes(out);
  for (size_t at = games.find("[Event "); at != std::string::npos; at = games.find("[Event ", at + 1))
    ++check.games;
  return check;
}

// Tournament AB, 7 players, 4 rounds, current round 3:
//   round 1: 1-4 1-0, 5 bye (board 2), 2-6 draw (0xBD), 7-3 lost by White's forfeit
//   round 2: 3-1 draw (0xAB, as the DOS program writes it), 4-5 won by Black's forfeit,
//            6-7 both forfeited, 2 bye (board 4)
//   round 3: an empty board first, then 7-2 without result
//   round 4: not paired
class PgnExportTest : public ::testing::Test {
 protected:
  PgnExportTest() : t_(7, 4) {
    storage::Table& torneos = t_.torneos();
    EXPECT_TRUE(torneos.Put("LOCALIDAD", std::string("Val\xE8"
                                                     "ncia"))
                    .ok());
    EXPECT_TRUE(torneos.Put("FECHA_INI", storage::Date{2004, 3, 5}).ok());
    EXPECT_TRUE(torneos.Put("N_R_ACTUAL", 3.0).ok());
    EXPECT_TRUE(torneos.Commit().ok());
    const char* names[] = {
        "Garc\xED"
        "a, Ana",
        "L\xF3pez, Luis",
        "P\xE9rez, Juan",
        "Ruiz, Eva",
        "Soto, Mar",
        "Vidal, Ot",
        "Z\xFA\xF1iga, Pau"};
    const double fide[] = {2105, 0, 1980, 0, 1850, 0, 0};
    for (uint32_t i = 0; i < 7; ++i) t_.SetPlayer(i + 1, {names[i], fide[i]});
    SetRound(1, {{1, 4, " 1-0 "}, {5, 0, "     "}, {2, 6, " \xBD-\xBD "}, {7, 3, "i0-1 "}});
    SetRound(2, {{3, 1, " \xAB-\xAB "}, {4, 5, " 1-0i"}, {6, 7, "i0-0i"}, {2, 0, "     "}});
    SetRound(3, {{0, 0, "     "}, {7, 2, "     "}, {0, 0, "     "}, {0, 0, "     "}});
    SetRound(4, {{0, 0, "     "}, {0, 0, "     "}, {0, 0, "     "}, {0, 0, "     "}});
  }

  void SetRound(int round, const std::vector<Board>& boards) {
    auto ronda =
        t_.state.workspace.Use(t_.Path(registry::RoundTableName(round, "AB") + ".dbf"), "ronda", false);
    ASSERT_TRUE(ronda.ok());
    (*ronda)->GoTop();
    for (const Board& b : boards) {
      EXPECT_TRUE((*ronda)->Put("JUG_B", static_cast<double>(b.white)).ok());
      EXPECT_TRUE((*ronda)->Put("JUG_N", static_cast<double>(b.black)).ok());
      EXPECT_TRUE((*ronda)->Put("RDO", b.rdo).ok());
      (*ronda)->Skip();
    }
    EXPECT_TRUE((*ronda)->Commit().ok());
    t_.state.workspace.Close("ronda");
    t_.state.workspace.Select("cuadro");
  }
  // The per-round fields of one player, as pairing validation and result entry write them.
  void SetPlayerRound(uint32_t recno, int round, int opponent, const std::string& colour,
                      const std::string& points, const std::string& forfeit = " ") {
    storage::Table& cuadro = t_.cuadro();
    cuadro.GoTo(recno);
    EXPECT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'J'), static_cast<double>(opponent)).ok());
    EXPECT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'C'), colour).ok());
    EXPECT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'P'), points).ok());
    EXPECT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'I'), forfeit).ok());
    EXPECT_TRUE(cuadro.Commit().ok());
  }

  static std::string Head(const std::string& round) {
    return Lines({"[Event \"Open de prueba\"]",
                  "[Site \"Val\xE8"
                  "ncia\"]",
                  "[Date \"2004.03.05\"]", "[Round \"" + round + "\"]"});
  }

  OpenTournament t_;
};

// Round 1 by hand: the bye on board 2 takes no game number, so 2-6 is game 1.2 and 7-3 game
// 1.3; only rated players get an Elo tag.
const std::string kRound1 = Lines({"[Event \"Open de prueba\"]",
                                   "[Site \"Val\xE8"
                                   "ncia\"]",
                                   "[Date \"2004.03.05\"]",
                                   "[Round \"1.1\"]",
                                   "[White \"Garc\xED"
                                   "a, Ana\"]",
                                   "[Black \"Ruiz, Eva\"]",
                                   "[Result \"1-0\"]",
                                   "[ECO \"\"]",
                                   "[WhiteElo \"2105\"]",
                                   "1.", "1-0",
                                   "[Event \"Open de prueba\"]",
                                   "[Site \"Val\xE8"
                                   "ncia\"]",
                                   "[Date \"2004.03.05\"]",
                                   "[Round \"1.2\"]",
                                   "[White \"L\xF3pez, Luis\"]",
                                   "[Black \"Vidal, Ot\"]",
                                   "[Result \"1/2-1/2\"]",
                                   "[ECO \"\"]",
                                   "1.", "1/2-1/2",
                                   "[Event \"Open de prueba\"]",
                                   "[Site \"Val\xE8"
                                   "ncia\"]",
                                   "[Date \"2004.03.05\"]",
                                   "[Round \"1.3\"]",
                                   "[White \"Z\xFA\xF1iga, Pau\"]",
                                   "[Black \"P\xE9rez, Juan\"]",
                                   "[Result \"0-1\"]",
                                   "[ECO \"\"]",
                                   "[BlackElo \"1980\"]",
                                   kWhiteAbsent, "1.", "0-1"});

const std::string kRound2 = Lines({"[Event \"Open de prueba\"]",
                                   "[Site \"Val\xE8"
                                   "ncia\"]",
                                   "[Date \"2004.03.05\"]",
                                   "[Round \"2.1\"]",
                                   "[White \"P\xE9rez, Juan\"]",
                                   "[Black \"Garc\xED"
                                   "a, Ana\"]",
                                   "[Result \"1/2-1/2\"]",
                                   "[ECO \"\"]",
                                   "[WhiteElo \"1980\"]",
                                   "[BlackElo \"2105\"]",
                                   "1.", "1/2-1/2",
                                   "[Event \"Open de prueba\"]",
                                   "[Site \"Val\xE8"
                                   "ncia\"]",
                                   "[Date \"2004.03.05\"]",
                                   "[Round \"2.2\"]",
                                   "[White \"Ruiz, Eva\"]",
                                   "[Black \"Soto, Mar\"]",
                                   "[Result \"1-0\"]",
                                   "[ECO \"\"]",
                                   "[BlackElo \"1850\"]",
                                   kBlackAbsent, "1.", "1-0",
                                   "[Event \"Open de prueba\"]",
                                   "[Site \"Val\xE8"
                                   "ncia\"]",
                                   "[Date \"2004.03.05\"]",
                                   "[Round \"2.3\"]",
                                   "[White \"Vidal, Ot\"]",
                                   "[Black \"Z\xFA\xF1iga, Pau\"]",
                                   "[Result \"*\"]",
                                   "[ECO \"\"]",
                                   kBothAbsent, "1.", "*"});

// Round 3: the empty first board is skipped, the game without result is unfinished ("*").
const std::string kRound3 =
    Lines({"[Event \"Open de prueba\"]",
           "[Site \"Val\xE8"
           "ncia\"]",
           "[Date \"2004.03.05\"]", "[Round \"3.1\"]", "[White \"Z\xFA\xF1iga, Pau\"]",
           "[Black \"L\xF3pez, Luis\"]", "[Result \"*\"]", "[ECO \"\"]", "1.", "*"});

TEST_F(PgnExportTest, RoundWithByeForfeitsAndDrawIsWrittenByteForByte) {
  ASSERT_TRUE(WriteRoundPgn(t_.state, 1, "ZdAB-r1.pgn"));
  EXPECT_EQ(ReadBytes(t_.Path("ZdAB-r1.pgn")), kRound1);
  EXPECT_EQ(t_.dialogs.shown, std::vector<std::string>{"INFO||El fichero ZdAB-r1.pgn ha sido creado"});
  EXPECT_EQ(t_.state.NRONDASEL, 1);
  EXPECT_EQ(t_.state.workspace.Find("ronda"), nullptr);  // the round table is closed again
  EXPECT_EQ(t_.state.workspace.Selected(), &t_.cuadro());
}

TEST_F(PgnExportTest, DosHalfPointByteAndDoubleForfeitInARound) {
  ASSERT_TRUE(WriteRoundPgn(t_.state, 2, "ronda2.pgn"));
  EXPECT_EQ(ReadBytes(t_.Path("ronda2.pgn")), kRound2);
}

TEST_F(PgnExportTest, ExistingFileIsReplacedWhole) {
  rounds::testing::RunCommand("printf 'old contents that are longer than the new ones%.0s' $(seq 1 100) > '" +
                              t_.Path("ZdAB-r3.pgn") + "'");
  ASSERT_TRUE(WriteRoundPgn(t_.state, 3, "ZdAB-r3.pgn"));
  EXPECT_EQ(ReadBytes(t_.Path("ZdAB-r3.pgn")), kRound3);
}

TEST_F(PgnExportTest, UnpairedRoundGivesAnEmptyFile) {
  ASSERT_TRUE(WriteRoundPgn(t_.state, 4, "r4.pgn"));
  EXPECT_EQ(ReadBytes(t_.Path("r4.pgn")), "");
  EXPECT_EQ(t_.dialogs.shown, std::vector<std::string>{"INFO||El fichero r4.pgn ha sido creado"});
}

TEST_F(PgnExportTest, WholeTournamentNumbersGamesWithinEachRound) {
  ASSERT_TRUE(WriteTournamentPgn(t_.state));
  EXPECT_EQ(ReadBytes(t_.Path("ZdAB.pgn")), kRound1 + kRound2 + kRound3);
  EXPECT_EQ(t_.dialogs.shown, std::vector<std::string>{"INFO||El fichero ZdAB.pgn ha sido creado"});
  EXPECT_EQ(t_.state.NRONDASEL, 5);
  EXPECT_EQ(t_.state.CFICHTRAB, "ZdAB.pgn");
}

TEST_F(PgnExportTest, OnePlayersGamesUpToTheCurrentRound) {
  // Pérez (3): Black in round 1, won by forfeit; White in round 2 with the DOS program's
  // lower-case "b" and a draw; Black in round 3, not played yet. Round 4 is past the current
  // round and is not written even though it holds an opponent.
  SetPlayerRound(3, 1, 7, "N", "1", "i");
  SetPlayerRound(3, 2, 1, "b", "\xBD");
  SetPlayerRound(3, 3, 5, "N", " ");
  SetPlayerRound(3, 4, 2, "B", "1");
  ASSERT_TRUE(WritePlayerPgn(t_.state, "P\xE9rez, Juan", "Zdjug.pgn"));
  EXPECT_EQ(ReadBytes(t_.Path("Zdjug.pgn")),
            Head("1") +
                Lines({"[White \"Z\xFA\xF1iga, Pau\"]", "[Black \"P\xE9rez, Juan\"]", "[Result \"0-1\"]",
                       "[ECO \"A00\"]", "[BlackElo \"1980\"]", kWhiteAbsent, "1.", "0-1"}) +
                Head("2") +
                Lines({"[White \"P\xE9rez, Juan\"]",
                       "[Black \"Garc\xED"
                       "a, Ana\"]",
                       "[Result \"1/2-1/2\"]", "[ECO \"A00\"]", "[WhiteElo \"1980\"]", "[BlackElo \"2105\"]",
                       "1.", "1/2-1/2"}) +
                Head("3") +
                Lines({"[White \"Soto, Mar\"]", "[Black \"P\xE9rez, Juan\"]", "[Result \"*\"]",
                       "[ECO \"A00\"]", "[WhiteElo \"1850\"]", "[BlackElo \"1980\"]", "1.", "*"}));
  EXPECT_EQ(t_.dialogs.shown, std::vector<std::string>{"INFO||El fichero Zdjug.pgn ha sido creado"});
}

TEST_F(PgnExportTest, OnePlayersByesAreNotWrittenAndDosHalfByteIsADraw) {
  // López (2): a draw stored with the DOS program's byte as White, then a bye.
  SetPlayerRound(2, 1, 6, "B", "\xAB");
  SetPlayerRound(2, 2, 0, "D", "1");
  ASSERT_TRUE(WritePlayerPgn(t_.state, "L\xF3pez, Luis", "lopez.pgn"));
  EXPECT_EQ(ReadBytes(t_.Path("lopez.pgn")),
            Head("1") + Lines({"[White \"L\xF3pez, Luis\"]", "[Black \"Vidal, Ot\"]", "[Result \"1/2-1/2\"]",
                               "[ECO \"A00\"]", "1.", "1/2-1/2"}));
}

TEST_F(PgnExportTest, DoubleForfeitIsUnfinishedInBothPlayersFiles) {
  // Vidal (6) and Zúñiga (7) both lost round 2 by forfeit; Ruiz (4) won round 2 against Soto
  // (5) by Soto's absence.
  SetPlayerRound(6, 2, 7, "B", "0", "i");
  SetPlayerRound(7, 2, 6, "N", "0", "i");
  SetPlayerRound(4, 2, 5, "B", "1", "i");
  SetPlayerRound(5, 2, 4, "N", "0", "i");
  EXPECT_TRUE(t_.torneos().Put("N_R_ACTUAL", 2.0).ok());
  EXPECT_TRUE(t_.torneos().Commit().ok());
  for (const char* name : {"Vidal, Ot", "Z\xFA\xF1iga, Pau"}) {
    ASSERT_TRUE(WritePlayerPgn(t_.state, name, "jug.pgn"));
    const std::string file = ReadBytes(t_.Path("jug.pgn"));
    EXPECT_NE(file.find(Lines({"[White \"Vidal, Ot\"]", "[Black \"Z\xFA\xF1iga, Pau\"]", "[Result \"*\"]",
                               "[ECO \"A00\"]", kBothAbsent, "1.", "*"})),
              std::string::npos)
        << name << "\n" << file;
    EXPECT_EQ(CheckWithPgnExtract(t_.Path("jug.pgn")).diagnostics, "") << name;
  }
  ASSERT_TRUE(WritePlayerPgn(t_.state, "Soto, Mar", "soto.pgn"));
  EXPECT_NE(ReadBytes(t_.Path("soto.pgn"))
                .find(Lines({"[Result \"1-0\"]", "[ECO \"A00\"]", "[BlackElo \"1850\"]", kBlackAbsent, "1.",
                             "1-0"})),
            std::string::npos);
}

TEST_F(PgnExportTest, PlayersOfTheSameNameGiveTheFirstOne) {
  t_.SetPlayer(6, {"Ruiz, Eva"});  // a second "Ruiz, Eva", record 6
  SetPlayerRound(4, 1, 1, "N", "0");
  SetPlayerRound(6, 1, 2, "N", "\xBD");
  ASSERT_TRUE(WritePlayerPgn(t_.state, "Ruiz, Eva", "ruiz.pgn"));
  EXPECT_EQ(ReadBytes(t_.Path("ruiz.pgn")),
            Head("1") + Lines({"[White \"Garc\xED"
                               "a, Ana\"]",
                               "[Black \"Ruiz, Eva\"]", "[Result \"1-0\"]", "[ECO \"A00\"]",
                               "[WhiteElo \"2105\"]", "1.", "1-0"}));
}

TEST_F(PgnExportTest, QuoteInANameIsEscapedAndStartDateMissingIsUnknown) {
  t_.SetPlayer(1, {"O\"Neill, \\Ana", 2105});
  storage::Table& torneos = t_.torneos();
  EXPECT_TRUE(torneos.Put("FECHA_INI", storage::Date{}).ok());
  EXPECT_TRUE(torneos.Commit().ok());
  ASSERT_TRUE(WriteRoundPgn(t_.state, 1, "r1.pgn"));
  EXPECT_TRUE(ReadBytes(t_.Path("r1.pgn"))
                  .starts_with(Lines({"[Event \"Open de prueba\"]",
                                      "[Site \"Val\xE8"
                                      "ncia\"]",
                                      "[Date \"????.??.??\"]", "[Round \"1.1\"]",
                                      "[White \"O\\\"Neill, \\\\Ana\"]"})));
  const PgnCheck check = CheckWithPgnExtract(t_.Path("r1.pgn"));
  EXPECT_EQ(check.diagnostics, "");
}

TEST_F(PgnExportTest, EveryExportPassesPgnExtract) {
  SetPlayerRound(3, 1, 7, "N", "1", "i");
  SetPlayerRound(3, 2, 1, "b", "\xBD");
  ASSERT_TRUE(WriteTournamentPgn(t_.state));
  ASSERT_TRUE(WriteRoundPgn(t_.state, 2, "r2.pgn"));
  ASSERT_TRUE(WritePlayerPgn(t_.state, "P\xE9rez, Juan", "perez.pgn"));
  for (const char* file : {"ZdAB.pgn", "r2.pgn", "perez.pgn"}) {
    const PgnCheck check = CheckWithPgnExtract(t_.Path(file));
    EXPECT_EQ(check.diagnostics, "") << file;
  }
  // Every game is read, the last one of a file too: each ends with its termination marker.
  EXPECT_EQ(CheckWithPgnExtract(t_.Path("ZdAB.pgn")).games, 7);
  EXPECT_EQ(CheckWithPgnExtract(t_.Path("r2.pgn")).games, 3);
  EXPECT_EQ(CheckWithPgnExtract(t_.Path("perez.pgn")).games, 2);
}

TEST_F(PgnExportTest, FileThatCannotBeCreatedIsNamedAndNotReportedAsCreated) {
  // A folder under the file's name: no one, not even the superuser, can put a file there.
  std::filesystem::create_directories(t_.Path("ZdAB-r1.pgn/dentro"));
  EXPECT_FALSE(WriteRoundPgn(t_.state, 1, "ZdAB-r1.pgn"));
  ASSERT_EQ(t_.dialogs.shown.size(), 1u);
  EXPECT_EQ(t_.dialogs.shown[0].rfind("STOP||No se ha podido crear el fichero ZdAB-r1.pgn\\n", 0), 0u)
      << t_.dialogs.shown[0];
  EXPECT_TRUE(std::filesystem::is_directory(t_.Path("ZdAB-r1.pgn")));
  // No temporary is left beside it either.
  for (const std::string& name : rounds::testing::FolderListing(t_.dir()))
    EXPECT_EQ(name.find(".pgn."), std::string::npos) << name;
  EXPECT_EQ(t_.state.workspace.Find("ronda"), nullptr);
}

TEST_F(PgnExportTest, FileInAMissingFolderIsNamedAndNotReportedAsCreated) {
  EXPECT_FALSE(WritePlayerPgn(t_.state, "Ruiz, Eva", "no/existe/ruiz.pgn"));
  ASSERT_EQ(t_.dialogs.shown.size(), 1u);
  EXPECT_EQ(t_.dialogs.shown[0].rfind("STOP||No se ha podido crear el fichero no/existe/ruiz.pgn\\n", 0), 0u)
      << t_.dialogs.shown[0];
}

TEST_F(PgnExportTest, MissingRoundTableStopsTheTournamentExportWithoutAFile) {
  std::filesystem::remove(t_.Path("r3AB.dbf"));
  EXPECT_FALSE(WriteTournamentPgn(t_.state));
  EXPECT_EQ(t_.dialogs.shown, std::vector<std::string>{
                                  "STOP||No se puede crear el fichero PGN\\nNo existe el fichero r3AB.dbf"});
  EXPECT_FALSE(std::filesystem::exists(t_.Path("ZdAB.pgn")));
  EXPECT_EQ(t_.state.workspace.Find("ronda"), nullptr);
}

// The DOS program's folder as it leaves it: upper-case names, code page 850 names, draws
// as 0xAB and as " 1/2 ", lower-case colours, forfeits. Opened where it lies in a copy.
class DosFolderPgnTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "movarel-pgn-dos-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    for (const auto& entry : std::filesystem::directory_iterator(MOVAREL_FIXTURES_DIR "/dos-old-format")) {
      const std::string target = dir_ + "/" + entry.path().filename().string();
      std::filesystem::copy_file(entry.path(), target);
      std::filesystem::permissions(target, std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add);
    }
    state_.dialogs = &dialogs_;
    state_.CCLAVE = "OP";
    auto torneos = state_.workspace.Use(dir_ + "/torneos", "torneos", /*shared=*/false);
    ASSERT_TRUE(torneos.ok());
    (*torneos)->GoTop();
    ASSERT_TRUE(state_.workspace.Use(dir_ + "/cuOP", "cuadro", /*shared=*/false).ok());
  }
  void TearDown() override {
    state_.workspace.CloseAll();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  std::string dir_;
  rounds::testing::ScriptedDialogs dialogs_;
  registry::WorkingState state_;
};

TEST_F(DosFolderPgnTest, RoundGivesCodePage850NamesInWindows1252AndReadsEveryDrawForm) {
  ASSERT_TRUE(WriteRoundPgn(state_, 3, "ZdOP-r3.pgn"));
  EXPECT_EQ(ReadBytes(dir_ + "/ZdOP-r3.pgn"), kDosRound3);
  EXPECT_EQ(CheckWithPgnExtract(dir_ + "/ZdOP-r3.pgn").diagnostics, "");
}

TEST_F(DosFolderPgnTest, WholeTournamentHasTheFifteenGamesOfThreeRounds) {
  ASSERT_TRUE(WriteTournamentPgn(state_));
  const std::string written = ReadBytes(dir_ + "/ZdOP.pgn");
  size_t games = 0;
  for (size_t at = written.find("1.\r\n"); at != std::string::npos; at = written.find("1.\r\n", at + 1))
    ++games;
  EXPECT_EQ(games, 15u);
  EXPECT_TRUE(written.ends_with(kDosRound3));
  // Round 1 board 1 of the DOS table: 2-1 " 1-0i".
  EXPECT_TRUE(written.starts_with(DosHead("1.1") + Lines({"[White \"MU\xD1OZ,PEDRO\"]",
                                                          "[Black \"GARCIA,MARIA\"]", "[Result \"1-0\"]"})));
  EXPECT_EQ(written.find(" 1/2"), std::string::npos);
  EXPECT_EQ(CheckWithPgnExtract(dir_ + "/ZdOP.pgn").diagnostics, "");
  EXPECT_EQ(dialogs_.shown, std::vector<std::string>{"INFO||El fichero ZdOP.pgn ha sido creado"});
}

TEST_F(DosFolderPgnTest, OnePlayerWithLowerCaseColoursSitsWhereTheRoundTableSays) {
  ASSERT_TRUE(WritePlayerPgn(state_, "GARCIA,MARIA", "ZdOP-jug.pgn"));
  EXPECT_EQ(ReadBytes(dir_ + "/ZdOP-jug.pgn"), kDosGarciaGames);
}

}  // namespace
}  // namespace movarel::pgn
