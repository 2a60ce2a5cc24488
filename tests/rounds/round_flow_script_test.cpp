// The round flow through the real program, driven by scripts as an arbiter would, where a
// careless click used to damage a played round: an earlier round's pairing looked at, left
// by cancel, corrected after a withdrawal and paired anew over its results; Fígaro lists
// with faults, a corrected list with fewer boards, results confirmed before the pairing and
// clicked on an empty board. After every refusal the tables are compared byte for byte;
// everything else is read back with python3-dbf.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "round_results_test_support.h"
#include "support/program_session.h"

namespace movarel::rounds {
namespace {

using movarel::testing::ProgramSession;
using movarel::testing::ReadBytes;
using movarel::testing::ReadTable;
using movarel::testing::WriteBytes;
using testing::ReadFieldBytes;

// The bytes of some tables of a folder, to compare before and after a refusal.
std::map<std::string, std::string> Snapshot(const std::string& folder,
                                            const std::vector<std::string>& names) {
  std::map<std::string, std::string> bytes;
  for (const std::string& name : names) bytes[name] = ReadBytes(folder + "/" + name);
  return bytes;
}

// Runs `script`; returns its transcript after the title lines.
std::string Transcript(const ProgramSession& session, const std::string& script) {
  const ProgramSession::Run run = session.Script(script);
  EXPECT_EQ(run.status, 0) << run.transcript;
  std::string transcript = run.transcript;
  while (transcript.starts_with("TITLE|")) transcript.erase(0, transcript.find('\n') + 1);
  return transcript;
}

constexpr char kChooser[] = "FORM|FrmElegRda|Elegir ronda\nRELEASE|FrmElegRda\n";
constexpr char kAutomatic[] = "YESNO|¡Cuidado!|¿Emparejamiento automático?|";
constexpr char kEditor[] = "FORM|FrmEE|Emparejamiento de la ronda 1\n";

// Reopens the tournament (recent entry 1) and pairs round 1, answering the question on an
// automatic pairing (and those that follow) with `automatic`.
std::string PairRoundOne(const std::string& automatic) {
  return "menu mnuAbrTorn1\nmenu mnuEmparej\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\n" + automatic;
}

// Ten players, round 1 paired automatically (1-6, 7-2, 3-8, 9-4, 5-10) and won by White on
// every board, round 2 paired by hand (1-2, 3-4, 5-6, 7-8, 9-10), then player 4 withdraws.
class EarlierRound : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session_.made_templates());
    folder_ = session_.Folder("t");
    std::string round_two;
    for (int i = 1; i <= 10; ++i)
      round_two += "click btnJug" + std::string(i < 10 ? "00" : "0") + std::to_string(i) + "\n";
    Transcript(
        session_,
        "menu mnuTorNuevo\nfolder " + folder_ +
            "\nform FrmET\nset txtFICHERO AB\nset txtTORNEO Open\nset fecFECHA_INI 10-05-2024\n"
            "set fecFECHA_FIN 12-05-2024\nset txtN_JUGS 10\nset txtN_RONDAS 3\nclick btnOk\n" +
            "menu mnuEmparej\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\nyes\nyes\n"
            "form FrmEE\nclick btnOk\n" +
            "menu mnuRdos\nform FrmElegRda\nset cbxRdas 1\nclick btnOk\nform FrmER\n" +
            "click btnRdo01\nclick btnRdo01\nclick btnRdo01\nclick btnRdo01\nclick btnRdo01\nclick btnOk\n" +
            "menu mnuEmparej\nform FrmElegRda\nset cbxRdas 2\nclick btnOk\nform FrmEE\n" + round_two +
            "click btnOk\nmenu mnuVerCuadro\nform FrmCuadro\nedit brwCuadro 4 BAJA T\nclick btnHTOk\nquit\n");
    ASSERT_EQ(Round1Players()[3], "4|9|N|0|");
    ASSERT_EQ(ReadTable(folder_ + "/torneos.dbf", "N_R_ACTUAL"), std::vector<std::string>{"2"});
  }
  std::map<std::string, std::string> Tables() const {
    return Snapshot(folder_, {"cuAB.dbf", "r1AB.dbf", "r2AB.dbf", "torneos.dbf"});
  }
  std::vector<std::string> Round1Players() const {
    return ReadTable(folder_ + "/cuAB.dbf", "NUM R1J R1C R1P R1I");
  }
  std::vector<std::string> Round1Boards() const {
    return ReadTable(folder_ + "/r1AB.dbf", "JUG_B JUG_N RDO");
  }

  ProgramSession session_{"movarel-flow"};
  std::string folder_;
};

