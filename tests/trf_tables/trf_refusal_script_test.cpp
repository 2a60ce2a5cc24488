// Files a tournament cannot be made from, offered to "Torneo desde fichero TRF": the stop box
// names the file, the line and what is wrong, nothing more is asked, and the folder where the
// tournament would have gone is left exactly as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/program_session.h"

namespace movarel::trf_tables {
namespace {

namespace fs = std::filesystem;
using movarel::testing::ProgramSession;
using movarel::testing::ReadBytes;
using movarel::testing::WriteBytes;

std::map<std::string, std::string> FolderBytes(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = entry.is_directory() ? "(folder)" : ReadBytes(entry.path().string());
  }
  return files;
}

std::string ExampleA() { return ReadBytes(MOVAREL_FIXTURES_DIR "/trf/example-a.trf"); }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

std::string ThousandPlayers() {
  std::string text = "012 Grande\r\n";
  for (int n = 1; n <= 1000; ++n) {
    std::string number = std::to_string(n);
    text += "001 " + std::string(4 - number.size(), ' ') + number + "      Jugador " + number +
            std::string(33 - 8 - number.size(), ' ') + std::string(33, ' ') + " 0.0\r\n";
  }
  return text;
}

struct Refusal {
  const char* name;
  std::string bytes;
  std::string message;  // the last line of the stop box
};

class TrfRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(TrfRefusalTest, NamesTheLineAndCreatesNothing) {
  ProgramSession session("movarel-trf-refusal");
  ASSERT_TRUE(session.made_templates());
  const std::string folder = session.Folder("nuevo");
  WriteBytes(session.file("entrada.trf"), GetParam().bytes);
  const auto before = FolderBytes(folder);
  const ProgramSession::Run run = session.Script("menu mnuImpTRF\nfile entrada.trf\nfolder " + folder +
                                                 "\ninput T\nquit\n");
  EXPECT_EQ(run.transcript.substr(run.transcript.find('\n') + 1),
            "FILE|Elija el fichero TRF del torneo|entrada.trf\nSTOP||No se puede crear el torneo desde el fichero TRF\\nFichero " +
                session.file("entrada.trf") + "\\n" + GetParam().message + "\n" +
                "UNASKED|line 3: folder " + folder + "\n");
  EXPECT_EQ(FolderBytes(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TrfRefusalTest,
    ::testing::Values(
        Refusal{"NotTrf", "Clasificaci\xC3\xB3n final\r\n1. Abel 2.5\r\n",
                "L\xC3\xADnea 1: no es un fichero TRF: no tiene ninguna l\xC3\xADnea de jugador (001)"},
        Refusal{"OpponentWhoDoesNotNameThePlayerBack",
                Replaced(ExampleA(), "     4 w 1     2 b 1", "     4 w 1     5 b 1"),
                "L\xC3\xADnea 21: ronda 2: el jugador n\xC2\xBA 1 tiene de rival al n\xC2\xBA 5, que no lo "
                "tiene a \xC3\xA9l de rival"},
        Refusal{"UnknownResult", Replaced(ExampleA(), "3 w =\r\n", "3 w X\r\n"),
                "L\xC3\xADnea 21: ronda 3, el resultado no es un c\xC3\xB3" "digo TRF: \"X\""},
        Refusal{"SixteenRounds", Replaced(ExampleA(), "142 3", "142 16"),
                "L\xC3\xADnea 14: el torneo tiene 16 rondas y un torneo admite como m\xC3\xA1ximo 15"},
        Refusal{"ThousandPlayers", ThousandPlayers(),
                "L\xC3\xADnea 1001: el torneo tiene 1000 jugadores y un torneo admite como m\xC3\xA1ximo 999"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

// A key the folder's register already has: refused after the key is given, the folder as it was.
TEST(TrfRefusal, KeyAlreadyInTheFolderLeavesItAsItWas) {
  ProgramSession session("movarel-trf-refusal");
  ASSERT_TRUE(session.made_templates());
  const std::string folder = session.Folder("nuevo");
  WriteBytes(session.file("a.trf"), ExampleA());
  const std::string import = "menu mnuImpTRF\nfile a.trf\nfolder " + folder + "\ninput LAGO\n";
  ASSERT_EQ(session.Script(import + "quit\n").status, 0);
  const auto before = FolderBytes(folder);
  const ProgramSession::Run run = session.Script(import + "quit\n");
  EXPECT_NE(run.transcript.find("STOP||No se puede crear el torneo desde el fichero TRF\\nYa hay un torneo con la "
                                "clave LAGO"),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(FolderBytes(folder), before);
}

// A round table's name already taken by a folder: the import fails half-way, removes every
// file it wrote and leaves the register alone.
TEST(TrfRefusal, FailureHalfWayRemovesWhatWasWritten) {
  ProgramSession session("movarel-trf-refusal");
  ASSERT_TRUE(session.made_templates());
  const std::string folder = session.Folder("nuevo");
  WriteBytes(session.file("a.trf"), ExampleA());
  const std::string import = "menu mnuImpTRF\nfile a.trf\nfolder " + folder + "\ninput ";
  ASSERT_EQ(session.Script(import + "PRIMERO\nquit\n").status, 0);
  fs::create_directories(folder + "/r2LAGO.dbf");
  const auto before = FolderBytes(folder);
  const ProgramSession::Run run = session.Script(import + "LAGO\nquit\n");
  EXPECT_NE(run.transcript.find("STOP||No se puede crear el torneo desde el fichero TRF\\nr2LAGO.dbf"),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(FolderBytes(folder), before);
}

}  // namespace
}  // namespace movarel::trf_tables
