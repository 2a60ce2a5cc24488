// Result entry and the Fígaro import through the real program, driven by a script as a user
// would: the DOS tournament opened (and upgraded), round 4 imported from the printed list,
// its pairing confirmed, one board corrected in the result editor and the results confirmed. The same script
// runs through the real windows under Xvfb. Files are read back with python3-dbf.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../register/tournament_session.h"
#include "round_results_test_support.h"

namespace movarel::rounds {
namespace {

using registry::testing::Session;
using testing::ReadFieldBytes;

std::string ImportAndConfirmScript(const std::string& dos) {
  return "menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos + "/CUOP.DBF\nyes\n" +
         "menu \"Im&portar\" \"&Ronda del F\xC3\xADgaro\"\nfile " + dos + "/figaro-ronda4.txt\nyes\n" +
         "menu mnuEmparej\nform FrmElegRda\nset cbxRdas 4\nclick btnOk\nform FrmEE\nclick btnOk\nyes\n"
         "menu mnuRdos\nform FrmElegRda\nset cbxRdas 4\nclick btnOk\n"
         "form FrmER\nset brwRdos 5\nclick btnRdo08\nclick btnOk\nquit\n";
}

std::string CopyFixtures(const Session& session) {
  const std::string dos = session.CopyDosFixture("dos");
  std::filesystem::copy_file(MOVAREL_FIXTURES_DIR "/figaro-ronda4.txt", dos + "/figaro-ronda4.txt");
  return dos;
}

void ExpectRoundFourConfirmed(const std::string& dos) {
  EXPECT_EQ(ReadFieldBytes(dos + "/R4OP.DBF", "JUG_B JUG_N RDO"),
            (std::vector<std::string>{"3|1|20312d3020", "2|5|20ab2dab20", "4|6|20312d3069", "7|9|69302d3120",
                                      "8|10|20312d3120"}));
  // Worked by hand from the boards: the DOS draw keeps byte 0xAB, forfeits mark both players.
  EXPECT_EQ(ReadFieldBytes(dos + "/CUOP.DBF", "NUM R4P R4I"),
            (std::vector<std::string>{"1|30|20", "2|ab|20", "3|31|20", "4|31|69", "5|ab|20", "6|30|69",
                                      "7|30|69", "8|31|20", "9|31|69", "10|31|20"}));
  EXPECT_EQ(ReadFieldBytes(dos + "/TORNEOS.DBF", "N_R_ACTUAL"), std::vector<std::string>{"4"});
}

TEST(RoundResultsScript, FigaroRoundImportedCorrectedAndConfirmed) {
  Session session;
  ASSERT_TRUE(session.made_templates());
  const std::string dos = CopyFixtures(session);
  const Session::Run run = session.Script(ImportAndConfirmScript(dos));
  ASSERT_EQ(run.status, 0) << run.transcript;
  const std::string expected_tail = "FILE|Elegir fichero|" + dos + "/figaro-ronda4.txt\n" +
                                    "YESNO||Confirme la importación de la Ronda 4|yes\n"
                                    "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n"
                                    "FORM|FrmEE|Emparejamiento de la ronda 4\n"
                                    // The fixture's list repeats two games of earlier rounds.
                                    "YESNO|Emparejamiento de la ronda 4|"
                                    "El jugador nº 3 y el nº 1 ya han jugado en la ronda 3\\n"
                                    "El jugador nº 4 y el nº 6 ya han jugado en la ronda 1\\n"
                                    "¿Desea mantener este emparejamiento?|yes\n"
                                    "RELEASE|FrmEE\n"
                                    "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n"
                                    "FORM|FrmER|Resultados de la ronda 4\nRELEASE|FrmER\n";
  ASSERT_GE(run.transcript.size(), expected_tail.size());
  EXPECT_EQ(run.transcript.substr(run.transcript.size() - expected_tail.size()), expected_tail)
      << run.transcript;
  ExpectRoundFourConfirmed(dos);
}

TEST(RoundResultsScript, MissingRoundTableIsNamedAndTheEditorNeverOpens) {
  Session session;
  ASSERT_TRUE(session.made_templates());
  const std::string dos = CopyFixtures(session);
  std::filesystem::remove(dos + "/R5OP.DBF");
  const Session::Run run = session.Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos +
                                          "/CUOP.DBF\nyes\nmenu mnuRdos\nform FrmElegRda\nset cbxRdas 5\n"
                                          "click btnOk\nquit\n");
  ASSERT_EQ(run.status, 0) << run.transcript;
  EXPECT_NE(run.transcript.find("RELEASE|FrmElegRda\nSTOP|Resultados de la ronda 5|El fichero de la ronda 5 "
                                "(r5OP.dbf) no existe\\n"),
            std::string::npos)
      << run.transcript;
  EXPECT_EQ(run.transcript.find("FrmER"), std::string::npos);
  EXPECT_EQ(ReadFieldBytes(dos + "/TORNEOS.DBF", "N_R_ACTUAL"), std::vector<std::string>{"3"});
}

#ifdef MOVAREL_PROGRAM_HAS_WINDOWS
std::string Strip(std::string text, const std::string& root) {
  for (size_t at; (at = text.find(root)) != std::string::npos;) text.replace(at, root.size(), "ROOT");
  return text;
}

TEST(RoundResultsWindowedScript, RealWindowsImportAndConfirmTheSameRound) {
  if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run is not installed";
  Session headless, windowed;
  ASSERT_TRUE(headless.made_templates());
  ASSERT_TRUE(windowed.made_templates());
  const std::string dos_a = CopyFixtures(headless);
  const std::string dos_b = CopyFixtures(windowed);
  const Session::Run a = headless.Script(ImportAndConfirmScript(dos_a));
  const Session::Run b = windowed.Script(ImportAndConfirmScript(dos_b), /*windowed=*/true);
  ASSERT_EQ(a.status, 0) << a.transcript;
  ASSERT_EQ(b.status, 0) << b.transcript;
  EXPECT_EQ(Strip(b.transcript, windowed.root()), Strip(a.transcript, headless.root()));
  ExpectRoundFourConfirmed(dos_b);
}
#endif

}  // namespace
}  // namespace movarel::rounds