TEST_F(EarlierRound, LookedAtOrLeftByCancelItStaysByteForByte) {
  const auto before = Tables();
  // OK on the unchanged round, then cancel after a removal and after an automatic pairing.
  EXPECT_EQ(
      Transcript(session_,
                 PairRoundOne("no\n") + "form FrmEE\nclick btnOk\n" + "menu mnuEmparej\n" +
                     "form FrmElegRda\nset cbxRdas 1\nclick btnOk\nno\nform FrmEE\nset brwPareo 1\n" +
                     "click btnBorrar\nclick btnCancel\nmenu mnuEmparej\nform FrmElegRda\n" +
                     "set cbxRdas 1\nclick btnOk\nyes\nyes\nno\nform FrmEE\nclick btnCancel\nquit\n"),
      kChooser + std::string(kAutomatic) + "no\n" + kEditor + "RELEASE|FrmEE\n" + kChooser + kAutomatic +
          "no\n" + kEditor + "RELEASE|FrmEE\n" + kChooser + kAutomatic + "yes\n" +
          "YESNO|¡Cuidado!|La ronda 1 ya tiene resultados: el emparejamiento nuevo los borrará.\\n"
          "¿Desea continuar?|yes\n"
          "YESNO|Responda No si el 1 juega con negras|¿Juega el número 1 del ranking con blancas?|no\n" +
          kEditor + "RELEASE|FrmEE\n");
  EXPECT_EQ(Tables(), before);
}

TEST_F(EarlierRound, CorrectedAfterAWithdrawalKeepsTheWithdrawnPlayersGame) {
  // Board 1 turned round: its result goes, board 4's withdrawn player keeps his game.
  EXPECT_EQ(
      Transcript(session_, PairRoundOne("no\n") +
                               "form FrmEE\nset brwPareo 1\nset rdgBN 1\nclick btnBorrar\nclick btnBorrar\n"
                               "set brwPareo 1\nclick btnJug006\nclick btnJug001\nclick btnOk\nyes\nquit\n"),
      kChooser + std::string(kAutomatic) + "no\n" + kEditor +
          "YESNO|Emparejamiento de la ronda 1|Se borrará el resultado de las mesas que han cambiado de "
          "jugadores: 1.\\n¿Desea continuar?|yes\n"
          "RELEASE|FrmEE\n");
  EXPECT_EQ(Round1Boards(),
            (std::vector<std::string>{"6|1|", "7|2| 1-0", "3|8| 1-0", "9|4| 1-0", "5|10| 1-0"}));
  EXPECT_EQ(Round1Players(),
            (std::vector<std::string>{"1|6|N||", "2|7|N|0|", "3|8|B|1|", "4|9|N|0|", "5|10|B|1|", "6|1|B||",
                                      "7|2|B|1|", "8|3|N|0|", "9|4|B|1|", "10|5|N|0|"}));
}

