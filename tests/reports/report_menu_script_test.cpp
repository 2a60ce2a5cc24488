// The listings of this folder through the real program, driven by a script as a user would:
// a tournament created from the menu, then the full tournament pages, the score groups
// through the round chooser, the pairing list from its own chooser variant and the list of
// the folder's tournaments, which closes the tournament. Each session runs headless and
// through the real windows.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/headless_and_windowed.h"

namespace movarel::reports {
namespace {

class ReportMenus : public movarel::testing::HeadlessAndWindowed {
 protected:
  ReportMenus() : HeadlessAndWindowed("movarel-report-menus") {}
  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (Ready()) session_.Folder("torneos");
  }
  std::string folder() const { return session_.file("torneos"); }
  std::string file(const std::string& name) const { return folder() + "/" + name; }
  std::string CreateScript() const {
    return "menu mnuTorNuevo\nfolder " + folder() +
           "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\nset txtLOCALIDAD Sueca\n"
           "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS 4\nset txtN_RONDAS 2\n"
           "click btnOk\n";
  }
};

TEST_P(ReportMenus, FullPagesScoreGroupsPairingsAndTheFolderList) {
  const std::string transcript =
      Script(CreateScript() +
             "menu mnuLisHtmPag\n"
             "menu mnuLisHtmGP\nform FrmElegRda\nclick btnOk\n"
             "menu mnuLisHtmP\nform FrmElegRda\nset txtFichero emparej\nclick btnOk\n"
             "menu mnuLisTorns\nfolder " +
             folder() + "\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  const std::string title = "TITLE|Movarel v3.0-beta3 - Open de prueba" + std::string(40 - 14, ' ') + "\n";
  EXPECT_EQ(transcript,
            "TITLE|Movarel v3.0-beta3\n"
            "FOLDER|Crear torneo nuevo en...|" +
                folder() + "\nFORM|FrmET|" + folder() + "\nRELEASE|FrmET\n" + title +
                "INFO||Página principal del torneo creada\n"
                "INFO||Página con el orden de fuerza del torneo creada\n"
                "INFO||Páginas de cada ronda creadas\n"
                "INFO||Página del cuadro del torneo creada\n"
                "OPEN|" +
                file("zdab.htm") +
                "\n"
                "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n"
                "INFO||Fichero Zendral.htm con grupos de puntuación creado\n"
                "OPEN|" +
                file("zendral.htm") +
                "\n"
                "FORM|FrmElegRda|Elegir ronda\n"
                "OPEN|" +
                file("emparej.htm") +
                "\n"
                "RELEASE|FrmElegRda\n"
                "FOLDER|Crear torneo nuevo en...|" +
                folder() +
                "\n"
                "TITLE|Movarel v3.0-beta3\n"
                "OPEN|" +
                file("ListaTorneos.htm") + "\n");
  for (const char* page : {"zdab.htm", "zdabof.htm", "zdabr1.htm", "zdabc1.htm", "zdabr2.htm", "zdabc2.htm",
                           "zdabcu.htm", "zendral.htm", "emparej.htm", "ListaTorneos.htm"}) {
    EXPECT_TRUE(std::filesystem::exists(file(page))) << page;
  }
  // No round confirmed yet: the index links the seeding order and the crosstable only.
  const std::string index = movarel::testing::ReadBytes(file("zdab.htm"));
  EXPECT_EQ(index.find("zdabr1.htm"), std::string::npos);
  EXPECT_NE(index.find("<a href=\"zdabof.htm\">Orden de fuerza</a><br><BR>\r\n"
                       "<a href=\"zdabcu.htm\">Cuadro del torneo</a><br><BR>\r\n<HR>\r\n"),
            std::string::npos)
      << index;
  const std::string list = movarel::testing::ReadBytes(file("ListaTorneos.htm"));
  EXPECT_NE(list.find("<pre>AB       - OPEN DE PRUEBA"), std::string::npos) << list;
  EXPECT_NE(list.find(" - 10-05-2024 - 12-05-2024 - SUECA\r\n</pre></font><HR>\r\n</BODY></HTML>"),
            std::string::npos)
      << list;
}

// Four players typed in, seeded by FIDE rating, round 1 paired automatically and played
// (1-0 and a draw); then each listing of the menu after that round, each in a session of its
// own, as the pages share the name "Zendral".
TEST_P(ReportMenus, SeedingStandingsCrosstableAndPairingsAfterAPlayedRound) {
  std::string transcript = Script(
      CreateScript() +
      "menu mnuVerCuadro\nform FrmCuadro\n"
      "edit brwCuadro 1 JUG PÉREZ, ANA\nedit brwCuadro 1 ELOFIDE 2150\n"
      "edit brwCuadro 2 JUG MUÑOZ, JUAN\nedit brwCuadro 2 ELOFIDE 2210\n"
      "edit brwCuadro 3 JUG SERRANO, LUCÍA\nedit brwCuadro 3 ELOFIDE 1980\n"
      "edit brwCuadro 4 JUG NAVARRO, PABLO\nedit brwCuadro 4 ELOFIDE 2045\nclick btnHTOk\n"
      "menu \"&Torneo\" \"Crear &orden de fuerza de acuerdo a...\" \"elo FIDE+FEDA+FVA\"\nyes\n"
      "menu mnuEmparej\nform FrmElegRda\nclick btnOk\nyes\nyes\nform FrmEE\nclick btnOk\n"
      "menu mnuRdos\nform FrmElegRda\nclick btnOk\nform FrmER\nclick btnRdo01\nclick btnRdo02\nclick btnOk\n"
      "menu mnuLisHtmOF\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  // The seeding order's "Zendral" is the page the browser gets.
  EXPECT_TRUE(transcript.ends_with("OPEN|" + file("Zendral.htm") + "\n")) << transcript;
  std::string page = movarel::testing::ReadBytes(file("Zendral.htm"));
  EXPECT_NE(page.find("<p class=\"updated\">Orden de fuerza<BR>\r\n"), std::string::npos) << page;
  EXPECT_NE(page.find("(  1) MU\xD1OZ, JUAN"), std::string::npos) << page;
  EXPECT_NE(page.find("(  4) SERRANO, LUC\xCD" "A"), std::string::npos) << page;

  const std::string reopened = "TITLE|Movarel v3.0-beta3\nTITLE|Movarel v3.0-beta3 - Open de prueba" +
                               std::string(40 - 14, ' ') + "\n";
  const std::string chosen = "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n";
  // Standings and crosstable are written to "zendral": the existing "Zendral.htm" is
  // rewritten, not a second page beside it.
  transcript = Script("menu mnuAbrTorn1\nmenu mnuLisHtmC\nform FrmElegRda\nclick btnOk\nquit\n");
  EXPECT_EQ(transcript, reopened + chosen + "OPEN|" + file("Zendral.htm") + "\n");
  EXPECT_FALSE(std::filesystem::exists(file("zendral.htm")));
  page = movarel::testing::ReadBytes(file("Zendral.htm"));
  EXPECT_NE(page.find("Clasificaci\xF3n tras la 1\xAA ronda"), std::string::npos) << page;
  EXPECT_NE(page.find("  1. (  1)MU\xD1OZ, JUAN"), std::string::npos) << page;
  EXPECT_NE(page.find("  4. (  3)NAVARRO, PABLO"), std::string::npos) << page;

  transcript = Script("menu mnuAbrTorn1\nmenu mnuLisHtmCu\nform FrmElegRda\nclick btnOk\nquit\n");
  EXPECT_EQ(transcript, reopened + chosen + "OPEN|" + file("Zendral.htm") + "\n");
  page = movarel::testing::ReadBytes(file("Zendral.htm"));
  EXPECT_NE(page.find("Cuadro del torneo tras la 1\xAA ronda"), std::string::npos) << page;
  EXPECT_NE(page.find("  3. (  3)NAVARRO, PABLO"), std::string::npos) << page;

  // The pairing list without results, under a name of the user's.
  transcript = Script(
      "menu mnuAbrTorn1\nmenu mnuLisHtmP\nform FrmElegRda\nset txtFichero mesas\nset chkRdos false\nclick btnOk\n"
      "quit\n");
  EXPECT_EQ(transcript, reopened + "FORM|FrmElegRda|Elegir ronda\nOPEN|" + file("mesas.htm") +
                            "\nRELEASE|FrmElegRda\n");
  page = movarel::testing::ReadBytes(file("mesas.htm"));
  EXPECT_NE(page.find("(  1) MU\xD1OZ, JUAN"), std::string::npos) << page;
  EXPECT_EQ(page.find("1-0"), std::string::npos) << page;
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, ReportMenus, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::reports
