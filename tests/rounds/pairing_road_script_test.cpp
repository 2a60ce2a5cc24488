// A ten-player tournament paired through the real program, driven by scripts as an arbiter
// would: round 1 paired automatically with a withdrawn player in it, the breach reported and
// mended with the editor's buttons; round 2 paired by hand over boards another program wrote,
// with a repeated opponent, a second bye, a bye after a forfeit win and a player twice. The
// results of round 1 and the foreign boards are written with python3-dbf, and every file is
// read back with it. Each road runs headless and through the real windows.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/workspace.h"
#include "support/headless_and_windowed.h"

namespace movarel::rounds {
namespace {

constexpr char kTitle[] = "TITLE|Movarel v3.0-beta3\n";
const std::string kOpenTitle = "TITLE|Movarel v3.0-beta3 - Open de prueba" + std::string(40 - 14, ' ') + "\n";

class PairingRoad : public movarel::testing::HeadlessAndWindowed {
 protected:
  PairingRoad() : HeadlessAndWindowed("movarel-pairing") {}
  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (Ready()) session_.Folder("torneos");
  }

  std::string folder() const { return session_.file("torneos"); }
  std::string file(const std::string& name) const { return folder() + "/" + name; }
  std::vector<std::string> ReadTable(const std::string& name, const std::string& fields) const {
    return movarel::testing::ReadTable(file(name), fields);
  }
  void WriteFields(const std::string& name, int recno, const std::string& assignments) const {
    ASSERT_TRUE(movarel::testing::WriteFields(file(name), recno, assignments)) << name << " " << assignments;
  }

