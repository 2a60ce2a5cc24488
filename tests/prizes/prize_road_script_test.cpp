// The prizes through the real program, driven by scripts as a user would: a tournament of
// seven players created from the menu, its results written into the player table as another
// program would (python3-dbf), then the eligibility grid, the prize browser, the category
// order, the distribution and the prize list, each run headless and through the real
// windows. Every table is read back with python3-dbf; the expectations are worked by hand.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/workspace.h"
#include "support/headless_and_windowed.h"

namespace movarel::prizes {
namespace {

using movarel::testing::ReadBytes;
using movarel::testing::ReadTable;
using movarel::testing::WriteFields;

constexpr char kWinnerFields[] = "PREMIO JUGADOR NUMJUG PUNTOS PUESTO PREMIOS";

// Seven players with distinct points over three rounds, so the standings order is the
// player order: 3, 2.5, 2, 1.5, 1, 0.5, 0. Player 2 has withdrawn.
const std::vector<std::string> kPlayers = {
    "'JUG=ALONSO, ANA' CAT=1 PREMIOS=j R1P=1 R2P=1 R3P=1",
    "'JUG=BENITO, BLAS' PREMIOS=jl BAJA=T R1P=1 R2P=1 R3P=½",
    "'JUG=CASTRO, CARMEN' PREMIOS=J R1P=1 R2P=1 R3P=0",
    "'JUG=DIAZ, DAVID' CAT=P PREMIOS=jm R1P=1 R2P=½ R3P=0",
    "'JUG=ESTEVE, ELENA' R1P=1 R2P=0 R3P=0",
    "'JUG=FERRER, FELIX' CAT=P R1P=½ R2P=0 R3P=0",
    "'JUG=GOMEZ, GLORIA' CAT=4 R1P=0 R2P=0 R3P=0",
};

// One prize typed in the one-prize dialog of the browser.
std::string NewPrize(const std::string& name, const std::string& code, int amount, bool cumulative) {
  std::string lines = "click btnHPrNuevo\nform FrmEdPrN\nset txtPREMIO " + name + "\n";
  if (code != " ") lines += "set txtID_CATEGOR " + code + "\n";
  lines += "set txtCANTIDAD " + std::to_string(amount) + "\n";
  if (cumulative) lines += "set chkACUMULABLE true\n";
  return lines + "click btnOk\n";
}

// A series of prizes of the type at `type` (1-based) of the "Añadir varios premios" dialog.
std::string NewSeries(int type, int count, bool cumulative) {
  return "click btnHPrsNuevo\nform FrmPrsNuevos\nset cbxTipoPremios " + std::to_string(type) +
         "\nset txtNPrs " + std::to_string(count) + "\n" + (cumulative ? "set chkAcumulables true\n" : "") +
         "click btnOk\n";
}

class PrizeRoad : public movarel::testing::HeadlessAndWindowed {
 protected:
  PrizeRoad() : HeadlessAndWindowed("movarel-prizes") {}

  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (!Ready()) return;
    folder_ = session_.Folder("t");
    const std::string created =
        Script("menu mnuTorNuevo\nfolder " + folder_ +
               "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\nset fecFECHA_INI 10-05-2024\n"
               "set fecFECHA_FIN 12-05-2024\nset txtN_JUGS 7\nset txtN_RONDAS 3\nclick btnOk\nquit\n");
    ASSERT_EQ(status_, 0) << created;
    for (size_t i = 0; i < kPlayers.size(); ++i) {
      ASSERT_TRUE(WriteFields(file("cuAB.dbf"), static_cast<int>(i) + 1, kPlayers[i]));
    }
  }

  std::string file(const std::string& name) const { return folder_ + "/" + name; }
  // Runs the lines on the tournament, opened from the first recent entry; expects a clean end.
  std::string Run(const std::string& lines) {
    const std::string transcript = Script("menu mnuAbrTorn1\n" + lines + "quit\n");
    EXPECT_EQ(status_, 0) << transcript;
    EXPECT_EQ(transcript.find("STOP|"), std::string::npos) << transcript;
    return transcript;
  }
  std::vector<std::string> Prizes(const std::string& fields) const {
    return ReadTable(file("prAB.dbf"), fields);
  }