TEST_F(EarlierRound, PairedAnewAutomaticallyLosesEveryResult) {
  EXPECT_EQ(
      Transcript(session_, PairRoundOne("yes\nyes\nno\n") + "form FrmEE\nclick btnOk\nquit\n"),
      kChooser + std::string(kAutomatic) + "yes\n" +
          "YESNO|¡Cuidado!|La ronda 1 ya tiene resultados: el emparejamiento nuevo los borrará.\\n"
          "¿Desea continuar?|yes\n"
          "YESNO|Responda No si el 1 juega con negras|¿Juega el número 1 del ranking con blancas?|no\n" +
          kEditor +
          "EXCLAMATION|Hay errores en el emparejamiento|El jugador nº 4 es baja pero ha sido emparejado\\n"
          "El jugador nº 9 no ha sido emparejado\n"
          "RELEASE|FrmEE\n");
  EXPECT_EQ(Round1Boards(), (std::vector<std::string>{"6|1|", "2|7|", "8|3|", "4|9|", "10|5|"}));
  EXPECT_EQ(Round1Players(),
            (std::vector<std::string>{"1|6|N||", "2|7|B||", "3|8|N||", "4|0|||", "5|10|N||", "6|1|B||",
                                      "7|2|N||", "8|3|B||", "9|0|||", "10|5|B||"}));
}

// The DOS folder (key OP, 10 players, 5 rounds, round 4 still empty) and Fígaro lists for
// its round 4.
class FigaroRound : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session_.made_templates());
    dos_ = session_.CopyFixture("dos-old-format", "dos");
    WriteBytes(dos_ + "/ronda4.txt", ReadBytes(MOVAREL_FIXTURES_DIR "/figaro-ronda4.txt"));
    // Opened once, so that its upgrade is behind the comparisons.
    Transcript(session_, "menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos_ + "/CUOP.DBF\nyes\nquit\n");
  }
  std::string Import(const std::string& list, const std::string& answer = "") const {
    return "menu \"Im&portar\" \"&Ronda del F\xC3\xADgaro\"\nfile " + dos_ + "/" + list + "\n" + answer;
  }
  std::map<std::string, std::string> Tables() const {
    return Snapshot(dos_, {"CUOP.DBF", "R4OP.DBF", "TORNEOS.DBF"});
  }

  ProgramSession session_{"movarel-flow"};
  std::string dos_;
};

const std::string kOpen = "menu mnuAbrTorn1\n";
constexpr char kResultsOfRoundFour[] =
    "menu mnuRdos\nform FrmElegRda\nset cbxRdas 4\nclick btnOk\nform FrmER\n";

TEST_F(FigaroRound, FaultyListsAndUnconfirmedPairingsAreRefusedAndLeaveTheTablesAlone) {
  // A short line, an unreadable number and a gap; then a round the tournament lacks.
  WriteBytes(dos_ + "/faltas.txt",
             "Ronda  4\r\n1.-   3 JUGADOR                      1-0   1  JUGADOR\r\n"
             "2.-   2 JUGADOR          1-0\r\n3.-   4 JUGADOR                      +--   ?  JUGADOR\r\n"
             "5.-   7 JUGADOR                      --+   9  JUGADOR\r\n");
  WriteBytes(dos_ + "/ronda9.txt", "Ronda  9\r\n1.-   3 JUGADOR                      1-0   1  JUGADOR\r\n");
  const auto before = Tables();
  const std::string refused =
      "STOP|Importar la ronda del Fígaro|No se puede importar el listado del Fígaro:\\n";
  EXPECT_EQ(Transcript(session_, kOpen + Import("faltas.txt") + Import("ronda9.txt") + "quit\n"),
            "FILE|Elegir fichero|" + dos_ + "/faltas.txt\n" + refused +
                "Línea 3: la mesa 2 está incompleta: la línea acaba antes del número de las negras\\n"
                "Línea 4: no se puede leer el número de las negras de la mesa 3 (\"  ?\")\\n"
                "Línea 5: la mesa 5 aparece donde se esperaba la mesa 4\\nNo se ha cambiado nada\n"
                "FILE|Elegir fichero|" +
                dos_ + "/ronda9.txt\n" + refused +
                "Línea 1: el torneo no tiene la ronda 9\\nNo se ha cambiado nada\n");
  EXPECT_EQ(Tables(), before);

  // The sound list is imported; its results confirmed before its pairing are refused.
  EXPECT_EQ(
      Transcript(session_,
                 kOpen + Import("ronda4.txt", "yes\n") + kResultsOfRoundFour + "click btnOk\nquit\n"),
      "FILE|Elegir fichero|" + dos_ + "/ronda4.txt\nYESNO||Confirme la importación de la Ronda 4|yes\n" +
          kChooser +
          "FORM|FrmER|Resultados de la ronda 4\n"
          "STOP|Resultados de la ronda 4|El emparejamiento de la ronda 4 no ha sido confirmado: en el cuadro "
          "de jugadores no se enfrentan\\nmesa 1 (3-1)\\nmesa 2 (2-5)\\nmesa 3 (4-6)\\nmesa 4 (7-9)\\n"
          "mesa 5 (8-10)\\nConfirme el emparejamiento y después los resultados, que quedan anotados en la "
          "ronda\\nNo se ha cambiado el cuadro de jugadores\n"
          "RELEASE|FrmER\n");
  EXPECT_EQ(ReadBytes(dos_ + "/CUOP.DBF"), before.at("CUOP.DBF"));
  EXPECT_EQ(ReadBytes(dos_ + "/TORNEOS.DBF"), before.at("TORNEOS.DBF"));
}