  void UnopenableRound(bool held);
};

TEST_P(PairingRoad, RoundOneAutomaticThenRoundTwoByHandWithEveryKindOfBreach) {
  const std::string create = "menu mnuTorNuevo\nfolder " + folder() +
                             "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\n"
                             "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS 10\n"
                             "set txtN_RONDAS 3\nclick btnOk\n";
  // Player 10 withdraws before round 1; the automatic pairing still pairs him (5-10), the
  // arbiter reads the breach, takes 10 off board 5, which leaves 5 with the bye, and finds
  // 10's button disabled.
  std::string transcript =
      Script(create +
             "menu mnuVerCuadro\nform FrmCuadro\nedit brwCuadro 10 BAJA T\nclick btnHTOk\n"
             "menu mnuEmparej\nform FrmElegRda\nclick btnOk\nyes\nyes\nform FrmEE\nclick btnOk\n"
             "menu mnuEmparej\nform FrmElegRda\nclick btnOk\nno\nform FrmEE\n"
             "set brwPareo 5\nset rdgBN 2\nclick btnBorrar\nclick btnJug010\nclick btnOk\n"
             "quit\n");
  ASSERT_EQ(status_, 0) << transcript;
  const std::string chooser = "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n";
  EXPECT_EQ(
      transcript,
      kTitle +
          ("FOLDER|Crear torneo nuevo en...|" + folder() + "\nFORM|FrmET|" + folder() + "\nRELEASE|FrmET\n") +
          kOpenTitle + "FORM|FrmCuadro|Cuadro del Torneo\nRELEASE|FrmCuadro\n" + chooser +
          "YESNO|¡Cuidado!|¿Emparejamiento automático?|yes\n"
          "YESNO|Responda No si el 1 juega con negras|¿Juega el número 1 del ranking con blancas?|yes\n"
          "FORM|FrmEE|Emparejamiento de la ronda 1\n"
          "EXCLAMATION|Hay errores en el emparejamiento|El jugador nº 10 es baja pero ha sido emparejado\n"
          "RELEASE|FrmEE\n" +
          chooser +
          "YESNO|¡Cuidado!|¿Emparejamiento automático?|no\n"
          "FORM|FrmEE|Emparejamiento de la ronda 1\n"
          "CONTROL DISABLED|FrmEE|btnJug010\n"
          "RELEASE|FrmEE\n");
  EXPECT_EQ(ReadTable("r1AB.dbf", "JUG_B JUG_N"),
            (std::vector<std::string>{"1|6", "7|2", "3|8", "9|4", "5|0"}));
  EXPECT_EQ(ReadTable("cuAB.dbf", "NUM R1J R1C R1F"),
            (std::vector<std::string>{"1|6|B|", "2|7|N|", "3|8|B|", "4|9|N|", "5|0|D|", "6|1|N|", "7|2|B|",
                                      "8|3|N|", "9|4|B|", "10|0||"}));
  EXPECT_EQ(ReadTable("torneos.dbf", "N_R_ACTUAL"), std::vector<std::string>{"1"});

  // Results of round 1 as result entry leaves them: 1-0, 0-1 by forfeit (2 wins), a draw in
  // both half bytes, 1-0, and the bye's point.
  WriteFields("cuAB.dbf", 1, "R1P=1");
  WriteFields("cuAB.dbf", 6, "R1P=0");
  WriteFields("cuAB.dbf", 7, "R1P=0 R1I=i");
  WriteFields("cuAB.dbf", 2, "R1P=1 R1I=i");
  WriteFields("cuAB.dbf", 3, "R1P=½");
  WriteFields("cuAB.dbf", 8, "R1P=«");
  WriteFields("cuAB.dbf", 9, "R1P=1");
  WriteFields("cuAB.dbf", 4, "R1P=0");
  WriteFields("cuAB.dbf", 5, "R1P=1");
  // Boards 4 and 5 of round 2 as another program wrote them: 3 is on both.
  WriteFields("r2AB.dbf", 4, "JUG_B=3 JUG_N=7");
  WriteFields("r2AB.dbf", 5, "JUG_B=9 JUG_N=3");

  // Round 2: 1-6 again, 2 (forfeit winner) and 5 (bye in round 1) each given the bye. The
  // arbiter is warned, keeps the editor open once, then keeps the pairing.
  const std::string kBreaches =
      "YESNO|Emparejamiento de la ronda 2|El jugador nº 1 y el nº 6 ya han jugado en la ronda 1\\n"
      "El jugador nº 2 ha ganado por incomparecencia en la ronda 1\\n"
      "El jugador nº 5 ya ha descansado en la ronda 1\\n¿Desea mantener este emparejamiento?";
  transcript = Script(
      "menu mnuAbrTorn1\nmenu mnuEmparej\nform FrmElegRda\nset cbxRdas 2\nclick btnOk\n"
      "form FrmEE\nclick btnJug009\n"
      "click btnJug001\nclick btnJug006\nclick btnJug002\nclick btnBorrar\n"
      "click btnJug005\nclick btnBorrar\nclick btnOk\nno\nclick btnOk\nyes\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript, kTitle + kOpenTitle + chooser +
                            "FORM|FrmEE|Emparejamiento de la ronda 2\n"
                            "CONTROL DISABLED|FrmEE|btnJug009\n" +
                            kBreaches + "|no\n" + kBreaches + "|yes\n"
                            "EXCLAMATION|Hay errores en el emparejamiento|"
                            "El jugador nº 3 aparece dos veces\\n"
                            "El jugador nº 4 no ha sido emparejado\\n"
                            "El jugador nº 8 no ha sido emparejado\n"
                            "RELEASE|FrmEE\n");
  EXPECT_EQ(ReadTable("r2AB.dbf", "JUG_B JUG_N"),
            (std::vector<std::string>{"1|6", "2|0", "5|0", "3|7", "9|3"}));
  // Points before round 2: 1, 2, 5 and 9 one point, 3 and 8 a half, the rest none.
  EXPECT_EQ(ReadTable("cuAB.dbf", "NUM R2J R2C R2F R1P"),
            (std::vector<std::string>{"1|6|B|v|1", "2|0|D||1", "3|7|B|v|½", "4|0|||0", "5|0|D||1",
                                      "6|1|N|^|0", "7|3|N|^|0", "8|0|||«", "9|3|B|v|1", "10|0|||"}));
  EXPECT_EQ(ReadTable("torneos.dbf", "N_R_ACTUAL"), std::vector<std::string>{"2"});
}

// Round 2's table missing or held for exclusive use by another program: the message names
// the table and the tournament stays as it was.
TEST_P(PairingRoad, UnopenableRoundIsNamedAndNothingChanges) {
  for (const bool held : {false, true}) {
    SCOPED_TRACE(held ? "held by another program" : "missing");
    UnopenableRound(held);
  }
}

void PairingRoad::UnopenableRound(bool held) {
  // Each case in a start folder of its own.
  movarel::testing::ProgramSession session("movarel-pairing");
  ASSERT_TRUE(session.made_templates());
  const std::string folder = session.Folder("torneos");
  const auto script = [&](const std::string& lines) {
    const auto run = session.Script(lines, windowed());
    EXPECT_EQ(run.status, 0) << run.transcript;
    return run.transcript;
  };
  script("menu mnuTorNuevo\nfolder " + folder +
         "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open de prueba\n"
         "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS 4\n"
         "set txtN_RONDAS 2\nclick btnOk\nquit\n");
  // This test process is the other program, holding the table through the storage layer.
  storage::Workspace other;
  if (held) {
    ASSERT_TRUE(other.Use(folder + "/r2AB.dbf", "retenida", /*shared=*/false).ok());
  } else {
    std::filesystem::remove(folder + "/r2AB.dbf");
  }
  const std::string players = movarel::testing::ReadBytes(folder + "/cuAB.dbf");
  const std::string transcript =
      script("menu mnuAbrTorn1\nmenu mnuEmparej\nform FrmElegRda\nset cbxRdas 2\nclick btnOk\nquit\n");
  EXPECT_EQ(transcript, kTitle + kOpenTitle + "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n" +
                            "STOP|Emparejamiento de la ronda 2|El fichero de la ronda 2 (r2AB.dbf) " +
                            (held ? "está siendo utilizado por otro programa" : "no existe") +
                            "\\nNo se ha cambiado nada\n");
  EXPECT_EQ(movarel::testing::ReadBytes(folder + "/cuAB.dbf"), players);
  EXPECT_EQ(movarel::testing::ReadTable(folder + "/torneos.dbf", "N_R_ACTUAL"), std::vector<std::string>{"0"});
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, PairingRoad, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::rounds
