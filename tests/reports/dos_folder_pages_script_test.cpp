// The DOS program's folder (tests/data/dos-old-format) copied under a folder named with an
// accent, "Año 2024", and used through the program as an arbiter would: opened from the file
// dialog, then the pairing page, the standings, the result slips, a PGN file under a name
// typed with an accent and the folder's tournament list. Every page, slip and file gives the
// DOS names (code page 850 in the tables: MU\xA5OZ, G\xE0MEZ, MART\xD6NEZ) in Windows-1252,
// prints the DOS draws as this program prints its own, and the tables keep their bytes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/headless_and_windowed.h"

namespace movarel::reports {
namespace {

using movarel::testing::CommandOutput;
using movarel::testing::ReadBytes;

constexpr char kAccented[] = "A\xC3\xB1o 2024";  // UTF-8, as the file system names it

class DosFolderPages : public movarel::testing::HeadlessAndWindowed {
 protected:
  DosFolderPages() : HeadlessAndWindowed("movarel-dos-pages") {}
  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (Ready()) dir_ = session_.CopyFixture("dos-old-format", kAccented);
  }
  std::string file(const std::string& name) const { return dir_ + "/" + name; }

  std::string dir_;
};

TEST_P(DosFolderPages, DosNamesAndDrawsComeOutAsWindowsTextInAnAccentedFolder) {
  const std::string transcript =
      Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + file("CUOP.DBF") + "\nyes" +
             "\nmenu mnuLisHtmP\nform FrmElegRda\nset cbxRdas 3\nset txtFichero mesas\nclick btnOk\n"
             "menu mnuLisHtmC\nform FrmElegRda\nset cbxRdas 3\nclick btnOk\n"
             "menu mnuLisPapRdos\nform FrmElegRda\nset cbxRdas 3\nclick btnOk\nprint " +
             file("papeletas.pdf") +
             "\nmenu mnuPGNRda\nform FrmElegRda\nset cbxRdas 3\nset txtFichero Se\xC3\xB1" "ora.pgn\nclick btnOk\n"
             "menu mnuLisTorns\nfolder " +
             dir_ + "\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  // Opened where it lies: the title names it; paths in the transcript are read as they are.
  EXPECT_NE(transcript.find("TITLE|Movarel v3.0-beta3 - OPEN DE PRUEBA OP"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("OPEN|" + file("mesas.htm") + "\n"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("INFO||El fichero Se\xC3\xB1ora.pgn ha sido creado\n"), std::string::npos)
      << transcript;
  EXPECT_EQ(transcript.find("\xC3\x83"), std::string::npos) << transcript;  // nothing converted twice

  // Round 3: 5-7 and 1-3 drawn as 0xAB, 4-2 as " 1/2 ": all three as " \xBD-\xBD ".
  const std::string pairings = ReadBytes(file("mesas.htm"));
  for (const char* name : {"MART\xCDNEZ,CARMEN", "G\xD3MEZ,LAURA", "MU\xD1OZ,PEDRO", "FERN\xC1NDEZ,ANA"}) {
    EXPECT_NE(pairings.find(name), std::string::npos) << name << "\n" << pairings;
  }
  size_t draws = 0;
  for (size_t at = pairings.find(" \xBD-\xBD\r\n"); at != std::string::npos; at = pairings.find(" \xBD-\xBD\r\n", at + 1))
    ++draws;
  EXPECT_EQ(draws, 3u) << pairings;
  EXPECT_EQ(pairings.find('\xAB'), std::string::npos);
  EXPECT_EQ(pairings.find("1/2"), std::string::npos);

  const std::string standings = ReadBytes(file("zendral.htm"));
  EXPECT_NE(standings.find("MU\xD1OZ,PEDRO"), std::string::npos) << standings;
  EXPECT_NE(standings.find("D\xCD" "AZ,MARIA"), std::string::npos) << standings;

  const std::string slips = CommandOutput("pdftotext -layout '" + file("papeletas.pdf") + "' -");
  EXPECT_NE(slips.find("MART\xC3\x8DNEZ,CARMEN"), std::string::npos) << slips;
  EXPECT_NE(slips.find("G\xC3\x93MEZ,LAURA"), std::string::npos) << slips;

  const std::string pgn = ReadBytes(file("Se\xC3\xB1ora.pgn"));
  EXPECT_NE(pgn.find("[White \"MART\xCDNEZ,CARMEN\"]\r\n[Black \"G\xD3MEZ,LAURA\"]"), std::string::npos) << pgn;

  // The folder's path in the list's heading, as Windows-1252 text.
  EXPECT_NE(ReadBytes(file("ListaTorneos.htm")).find("A\xF1o 2024</H2>"), std::string::npos);

  // The names stay as the DOS program wrote them.
  const std::string after = ReadBytes(file("CUOP.DBF"));
  for (const char* name : {"MU\xA5OZ,PEDRO", "G\xE0MEZ,LAURA", "MART\xD6NEZ,CARMEN"}) {
    EXPECT_NE(after.find(name), std::string::npos) << name;
  }
  EXPECT_EQ(after.find("MU\xD1OZ"), std::string::npos);
}

TEST_P(DosFolderPages, TournamentCreatedInAnAccentedFolderIsListedInCapitals) {
  const std::string folder = session_.Folder("Alcal\xC3\xA1 2025");
  const std::string transcript = Script(
      "menu mnuTorNuevo\nfolder " + folder +
      "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de Alcal\xC3\xA1\nset txtLOCALIDAD Alcal\xC3\xA1 de Henares\n"
      "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS 4\nset txtN_RONDAS 2\n"
      "click btnOk\nmenu mnuLisTorns\nfolder " +
      folder + "\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_NE(transcript.find("FORM|FrmET|" + folder + "\n"), std::string::npos) << transcript;
  EXPECT_TRUE(std::filesystem::exists(folder + "/cuAB.dbf")) << transcript;
  const std::string list = ReadBytes(folder + "/ListaTorneos.htm");
  EXPECT_NE(list.find("AB       - OPEN DE ALCAL\xC1 "), std::string::npos) << list;
  EXPECT_NE(list.find(" - ALCAL\xC1 DE HENARES\r\n"), std::string::npos) << list;
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, DosFolderPages, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::reports
