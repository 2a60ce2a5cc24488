// The full set of tournament pages and the tournament list of a folder, for the hand
// tournament of hand_tournament.h.

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "hand_tournament.h"
#include "listing_bytes.h"
#include "register/table_layouts.h"
#include "reports/pairing_report.h"
#include "reports/seeding_report.h"
#include "reports/tournament_list.h"
#include "reports/tournament_pages.h"
#include "storage/file_lock.h"

namespace movarel::reports {
namespace {

using testing::HandTournament;
using testing::kHandFooter;
using testing::kHandHead;

const std::string kIndexStart = kHandHead +
                                "<p class=\"updated\">Informe del torneo<BR>\r\n"
                                "<HR>\r\n"
                                "<br><BR>\r\n"
                                "<a href=\"zdabof.htm\">Orden de fuerza</a><br><BR>\r\n";
const std::string kIndexEnd =
    "<a href=\"zdabcu.htm\">Cuadro del torneo</a><br><BR>\r\n"
    "<HR>\r\n" +
    kHandFooter;

const std::vector<std::string> kAllPages = {"zdab.htm",   "zdabc1.htm", "zdabc2.htm",
                                            "zdabc3.htm", "zdabcu.htm", "zdabof.htm",
                                            "zdabr1.htm", "zdabr2.htm", "zdabr3.htm"};

std::vector<std::string> Pages(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 4 && name.substr(name.size() - 4) == ".htm") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TournamentPages, IndexLinksEveryRoundPlayedAndMarksTheLastOne) {
  HandTournament t;
  ASSERT_TRUE(LISHTMPAG(t.state));
  // FICHERO is stored "AB      ": the page names and links use it without the padding.
  const std::string expected =
      kIndexStart +
      "<a href=\"zdabr1.htm\">Resultados de la 1\xAA ronda</a><BR>\r\n"
      "<a href=\"zdabc1.htm\">Clasificaci\xF3n tras la 1\xAA ronda</a><br><BR>\r\n"
      "<a href=\"zdabr2.htm\">Resultados de la 2\xAA ronda</a><BR>\r\n"
      "<a href=\"zdabc2.htm\">Clasificaci\xF3n tras la 2\xAA ronda</a><br><BR>\r\n"
      "<a href=\"zdabr3.htm\">Resultados de la 3\xAA y \xFAltima ronda</a><BR>\r\n"
      "<a href=\"zdabc3.htm\">Clasificaci\xF3n tras la 3\xAA y \xFAltima ronda</a><br><BR>\r\n" +
      kIndexEnd;
  EXPECT_EQ(t.Page("zdab.htm"), expected);
  EXPECT_EQ(Pages(t.folder.path()), kAllPages);
  EXPECT_EQ(t.dialogs.infos,
            (std::vector<std::string>{
                "P\xE1gina principal del torneo creada", "P\xE1gina con el orden de fuerza del torneo creada",
                "P\xE1ginas de cada ronda creadas", "P\xE1gina del cuadro del torneo creada"}));
  EXPECT_TRUE(t.dialogs.stops.empty());
  // Only the index is opened; the pages written in bulk are not.
  EXPECT_EQ(t.dialogs.opened, (std::vector<std::string>{t.folder.file("zdab.htm")}));
}

TEST(TournamentPages, RoundPagesAreTheSameAsTheSingleListings) {
  HandTournament t;
  ASSERT_TRUE(LISHTMPAG(t.state));
  const std::string seeding = t.Page("zdabof.htm");
  const std::string pairing = t.Page("zdabr2.htm");
  HandTournament single;
  ASSERT_TRUE(LISHTMOF(single.state, "zdabof", false));
  ASSERT_TRUE(LISHTMPAREO(single.state, 2, "zdabr2", true, false));
  EXPECT_EQ(seeding, single.Page("zdabof.htm"));
  EXPECT_EQ(pairing, single.Page("zdabr2.htm"));
}

TEST(TournamentPages, NoRoundPlayedLinksOnlySeedingAndCrosstableButWritesEveryPage) {
  HandTournament t;
  EXPECT_TRUE(t.torneos().Put("N_R_ACTUAL", 0.0).ok());
  ASSERT_TRUE(LISHTMPAG(t.state));
  EXPECT_EQ(t.Page("zdab.htm"), kIndexStart + kIndexEnd);
  EXPECT_EQ(Pages(t.folder.path()), kAllPages);
}

TEST(TournamentPages, PlayerTableLockedByAnotherProgramWritesNothing) {
  HandTournament t;
  ASSERT_TRUE(t.state.workspace.Use(t.folder.file("cuAB.dbf"), "cuadro", /*shared=*/true).ok());
  const int other = open(t.folder.file("cuAB.dbf").c_str(), O_RDWR);
  ASSERT_GE(other, 0);
  ASSERT_TRUE(storage::TryLockRange(other, storage::kRecordBase + 2, 1, storage::LockKind::kWrite));
  EXPECT_FALSE(LISHTMPAG(t.state));
  close(other);
  EXPECT_TRUE(Pages(t.folder.path()).empty());
  EXPECT_EQ(t.dialogs.infos,
            (std::vector<std::string>{"El Cuadro de jugadores est\xE1 siendo utilizado por otro programa\r\n"
                                      "No se puede hacer el listado"}));
  EXPECT_TRUE(t.dialogs.opened.empty());
}

TEST(TournamentPages, PageThatCannotBeSavedStopsTheRunWithItsName) {
  HandTournament t;
  std::filesystem::create_directory(t.folder.file("zdabr2.htm"));
  EXPECT_FALSE(LISHTMPAG(t.state));
  ASSERT_EQ(t.dialogs.stops.size(), 1u);
  EXPECT_NE(t.dialogs.stops[0].find(t.folder.file("zdabr2.htm")), std::string::npos) << t.dialogs.stops[0];
  // The index and the seeding order were announced; nothing after the failed page is, and the
  // index is not opened.
  EXPECT_EQ(t.dialogs.infos.size(), 2u);
  EXPECT_TRUE(t.dialogs.opened.empty());
  EXPECT_FALSE(std::filesystem::exists(t.folder.file("zdabc2.htm")));
}

// A second folder with its own register: two tournaments as the register dialog stores them.
class TournamentList : public ::testing::Test {
 protected:
  TournamentList() {
    list_folder = t.folder.file("otros");
    std::filesystem::create_directory(list_folder);
    EXPECT_TRUE(storage::CreateTable(list_folder + "/torneos.dbf", registry::TorneosFields()).ok());
    storage::Workspace workspace;
    auto opened = workspace.Use(list_folder + "/torneos.dbf", "torneos", false);
    EXPECT_TRUE(opened.ok());
    storage::Table& r = **opened;
    EXPECT_TRUE(r.Append().ok());
    EXPECT_TRUE(r.Put("FICHERO", std::string("op24")).ok());
    EXPECT_TRUE(r.Put("TORNEO", std::string("Open de Sueca")).ok());
    EXPECT_TRUE(r.Put("FECHA_INI", storage::Date{2024, 7, 1}).ok());
    EXPECT_TRUE(r.Put("FECHA_FIN", storage::Date{2024, 7, 3}).ok());
    EXPECT_TRUE(r.Put("LOCALIDAD", std::string("Sueca")).ok());
    EXPECT_TRUE(r.Append().ok());
    EXPECT_TRUE(r.Put("FICHERO", std::string("rb")).ok());
    EXPECT_TRUE(r.Put("TORNEO", std::string("R\xE1pido & <Blitz>")).ok());
    EXPECT_TRUE(r.Put("FECHA_INI", storage::Date{2024, 12, 20}).ok());
    EXPECT_TRUE(r.Put("FECHA_FIN", storage::Date{2024, 12, 20}).ok());
    EXPECT_TRUE(r.Put("LOCALIDAD", std::string("Val\xE8ncia")).ok());
    workspace.CloseAll();
  }
  HandTournament t;
  std::string list_folder;
};

TEST_F(TournamentList, OneLinePerRegisterRecordInUpperCase) {
  registry::TournamentOutcome outcome = WriteTournamentList(t.state, list_folder);
  EXPECT_EQ(outcome.change, registry::TournamentChange::kClosed);
  const std::string expected =
      "<HTML><HEAD><meta charset=\"windows-1252\"><TITLE>Lista de torneos</TITLE><link rel=\"stylesheet\" href=\"zendral.css\" "
      "type=\"text/css\">"
      "</HEAD><BODY>\r\n<H1 Align=Center>Lista de torneos</H1><H2 Align=Center>" +
      list_folder +
      "</H2><BR>\r\n"
      "<HR>\r\n"
      "<font type=\"Courier New\"><pre>" +
      // Fields as stored: FICHERO 8, TORNEO 40, LOCALIDAD 25 (trailing blanks of the line go).
      testing::Padded("OP24", 8) + " - " + testing::Padded("OPEN DE SUECA", 40) +
      " - 01-07-2024 - 03-07-2024 - SUECA\r\n" +
      // Accented letters take their capitals too.
      testing::Padded("RB", 8) + " - R\xC1PIDO &amp; &lt;BLITZ&gt;" + testing::Blanks(24) +
      " - 20-12-2024 - 20-12-2024 - VAL\xC8NCIA\r\n" +
      "</pre></font><HR>\r\n"
      "</BODY></HTML>";
  EXPECT_EQ(testing::ReadBytes(list_folder + "/ListaTorneos.htm"), expected);
  EXPECT_EQ(t.state.workspace.Find("cuadro"), nullptr);
  EXPECT_EQ(t.state.workspace.Find("torneos"), nullptr);
  EXPECT_EQ(std::filesystem::current_path().string(), list_folder);
  EXPECT_EQ(t.dialogs.opened, (std::vector<std::string>{list_folder + "/ListaTorneos.htm"}));
}

TEST_F(TournamentList, EmptyRegisterGivesAnEmptyBlockBetweenTwoRules) {
  ASSERT_TRUE(storage::CreateTable(list_folder + "/torneos.dbf", registry::TorneosFields()).ok());
  WriteTournamentList(t.state, list_folder);
  const std::string page = testing::ReadBytes(list_folder + "/ListaTorneos.htm");
  EXPECT_NE(
      page.find("</H2><BR>\r\n<HR>\r\n<font type=\"Courier New\"><pre></pre></font><HR>\r\n</BODY></HTML>"),
      std::string::npos)
      << page;
}

TEST_F(TournamentList, FolderWithoutRegisterChangesNothing) {
  std::filesystem::remove(list_folder + "/torneos.dbf");
  registry::TournamentOutcome outcome = WriteTournamentList(t.state, list_folder);
  EXPECT_EQ(outcome.change, registry::TournamentChange::kUnchanged);
  EXPECT_EQ(t.dialogs.stops,
            (std::vector<std::string>{"No existe el fichero TORNEOS.dbf en la carpeta elegida"}));
  EXPECT_NE(t.state.workspace.Find("cuadro"), nullptr);
  EXPECT_FALSE(std::filesystem::exists(list_folder + "/ListaTorneos.htm"));
}

TEST_F(TournamentList, NoFolderChosenChangesNothing) {
  registry::TournamentOutcome outcome = LISTORNS(t.state);  // the dialogs double answers no folder
  EXPECT_EQ(outcome.change, registry::TournamentChange::kUnchanged);
  EXPECT_EQ(t.dialogs.infos, (std::vector<std::string>{"No ha elegido la localizacion del torneo"}));
  EXPECT_NE(t.state.workspace.Find("cuadro"), nullptr);
}

}  // namespace
}  // namespace movarel::reports
