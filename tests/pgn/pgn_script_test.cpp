// The three PGN commands through the real program, driven by a script as a user would: the
// DOS program's folder opened (and upgraded) from the menu, a round chosen in FrmElegRda, the
// whole tournament, a player chosen in FrmElegJug, and a file the system cannot create. The
// same road runs through the real windows under Xvfb when the program has them.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "../rounds/rounds_test_support.h"
#include "dos_folder_games.h"

namespace movarel::pgn {
namespace {

using rounds::testing::ReadBytes;
using testing::DosHead;
using testing::kDosGarciaGames;
using testing::kDosRound3;
using testing::Lines;

class PgnScriptTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "movarel-pgn-road-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    std::filesystem::create_directories(root_ + "/windows");
    std::filesystem::create_directories(dos());
    for (const auto& entry : std::filesystem::directory_iterator(MOVAREL_FIXTURES_DIR "/dos-old-format")) {
      const std::string target = dos() + "/" + entry.path().filename().string();
      std::filesystem::copy_file(entry.path(), target);
      std::filesystem::permissions(target, std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add);
    }
    ASSERT_EQ(Run("'" MOVAREL_BINARY "' --make-templates zd >/dev/null 2>&1"), 0);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  std::string dos() const { return root_ + "/dos"; }
  int Run(const std::string& command, const std::string& launcher = "") const {
    const int raw = std::system(("cd '" + root_ + "' && env MOVAREL_WINDOWS_DIR='" + root_ +
                                 "/windows' HOME='" + root_ + "' " + launcher + " " + command)
                                    .c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  // Opens the DOS tournament (accepting the format upgrade), runs `lines`, and returns the
  // transcript from the first line after the opening.
  std::string Session(const std::string& lines) {
    std::ofstream(root_ + "/session.script", std::ios::binary)
        << "menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos() + "/CUOP.DBF\nyes\n" + lines + "quit\n";
    const std::string launcher = GetParam() ? "LSAN_OPTIONS=suppressions=" MOVAREL_SOURCE_DIR
                                              "/tests/shell/gtk_lsan.supp:print_suppressions=0 xvfb-run -a"
                                            : "";
    status_ = Run("'" MOVAREL_BINARY "' --script session.script" + std::string(GetParam() ? " --gui" : "") +
                      " >transcript.txt 2>/dev/null",
                  launcher);
    const std::string transcript = ReadBytes(root_ + "/transcript.txt");
    const std::string opened = "TITLE|Movarel v3.0-beta3 - OPEN DE PRUEBA OP";
    const size_t at = transcript.find(opened);
    if (at == std::string::npos) return transcript;
    return transcript.substr(transcript.find('\n', at) + 1);
  }

  std::string root_;
  int status_ = -1;
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
                       Lines({"[White \"MU\xA5OZ,PEDRO\"]", "[Black \"GARCIA,MARIA\"]", "[Result \"1-0\"]",
                              "[ECO \"\"]", "[WhiteElo \"1883\"]", "[BlackElo \"1537\"]", "1.", "1-0"})));
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

#ifdef MOVAREL_PROGRAM_HAS_WINDOWS
INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, PgnScriptTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Windowed" : "Headless";
                         });
#else
INSTANTIATE_TEST_SUITE_P(Headless, PgnScriptTest, ::testing::Values(false));
#endif

}  // namespace
}  // namespace movarel::pgn