  std::string folder_;
};

// The thirteen prizes of the rules below, largest first, as typed in the browser.
std::string RulePrizes() {
  return NewPrize("Primer premio", " ", 1000, false) + NewPrize("Segundo premio", "G", 500, false) +
         NewPrize("Juvenil 1", "j", 300, false) + NewPrize("Local acumulable", "L", 200, true) +
         NewPrize("Juvenil acumulable", "J", 150, true) + NewPrize("Juvenil 2", "j", 100, true) +
         NewPrize("Mujer", "m", 80, false) + NewPrize("Tercer premio", "g", 60, true) +
         NewPrize("Cuarto premio", " ", 50, false) + NewPrize("Preferente", "p", 40, false) +
         NewPrize("Quinto premio", " ", 30, true) + NewPrize("Sexto premio", " ", 20, false) +
         NewPrize("Séptimo premio", " ", 10, false);
}

TEST_P(PrizeRoad, EligibilityTypedAndClassesAddedThenPrizesGoByTheOnePrizeRules) {
  const std::string transcript = Run(
      // Elena's list typed in place; the class button pressed twice adds each class once.
      "menu mnuCuaPre\nform FrmHCPr\nedit brwCPr 5 PREMIOS l\nclick btnPCP\nclick btnPCP\nclick btnHCPrOk\n"
      "menu mnuHojPre\nform FrmHPr\n" +
      RulePrizes() + "click btnHPrOk\nmenu mnuCalPre\n");
  EXPECT_EQ(transcript.find("INFO|"), std::string::npos) << "the distribution ends silently\n" << transcript;
  EXPECT_EQ(ReadTable(file("cuAB.dbf"), "CAT PREMIOS"),
            (std::vector<std::string>{"1|j1", "|jl", "|J", "P|jmP", "|l", "P|P", "4|"}));
  EXPECT_EQ(Prizes(kWinnerFields), (std::vector<std::string>{
                                       // Non-cumulative general prize to the leader.
                                       "Primer premio|ALONSO, ANA|1|3|1|j1",
                                       // "G" is general; the withdrawn second never wins.
                                       "Segundo premio|CASTRO, CARMEN|3|2|3|J",
                                       // Both better-placed juniors hold a non-cumulative prize.
                                       "Juvenil 1|DIAZ, DAVID|4|1.5|4|jmP",
                                       // Code "L" matches the list "l".
                                       "Local acumulable|ESTEVE, ELENA|5|1|5|l",
                                       // A cumulative category prize joins a non-cumulative general one.
                                       "Juvenil acumulable|ALONSO, ANA|1|3|1|j1",
                                       // One prize per category, even cumulative.
                                       "Juvenil 2|CASTRO, CARMEN|3|2|3|J",
                                       // The only eligible player holds a non-cumulative prize.
                                       "Mujer|Desierto|0|0|0|",
                                       // "g" is general; cumulative joins a non-cumulative category prize.
                                       "Tercer premio|DIAZ, DAVID|4|1.5|4|jmP",
                                       // A cumulative prize does not bar a non-cumulative one.
                                       "Cuarto premio|ESTEVE, ELENA|5|1|5|l",
                                       "Preferente|FERRER, FELIX|6|0.5|6|P",
                                       "Quinto premio|FERRER, FELIX|6|0.5|6|P",
                                       "Sexto premio|GOMEZ, GLORIA|7|0|7|",
                                       "Séptimo premio|Desierto|0|0|0|",
                                   }));

  // Gloria withdraws: a new distribution leaves her prize void, without her number, points,
  // place or list.
  ASSERT_TRUE(WriteFields(file("cuAB.dbf"), 7, "BAJA=T"));
  Run("menu mnuCalPre\n");
  EXPECT_EQ(Prizes(kWinnerFields)[11], "Sexto premio|Desierto|0|0|0|");

  // The list, in the order of categories and names, a rule opening each category.
  Run("menu mnuLisHtmPre\n");
  const std::string page = ReadBytes(file("Zendral.htm"));
  auto line = [](std::string premio, const char* code, const char* cantidad, const char* acumulable,
                 std::string jugador, const char* puntos, const char* puesto, const char* optaba) {
    premio.resize(30, ' ');
    jugador.resize(30, ' ');
    std::string text = premio + " " + code + "        " + cantidad + "     " + acumulable + "     " +
                       jugador + puntos + puesto + "    " + optaba;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text + "\r\n";
  };
  const std::string rule = "<HR>\r\n";
  const std::string expected =
      "<pre>Premio          Categor\xED"
      "a Cantidad Acumulable Jugador" +
      std::string(24, ' ') + "Puntos Puesto Optaba a premios\r\n" + rule +
      line("Cuarto premio", " ", "      50", "No", "ESTEVE, ELENA", "    1.0", "      5", "l") + rule +
      line("Juvenil 1", "j", "     300", "No", "DIAZ, DAVID", "    1.5", "      4", "jmP") +
      line("Juvenil 2", "j", "     100", "S\xED", "CASTRO, CARMEN", "    2.0", "      3", "J") + rule +
      line("Juvenil acumulable", "J", "     150", "S\xED", "ALONSO, ANA", "    3.0", "      1", "j1") + rule +
      line("Local acumulable", "L", "     200", "S\xED", "ESTEVE, ELENA", "    1.0", "      5", "l") + rule +
      line("Mujer", "m", "      80", "No", "Desierto", "    0.0", "      0", "") + rule +
      line("Preferente", "p", "      40", "No", "FERRER, FELIX", "    0.5", "      6", "P") + rule +
      line("Primer premio", " ", "    1000", "No", "ALONSO, ANA", "    3.0", "      1", "j1") +
      line("Quinto premio", " ", "      30", "S\xED", "FERRER, FELIX", "    0.5", "      6", "P") + rule +
      line("Segundo premio", "G", "     500", "No", "CASTRO, CARMEN", "    2.0", "      3", "J") + rule +
      line("Sexto premio", " ", "      20", "No", "Desierto", "    0.0", "      0", "") +
      line("S\xE9ptimo premio", " ", "      10", "No", "Desierto", "    0.0", "      0", "") + rule +
      line("Tercer premio", "g", "      60", "S\xED", "DIAZ, DAVID", "    1.5", "      4", "jmP") + rule +
      "</pre>";
  const size_t begin = page.find("<pre>");
  const size_t end = page.find("</pre>");
  ASSERT_NE(begin, std::string::npos) << page;
  ASSERT_NE(end, std::string::npos) << page;
  EXPECT_EQ(page.substr(begin, end + 6 - begin), expected);
  EXPECT_NE(page.find("<p class=\"updated\">Premios<BR>\r\n<HR>\r\n<pre>"), std::string::npos) << page;
}

TEST_P(PrizeRoad, SeriesAreNumberedAndEqualAmountsGoByCategoryOrderThenName) {
  // Ten non-cumulative general prizes, two cumulative "Tercera", one "Juvenil", and a series
  // of none; the general category then ordered second.
  Run("menu mnuHojPre\nform FrmHPr\n" + NewSeries(1, 10, false) + NewSeries(9, 2, true) +
      NewSeries(2, 1, false) + NewSeries(5, 0, true) + "click btnHPrOk\n");
  std::vector<std::string> created = Prizes("PREMIO ID_CATEGOR CANTIDAD ORDEN ACUMULABLE");
  ASSERT_EQ(created.size(), 13u);
  // Amount and order are left empty, to be typed later (a blank amount counts as 0).
  EXPECT_EQ(created[0], "1. Premio||||F");
  EXPECT_EQ(created[9], "10. Premio||||F");
  EXPECT_EQ(created[10], "1. Tercera|3|||T");
  EXPECT_EQ(created[11], "2. Tercera|3|||T");
  EXPECT_EQ(created[12], "1. Juvenil|j|||F");

  // The list shows the codes in code order (blank, "3", "j"); "salir" keeps nothing.
  Run("menu mnuOrdenPremios\nform FrmCfgCatPrs\nset lbxCatPrs 1\nclick btnBajar\nclick btnCatPrsOk\n");
  EXPECT_EQ(Prizes("ORDEN")[0], "");
  Run("menu mnuOrdenPremios\nform FrmCfgCatPrs\nset lbxCatPrs 1\nclick btnBajar\nclick btnCatPrsGrabar\n");
  const std::vector<std::string> orders = Prizes("ID_CATEGOR ORDEN");
  EXPECT_EQ(orders[0], "|02");
  EXPECT_EQ(orders[10], "3|01");
  EXPECT_EQ(orders[12], "j|03");
  for (const char* work : {"tmp.ntx", "cats.dbf", "cats.ntx"}) {
    EXPECT_FALSE(std::filesystem::exists(file(work))) << work;
  }

  // Gloria, last, may win the third-class prizes.
  ASSERT_TRUE(WriteFields(file("cuAB.dbf"), 7, "PREMIOS=3"));
  Run("menu mnuCalPre\n");
  EXPECT_EQ(Prizes("PREMIO JUGADOR"), (std::vector<std::string>{
                                          "1. Premio|ALONSO, ANA",
                                          "2. Premio|DIAZ, DAVID",
                                          "3. Premio|ESTEVE, ELENA",
                                          "4. Premio|FERRER, FELIX",
                                          // The cumulative "Tercera" went first and does not bar her.
                                          "5. Premio|GOMEZ, GLORIA",
                                          "6. Premio|Desierto",
                                          "7. Premio|Desierto",
                                          "8. Premio|Desierto",
                                          "9. Premio|Desierto",
                                          // By name, prize 10 comes before prize 2.
                                          "10. Premio|CASTRO, CARMEN",
                                          "1. Tercera|GOMEZ, GLORIA",
                                          "2. Tercera|Desierto",
                                          "1. Juvenil|Desierto",
                                      }));
}

TEST_P(PrizeRoad, BrowserSortsEditsDeletesSwitchesAndUndoes) {
  const std::string transcript = Run(
      "menu mnuHojPre\nform FrmHPr\n" + NewPrize("Primero", " ", 100, false) +
      NewPrize("Segundo", "j", 50, false) +
      // "salir" saves nothing; "grabar" keeps the order typed.
      "click btnHPrNuevo\nform FrmEdPrN\nset txtPREMIO Tercero\nclick btnCancel\n"
      "click btnHPrNuevo\nform FrmEdPrN\nset txtPREMIO Tercero\nset txtORDEN 05\nclick btnOk\n"
      "set brwPr 3\ndblclick brwPr\nform FrmEdPr\nset txtORDEN 99\nclick btnCancel\n"
      // Sorting by amount selects the largest prize, which the double click edits.
      "set brwPr 3\nheader brwPr CANTIDAD\ndblclick brwPr\nform FrmEdPr\nset txtORDEN 07\nclick btnOk\n"
      // Declined, then confirmed.
      "set brwPr 2\nclick btnHPrBorrar\nno\nclick btnHPrBorrar\nyes\n"
      "menu \"&Premios\" \"&Poner todos los premios como acumulables\"\nheader brwPr PREMIO\nclick btnHPrOk\n"
      "menu mnuCalPre\nmenu mnuHojPre\nform FrmHPr\nclick btnHPrQuitaPrs\nclick btnHPrOk\n");
  EXPECT_NE(transcript.find("YESNO||Confirme borrado del premio:\\nSegundo"), std::string::npos)
      << transcript;
  EXPECT_EQ(Prizes("PREMIO ORDEN ACUMULABLE JUGADOR NUMJUG PUNTOS PUESTO PREMIOS"),
            (std::vector<std::string>{"Primero|07|T||0|0|0|", "Segundo||F||||||*", "Tercero|05|T||0|0|0|"}));
  // A missing order is rebuilt with the other one on the next opening.
  std::filesystem::remove(file("prAB_c.ntx"));
  Run("menu mnuHojPre\nform FrmHPr\nheader brwPr CANTIDAD\nclick btnHPrOk\n");
  for (const char* index : {"prAB.ntx", "prAB_c.ntx"})
    EXPECT_TRUE(std::filesystem::exists(file(index))) << index;
}

TEST_P(PrizeRoad, OldPrizeTableIsUpgradedOnceKeepingItsPrizesAndABackup) {
  // An earlier version's prize table, without PREMIOS, and a stale backup.
  ASSERT_EQ(std::system(("/usr/bin/python3 -c \"import dbf; t = dbf.Table('" + file("prAB.dbf") +
                         "', 'PREMIO C(30); ORDEN C(2); ID_CATEGOR C(1); CANTIDAD N(8,0); ACUMULABLE L; "
                         "JUGADOR C(30)', dbf_type='db3', codepage='cp1252'); t.open(dbf.READ_WRITE); "
                         "t.append(('Viejo', '01', 'j', 75, True, '')); t.close()\"")
                            .c_str()),
            0);
  const std::string old_bytes = ReadBytes(file("prAB.dbf"));
  testing::WriteBytes(file("prAB.bak"), "stale");
  Run("menu mnuHojPre\nform FrmHPr\nclick btnHPrOk\nmenu mnuHojPre\nform FrmHPr\nclick btnHPrOk\n");
  EXPECT_EQ(Prizes("PREMIO ORDEN ID_CATEGOR CANTIDAD ACUMULABLE PREMIOS"),
            (std::vector<std::string>{"Viejo|01|j|75|T|"}));
  EXPECT_EQ(ReadBytes(file("prAB.bak")), old_bytes);
  EXPECT_FALSE(std::filesystem::exists(file("premios.tmp")));
  for (const char* index : {"prAB.ntx", "prAB_c.ntx"})
    EXPECT_TRUE(std::filesystem::exists(file(index))) << index;
}

TEST_P(PrizeRoad, DistributionWithoutPrizesAsksForThemAndHelpOpensThePage) {
  const std::string transcript = Run("menu mnuCalPre\nmenu \"&Premios\" \"&Ayuda sobre los premios\"\n");
  EXPECT_NE(transcript.find("INFO||Debe introducir los premios primero\n"), std::string::npos) << transcript;
  EXPECT_NE(transcript.find("OPEN|" + session_.root() + "/zd/Ayuda_Premios.html\n"), std::string::npos)
      << transcript;
  EXPECT_FALSE(std::filesystem::exists(file("prAB.dbf")));
}

TEST_P(PrizeRoad, RefusedTablesAreNamedAndLeaveNoWorkFilesBehind) {
  Run("menu mnuHojPre\nform FrmHPr\n" + NewPrize("Primero", " ", 100, false) + "click btnHPrOk\n");
  const std::string before = ReadBytes(file("prAB.dbf"));
  // This test process is the other program holding the prize table.
  storage::Workspace other;
  ASSERT_TRUE(other.Use(file("prAB.dbf"), "retenido", /*shared=*/false).ok());
  std::string transcript = Script("menu mnuAbrTorn1\nmenu mnuCalPre\nquit\n");
  EXPECT_NE(
      transcript.find("STOP||No se pueden calcular los premios\\nEl fichero prAB.dbf está siendo utilizado "
                      "por otro programa\n"),
      std::string::npos)
      << transcript;
  other.CloseAll();
  EXPECT_EQ(ReadBytes(file("prAB.dbf")), before);

  // The categories cannot be copied when "cats.dbf" cannot be written: the unique index
  // already built goes too.
  std::filesystem::create_directory(file("cats.dbf"));
  transcript = Script("menu mnuAbrTorn1\nmenu mnuOrdenPremios\nquit\n");
  EXPECT_NE(transcript.find("STOP||No se pueden ordenar las categorías de los premios\\n"), std::string::npos)
      << transcript;
  EXPECT_EQ(transcript.find("FORM|FrmCfgCatPrs"), std::string::npos) << transcript;
  for (const char* work : {"tmp.ntx", "cats.ntx"}) EXPECT_FALSE(std::filesystem::exists(file(work))) << work;
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, PrizeRoad, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::prizes
