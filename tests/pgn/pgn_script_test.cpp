// The three PGN commands through the real program, driven by a script as a user would: the
// DOS program's folder opened (and upgraded) from the menu, a round chosen in FrmElegRda, the
// whole tournament, a player chosen in FrmElegJug, and a file the system cannot create. The
// same road runs through the real windows under Xvfb when the program has them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dos_folder_games.h"
#include "support/headless_and_windowed.h"

namespace movarel::pgn {
namespace {

using movarel::testing::ReadBytes;
using testing::kBlackAbsent;
using testing::DosHead;
using testing::kDosGarciaGames;
using testing::kDosRound3;
using testing::Lines;

class PgnScriptTest : public movarel::testing::HeadlessAndWindowed {
 protected:
  PgnScriptTest() : HeadlessAndWindowed("movarel-pgn-road") {}
  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (Ready()) session_.CopyFixture("dos-old-format", "dos");
  }

  std::string dos() const { return session_.file("dos"); }
  // Opens the DOS tournament (accepting the format upgrade), runs `lines`, and returns the
  // transcript from the first line after the opening.
  std::string Session(const std::string& lines) {
    const std::string transcript =
        Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos() + "/CUOP.DBF\nyes\n" + lines + "quit\n");
    const std::string opened = "TITLE|Movarel v3.0-beta3 - OPEN DE PRUEBA OP";
    const size_t at = transcript.find(opened);
    if (at == std::string::npos) return transcript;
    return transcript.substr(transcript.find('\n', at) + 1);
  }
};

TEST_P(PgnScriptTest, RoundTournamentAndPlayerFilesFromTheMenu) {
  const std::string transcript = Session(
      "menu mnuPGNRda\nform FrmElegRda\nclick btnOk\n"
      "menu mnuPGNRda\nform FrmElegRda\nset cbxRdas 1\nset txtFichero primera.pgn\nclick btnOk\n"
      "menu \"&PGN\" \"Crear fichero PGN del &torneo\"\n"
      "menu mnuPGNJug\nform FrmElegJug\nset cbxJugs 3\nclick btnOk\n");
  ASSERT_EQ(status_, 0) << transcript;
  // The chooser opens on the current round 3 with its file name; the player list is in
  // alphabetical order, GARCIA,MARIA third after DÍAZ and FERNÁNDEZ.
  EXPECT_EQ(transcript,
            "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\nINFO||El fichero ZdOP-r3.pgn ha sido creado\n"
            "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\nINFO||El fichero primera.pgn ha sido creado\n"
            "INFO||El fichero ZdOP.pgn ha sido creado\n"
            "FORM|FrmElegJug|Movarel v3.0-beta3\nRELEASE|FrmElegJug\nINFO||El fichero ZdOP-jug.pgn ha sido "
            "creado\n");
  EXPECT_EQ(ReadBytes(dos() + "/ZdOP-r3.pgn"), kDosRound3);
  EXPECT_TRUE(
      ReadBytes(dos() + "/primera.pgn")
          .starts_with(DosHead("1.1") +
                       Lines({"[White \"MU\xD1OZ,PEDRO\"]", "[Black \"GARCIA,MARIA\"]", "[Result \"1-0\"]",
                              "[ECO \"\"]", "[WhiteElo \"1883\"]", "[BlackElo \"1537\"]", kBlackAbsent, "1.",
                              "1-0"})));
  EXPECT_TRUE(ReadBytes(dos() + "/ZdOP.pgn").ends_with(kDosRound3));
  EXPECT_EQ(ReadBytes(dos() + "/ZdOP-jug.pgn"), kDosGarciaGames);
}

TEST_P(PgnScriptTest, ChangingTheRoundRewritesTheFileName) {
  const std::string transcript = Session("menu mnuPGNRda\nform FrmElegRda\nset cbxRdas 2\nclick btnOk\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(
      transcript,
      "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\nINFO||El fichero ZdOP-r2.pgn ha sido creado\n");
  EXPECT_TRUE(ReadBytes(dos() + "/ZdOP-r2.pgn").starts_with(DosHead("2.1")));
}

TEST_P(PgnScriptTest, FileThatCannotBeCreatedGetsAStopBoxAndNoSuccess) {
  // A folder holds the name the whole-tournament export wants.
  std::filesystem::create_directories(dos() + "/ZdOP.pgn/dentro");
  const std::string transcript = Session("menu mnuPGN\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript.rfind("STOP||No se ha podido crear el fichero ZdOP.pgn\\n", 0), 0u) << transcript;
  EXPECT_EQ(transcript.find("INFO|"), std::string::npos) << transcript;
  EXPECT_TRUE(std::filesystem::is_directory(dos() + "/ZdOP.pgn"));
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, PgnScriptTest, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::pgn
