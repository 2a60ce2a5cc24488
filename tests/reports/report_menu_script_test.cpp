// The listings of this folder through the real program, driven by a script as a user would:
// a tournament created from the menu, then the full tournament pages, the score groups
// through the round chooser, the pairing list from its own chooser variant and the list of
// the folder's tournaments, which closes the tournament.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "report_test_support.h"

namespace movarel::reports {
namespace {

class ReportMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "movarel-report-menus-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    std::filesystem::create_directories(root_ + "/windows");
    std::filesystem::create_directories(folder());
    ASSERT_EQ(Run("'" MOVAREL_BINARY "' --make-templates zd >/dev/null 2>&1"), 0);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  std::string folder() const { return root_ + "/torneos"; }
  std::string file(const std::string& name) const { return folder() + "/" + name; }
  int Run(const std::string& command) const {
    const int raw = std::system(("cd '" + root_ + "' && env MOVAREL_WINDOWS_DIR='" + root_ +
                                 "/windows' HOME='" + root_ + "' " + command)
                                    .c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::string Script(const std::string& script) {
    std::ofstream(root_ + "/session.script", std::ios::binary) << script;
    status_ = Run("'" MOVAREL_BINARY "' --script session.script >transcript.txt 2>/dev/null");
    return testing::ReadBytes(root_ + "/transcript.txt");
  }
  std::string CreateScript() const {
    return "menu mnuTorNuevo\nfolder " + folder() +
           "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\nset txtLOCALIDAD Sueca\n"
           "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS 4\nset txtN_RONDAS 2\n"
           "click btnOk\n";
  }

  std::string root_;
  int status_ = -1;
};

TEST_F(ReportMenus, FullPagesScoreGroupsPairingsAndTheFolderList) {
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
  const std::string index = testing::ReadBytes(file("zdab.htm"));
  EXPECT_EQ(index.find("zdabr1.htm"), std::string::npos);
  EXPECT_NE(index.find("<a href=\"zdabof.htm\">Orden de fuerza</a><br><BR>\r\n"
                       "<a href=\"zdabcu.htm\">Cuadro del torneo</a><br><BR>\r\n<HR>\r\n"),
            std::string::npos)
      << index;
  const std::string list = testing::ReadBytes(file("ListaTorneos.htm"));
  EXPECT_NE(list.find("<pre>AB       - OPEN DE PRUEBA"), std::string::npos) << list;
  EXPECT_NE(list.find(" - 10-05-2024 - 12-05-2024 - SUECA\r\n</pre></font><HR>\r\n</BODY></HTML>"),
            std::string::npos)
      << list;
}

}  // namespace
}  // namespace movarel::reports
