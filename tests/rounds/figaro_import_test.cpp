#include "rounds/figaro_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "register/file_names.h"
#include "round_results_test_support.h"
#include "rounds/round_table_access.h"
#include "rounds_test_support.h"
#include "storage/value.h"

namespace movarel::rounds {
namespace {

using testing::Hex;
using testing::OpenTournament;
using testing::ReadBytes;
using testing::ReadFieldBytes;

// Answers the file dialog with `file` and records it like the transcript does.
struct FigaroDialogs : testing::ScriptedDialogs {
  std::string file;
  std::string GetFile(const std::vector<ui::FileFilter>& filters, const std::string& title,
                      const std::string& folder, bool change_folder) override {
    std::string line = "FILE|" + title + "|";
    for (const ui::FileFilter& f : filters) line += f.description + "=" + f.pattern + ";";
    line += folder + "|" + (change_folder ? "cd" : "stay");
    shown.push_back(line);
    return file;
  }
};

// A printed list in the layout the import reads: counted from the first character after the
// marker "k.-", White's number at 1-3, the result at 34-36, Black's number at 38-40.
struct Entry {
  int white;
  std::string result;
  int black;
};
std::string PrintedList(const std::string& round_text, const std::vector<Entry>& entries) {
  std::string text = "  CLUB DE PRUEBA\r\n\r\nRonda" + round_text + "   Fecha: 06-03-2004\r\n\r\n";
  text += "     Blancas                           Res Negras\r\n";
  for (size_t i = 0; i < entries.size(); ++i) {
    std::string line = std::to_string(i + 1) + ".-";
    std::string body = " " + storage::Str(entries[i].white, 3) + " JUGADOR";
    body.resize(34, ' ');
    body += entries[i].result + " " + storage::Str(entries[i].black, 3) + "  JUGADOR";
    text += line + body + "\r\n";
  }
  return text + "\r\n  Arbitro: JUAN ARBITRO\r\n";
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

struct ResultCase {
  const char* name;
  std::string printed;
  std::string stored;
  bool unknown;
};

void PrintTo(const ResultCase& c, std::ostream* out) { *out << c.name; }

class FigaroResultTest : public ::testing::TestWithParam<ResultCase> {};

TEST_P(FigaroResultTest, ThreeCharactersBecomeTheirResultCode) {
  OpenTournament t(2, 1);
  EXPECT_EQ(F_RDOFIG(GetParam().printed, 3, t.state), GetParam().stored);
  if (GetParam().unknown) {
    EXPECT_EQ(t.dialogs.shown, std::vector<std::string>{"INFO||Resultado desconocido en la Mesa 3"});
  } else {
    EXPECT_TRUE(t.dialogs.shown.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FigaroResultTest,
    ::testing::Values(ResultCase{"WhiteWins", "1-0", " 1-0 ", false},
                      ResultCase{"BlackWins", "0-1", " 0-1 ", false},
                      ResultCase{"DosDrawKeepsItsByte", "\xAB-\xAB", " \xAB-\xAB ", false},
                      ResultCase{"WhiteWinsByForfeit", "+--", " 1-0i", false},
                      ResultCase{"BlackWinsByForfeit", "--+", "i0-1 ", false},
                      ResultCase{"BothLoseByForfeit", "---", "i0-0i", false},
                      ResultCase{"DashAloneIsNoResult", " - ", "     ", false},
                      ResultCase{"ThreeBlanksAreNoResult", "   ", "     ", false},
                      ResultCase{"WindowsHalfByteIsUnknown", "\xBD-\xBD", "\xBD-\xBD", true},
                      ResultCase{"PointEachIsUnknown", "1-1", "1-1", true},
                      ResultCase{"PieceOfTwoResultsIsUnknown", "0.0", "0.0", true},
                      ResultCase{"CutShortIsUnknown", "1-", "1-", true}),
    [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST(FigaroBoards, FixtureListGivesFiveBoardsInOrder) {
  const std::string text = ReadBytes(MOVAREL_FIXTURES_DIR "/figaro-ronda4.txt");
  const std::optional<FigaroList> list = ReadFigaroList(text, 5);
  ASSERT_TRUE(list.has_value());
  EXPECT_EQ(list->round, 4);
  EXPECT_TRUE(list->problems.empty());
  ASSERT_EQ(list->boards.size(), 5u);
  const int expected[5][2] = {{3, 1}, {2, 5}, {4, 6}, {7, 9}, {8, 10}};
  const char* results[5] = {"1-0", "\xAB-\xAB", "+--", "--+", "---"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(list->boards[i].white, expected[i][0]) << i;
    EXPECT_EQ(list->boards[i].black, expected[i][1]) << i;
    EXPECT_EQ(list->boards[i].result, results[i]) << i;
  }
}

TEST(FigaroBoards, TwelveBoardsAreReadPastTheTwoDigitMarker) {
  std::vector<Entry> entries;
  for (int i = 1; i <= 12; ++i) entries.push_back({i, "1-0", 24 - i + 1});
  const std::optional<FigaroList> list = ReadFigaroList(PrintedList("  9", entries), 9);
  ASSERT_TRUE(list.has_value());
  EXPECT_TRUE(list->problems.empty());
  ASSERT_EQ(list->boards.size(), 12u);
  EXPECT_EQ(list->boards[9].white, 10);
  EXPECT_EQ(list->boards[11].white, 12);
  EXPECT_EQ(list->boards[11].black, 13);
}

// The DOS tournament folder (key OP, 10 players, 5 rounds, current round 3) opened the way the
// program leaves it, with the fixture list beside it.
class DosFolderImport : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "movarel-figaro-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    for (const auto& entry : std::filesystem::directory_iterator(MOVAREL_FIXTURES_DIR "/dos-old-format"))
      std::filesystem::copy_file(entry.path(), dir_ + "/" + entry.path().filename().string());
    std::filesystem::copy_file(MOVAREL_FIXTURES_DIR "/figaro-ronda4.txt", dir_ + "/figaro-ronda4.txt");
    previous_ = std::filesystem::current_path().string();
    std::filesystem::current_path(dir_);
    state_.dialogs = &dialogs_;
    state_.CCLAVE = "OP";
    state_.CCARPINI = dir_;
    ASSERT_TRUE(state_.workspace.Use(dir_ + "/TORNEOS.DBF", "torneos", false).ok());
    ASSERT_TRUE(state_.workspace.Use(dir_ + "/CUOP.DBF", "cuadro", false).ok());
    player_table_before_ = ReadBytes(dir_ + "/CUOP.DBF");
  }
  void TearDown() override {
    state_.workspace.CloseAll();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
  }
  std::vector<std::string> Round4() { return ReadFieldBytes(dir_ + "/R4OP.DBF", "JUG_B JUG_N RDO"); }

  std::string dir_, previous_, player_table_before_;
  FigaroDialogs dialogs_;
  registry::WorkingState state_;
};

TEST_F(DosFolderImport, FixtureListFillsRoundFourAndLeavesThePlayersAlone) {
  dialogs_.file = dir_ + "/figaro-ronda4.txt";
  dialogs_.answers = {true};
  FIGIMPP(state_);
  EXPECT_EQ(dialogs_.shown,
            (std::vector<std::string>{"FILE|Elegir fichero|Listados de F\xEDgaro=*.txt;" + dir_ + "|stay",
                                      "YESNO||Confirme la importaci\xF3n de la Ronda 4|yes"}));
  EXPECT_EQ(state_.NRONDASEL, 4);
  EXPECT_EQ(state_.CFICHTRAB, dir_ + "/figaro-ronda4.txt");
  EXPECT_EQ(state_.workspace.Find("ronda"), nullptr);
  EXPECT_EQ(state_.workspace.Selected(), state_.workspace.Find("cuadro"));
  state_.workspace.CloseAll();
  EXPECT_EQ(Round4(), (std::vector<std::string>{"3|1|20312d3020", "2|5|20ab2dab20", "4|6|20312d3069",
                                                "7|9|69302d3120", "8|10|69302d3069"}));
  EXPECT_EQ(ReadBytes(dir_ + "/CUOP.DBF"), player_table_before_);
  EXPECT_EQ(ReadFieldBytes(dir_ + "/TORNEOS.DBF", "N_R_ACTUAL"), std::vector<std::string>{"3"});
}

TEST_F(DosFolderImport, AnsweringNoWritesNothing) {
  dialogs_.file = dir_ + "/figaro-ronda4.txt";
  dialogs_.answers = {false};
  const std::string before = ReadBytes(dir_ + "/R4OP.DBF");
  FIGIMPP(state_);
  EXPECT_EQ(ReadBytes(dir_ + "/R4OP.DBF"), before);
  EXPECT_EQ(state_.workspace.Find("ronda"), nullptr);
}

TEST_F(DosFolderImport, CancelledFileDialogEndsSilently) {
  dialogs_.file = "";
  FIGIMPP(state_);
  EXPECT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(state_.NRONDASEL, 0);
}

TEST_F(DosFolderImport, ListWithoutRoundWordIsNotInterpreted) {
  WriteFile(dir_ + "/otro.txt", "1.-   3 JUGADOR 3                    1-0   1  JUGADOR 1\r\n");
  dialogs_.file = dir_ + "/otro.txt";
  FIGIMPP(state_);
  ASSERT_EQ(dialogs_.shown.size(), 2u);
  EXPECT_EQ(dialogs_.shown[1], "STOP||No se puede interpretar el fichero");
}

TEST_F(DosFolderImport, RoundTableHeldByAnotherProgramIsNamedAndNothingIsWritten) {
  dialogs_.file = dir_ + "/figaro-ronda4.txt";
  dialogs_.answers = {true};
  const std::string before = ReadBytes(dir_ + "/R4OP.DBF");
  storage::Workspace dos_program;
  ASSERT_TRUE(dos_program.Use(dir_ + "/R4OP.DBF", "held", false).ok());
  FIGIMPP(state_);
  dos_program.CloseAll();
  ASSERT_EQ(dialogs_.shown.size(), 3u);
  EXPECT_EQ(dialogs_.shown[2],
            "STOP|Importar la ronda 4|El fichero de la ronda 4 (r4OP.dbf) est\xE1 siendo utilizado por otro "
            "programa\\nNo se ha cambiado nada");
  EXPECT_EQ(ReadBytes(dir_ + "/R4OP.DBF"), before);
}

// Imports into round 2 of a 10-player tournament "AB" whose round tables have five boards,
// each board holding an earlier pairing 1-2 that must survive where the list does not reach.
class ListImport : public ::testing::Test {
 protected:
  ListImport() : t_(10, 8) {
    t_.state.dialogs = &dialogs_;
    testing::WriteBoards(
        t_, 2, {{1, 2, " 1-0 "}, {1, 2, " 1-0 "}, {1, 2, " 1-0 "}, {1, 2, " 1-0 "}, {1, 2, " 1-0 "}});
  }
  void Import(const std::string& list) {
    WriteFile(t_.Path("lista.txt"), list);
    dialogs_.file = t_.Path("lista.txt");
    dialogs_.answers = {true};
    FIGIMPP(t_.state);
    t_.state.dialogs = &t_.dialogs;
  }
  std::vector<std::string> Boards(int round) {
    t_.state.workspace.CloseAll();
    return ReadFieldBytes(t_.Path(registry::RoundTableName(round, "AB") + ".dbf"), "JUG_B JUG_N RDO");
  }
  // The boxes after the file dialog and the question.
  std::vector<std::string> Messages() {
    return std::vector<std::string>(dialogs_.shown.begin() + std::min<size_t>(2, dialogs_.shown.size()),
                                    dialogs_.shown.end());
  }

  OpenTournament t_;
  FigaroDialogs dialogs_;
};

TEST_F(ListImport, MoreBoardsThanTheTableAppendsTheMissingOnes) {
  Import(PrintedList("  2", {{1, "1-0", 6},
                             {7, "0-1", 2},
                             {3, "\xAB-\xAB", 8},
                             {9, "+--", 4},
                             {5, "--+", 10},
                             {11, "---", 12},
                             {13, "   ", 0}}));
  EXPECT_EQ(Boards(2),
            (std::vector<std::string>{"1|6|20312d3020", "7|2|20302d3120", "3|8|20ab2dab20", "9|4|20312d3069",
                                      "5|10|69302d3120", "11|12|69302d3069", "13|0|2020202020"}));
  EXPECT_EQ(Messages(), std::vector<std::string>{"EXCLAMATION|Hay errores en la ronda importada|"
                                                 "El jugador n\xBA 11 de la mesa 6 no existe en el cuadro\\n"
                                                 "El jugador n\xBA 12 de la mesa 6 no existe en el cuadro\\n"
                                                 "El jugador n\xBA 13 de la mesa 7 no existe en el cuadro"});
}

TEST_F(ListImport, FewerBoardsEmptyTheLaterBoards) {
  Import(PrintedList("  2", {{4, "+--", 3}, {5, "   ", 6}}));
  EXPECT_EQ(Boards(2), (std::vector<std::string>{"4|3|20312d3069", "5|6|2020202020", "0|0|2020202020",
                                                 "0|0|2020202020", "0|0|2020202020"}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ListImport, UnknownResultIsReportedAndStoredAsPrinted) {
  Import(PrintedList("  2", {{1, "1-0", 6}, {7, "1-1", 2}, {3, " - ", 8}}));
  EXPECT_EQ(Messages(), std::vector<std::string>{"INFO||Resultado desconocido en la Mesa 2"});
  EXPECT_EQ(Boards(2)[1], "7|2|" + Hex("1-1  "));
  EXPECT_EQ(Boards(2)[2], "3|8|2020202020");
}

TEST_F(ListImport, RoundNumberAfterTheWordPicksTheTable) {
  Import(PrintedList(" 7 ", {{2, "0-1", 1}}));
  EXPECT_EQ(t_.state.NRONDASEL, 7);
  EXPECT_EQ(Boards(7)[0], "2|1|20302d3120");
  EXPECT_EQ(Boards(2)[0], "1|2|20312d3020");
}

// Every fault of a list is named by its line, and a list with any is never written: not even
// the question is asked.
struct FaultCase {
  const char* name;
  std::string list;
  std::string problems;  // the stop box's lines between its first and its last
};

void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class FaultyList : public ListImport, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultyList, IsRefusedNamingTheLineAndNothingIsWritten) {
  const std::string before = ReadBytes(t_.Path("r2AB.dbf"));
  Import(GetParam().list);
  ASSERT_EQ(dialogs_.shown.size(), 2u);
  EXPECT_EQ(dialogs_.shown[1],
            "STOP|Importar la ronda del F\xEDgaro|No se puede importar el listado del F\xEDgaro:\\n" +
                GetParam().problems + "\\nNo se ha cambiado nada");
  EXPECT_EQ(ReadBytes(t_.Path("r2AB.dbf")), before);
  EXPECT_EQ(t_.state.NRONDASEL, 0);
}

// Line 3 holds "Ronda", line 6 the first board.
const std::string kBoard1 = "1.-   1 JUGADOR                      1-0   6  JUGADOR\r\n";
const std::string kHead = "  CLUB DE PRUEBA\r\n\r\nRonda  2   Fecha: 06-03-2004\r\n\r\n     Blancas\r\n";

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyList,
    ::testing::Values(
        FaultCase{"RoundTheTournamentDoesNotHave", PrintedList("  9", {{2, "0-1", 1}}),
                  "L\xEDnea 3: el torneo no tiene la ronda 9"},
        FaultCase{"UnreadableRound", PrintedList(" X ", {{2, "0-1", 1}}),
                  "L\xEDnea 3: no se puede leer el n\xFAmero de la ronda (\" X \")"},
        FaultCase{"RoundWithoutBoards", kHead + "\r\n  Arbitro: JUAN ARBITRO\r\n",
                  "L\xEDnea 3: la ronda no tiene ninguna mesa"},
        FaultCase{
            "ShortLine", kHead + kBoard1 + "2.-   7 JUGADOR     1-0\r\n3.-   3 JUGADOR 1-0   8\r\n",
            "L\xEDnea 7: la mesa 2 est\xE1 incompleta: la l\xEDnea acaba antes del n\xFAmero de las negras\\n"
            "L\xEDnea 8: la mesa 3 est\xE1 incompleta: la l\xEDnea acaba antes del n\xFAmero de las negras"},
        FaultCase{"UnreadableNumbers",
                  kHead + kBoard1 + "2.-   7 JUGADOR                      0-1  2a  JUGADOR\r\n" +
                      "3.-  x3 JUGADOR                      1-0   8  JUGADOR\r\n" +
                      "4.-     JUGADOR                      1-0   9  JUGADOR\r\n",
                  "L\xEDnea 7: no se puede leer el n\xFAmero de las negras de la mesa 2 (\" 2a\")\\n"
                  "L\xEDnea 8: no se puede leer el n\xFAmero de las blancas de la mesa 3 (\" x3\")\\n"
                  "L\xEDnea 9: no se puede leer el n\xFAmero de las blancas de la mesa 4 (\"   \")"},
        FaultCase{"WhiteZero", kHead + "1.-   0 JUGADOR                      1-0   6  JUGADOR\r\n",
                  "L\xEDnea 6: la mesa 1 no tiene jugador de blancas"},
        FaultCase{"GapInBoardNumbers",
                  kHead + kBoard1 + "3.-   3 JUGADOR                      1-0   8  JUGADOR\r\n" +
                      "13.-   9 JUGADOR                      1-0   4  JUGADOR\r\n",
                  "L\xEDnea 7: la mesa 3 aparece donde se esperaba la mesa 2\\n"
                  "L\xEDnea 8: la mesa 13 aparece donde se esperaba la mesa 4"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

// The list is read whole, NULs and end-of-file bytes included, from a file that may be
// read-only; what cannot be read is one stop box and no text.
TEST(FileReadTest, ReadsEveryByteOrStopsWithOneMessage) {
  OpenTournament t(2, 1);
  std::string bytes;
  for (int i = 0; i < 1024; ++i) bytes += static_cast<char>(i * 7 % 256);  // NULs and 0x1A included
  const std::string path = t.Path("ronda4.txt");
  std::ofstream(path, std::ios::binary) << bytes;
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  EXPECT_EQ(FILEREAD(path, t.state), bytes);
  EXPECT_EQ(FILEREAD("", t.state), "");
  EXPECT_TRUE(t.dialogs.shown.empty());
  EXPECT_EQ(FILEREAD(t.Path("no_existe.txt"), t.state), "");
  EXPECT_EQ(FILEREAD(t.dir(), t.state), "");
  EXPECT_EQ(t.dialogs.shown, std::vector<std::string>(2, "STOP||Error en la apertura del fichero"));
}

}  // namespace
}  // namespace movarel::rounds