TEST_F(FigaroRound, CorrectedListWithFewerBoardsLeavesNoStaleBoardToConfirm) {
  Transcript(session_, kOpen + Import("ronda4.txt", "yes\n") + "quit\n");
  // Corrected: 8-10 is a win on board 4, and 7 and 9 are left out.
  WriteBytes(dos_ + "/corregida.txt",
             "Ronda  4\r\n1.-   3 JUGADOR                      1-0   1  JUGADOR\r\n"
             "2.-   2 JUGADOR                      \xAB-\xAB   5  JUGADOR\r\n"
             "3.-   4 JUGADOR                      +--   6  JUGADOR\r\n"
             "4.-   8 JUGADOR                      1-0  10  JUGADOR\r\n");
  Transcript(session_, kOpen + Import("corregida.txt", "yes\n") + "quit\n");
  EXPECT_EQ(ReadFieldBytes(dos_ + "/R4OP.DBF", "JUG_B JUG_N RDO"),
            (std::vector<std::string>{"3|1|20312d3020", "2|5|20ab2dab20", "4|6|20312d3069", "8|10|20312d3020",
                                      "0|0|2020202020"}));
  // A result clicked on the emptied board is refused.
  const auto before = Tables();
  const std::string results = Transcript(
      session_, kOpen + kResultsOfRoundFour + "set brwRdos 5\nclick btnRdo06\nclick btnOk\nquit\n");
  EXPECT_EQ(results.substr(0, results.find("STOP|Resultados")),
            kChooser + std::string("FORM|FrmER|Resultados de la ronda 4\n") +
                "STOP||La mesa 5 no tiene partida: no se le puede poner resultado\n");
  EXPECT_EQ(Tables(), before);

  Transcript(session_,
             kOpen +
                 "menu mnuEmparej\nform FrmElegRda\nset cbxRdas 4\nclick btnOk\nform FrmEE\nclick btnOk\nyes\n" +
                 kResultsOfRoundFour + "click btnOk\nquit\n");
  // 8 keeps his win over 10; 7 and 9 play no game.
  EXPECT_EQ(ReadFieldBytes(dos_ + "/CUOP.DBF", "NUM R4J R4P R4I"),
            (std::vector<std::string>{"1|3|30|20", "2|5|ab|20", "3|1|31|20", "4|6|31|69", "5|2|ab|20",
                                      "6|4|30|69", "7|0|20|20", "8|10|31|20", "9|0|20|20", "10|8|30|20"}));
}

}  // namespace
}  // namespace movarel::rounds
