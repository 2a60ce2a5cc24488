// The reports for the rating bodies and the exchange files, over the hand-worked tournament of
// the listing tests with codes, licences and birth dates added. Every figure below was worked
// out by hand from the tournament's table (hand_tournament.h):
//
//   #  FIDE code   FIDE FEDA  ELO  FEDA code  licence
//   1  100001      2100 2050 2000  F1         V001
//   2              0    1800 1750  F2
//   3  100003      1900    0    0             V003
//   4  100004      1850 1850 1850  F4
//   5              0       0 1500             V005

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "federation/exchange_files.h"
#include "federation/federation_report.h"
#include "federation/game_tally.h"
#include "reports/hand_tournament.h"
#include "storage/files.h"
#include "support/program_session.h"

namespace movarel::federation {
namespace {

using reports::testing::kDosHalf;

std::string Padded(std::string text, size_t width) {
  text.resize(width, ' ');
  return text;
}

class Federation : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("MOVAREL_WINDOWS_DIR", t.folder.path().c_str(), 1);
    Set(1, {{"COD_FIDE", "100001"}, {"COD_FEDA", "F1"}, {"LIC", "V001"}, {"SEXO", "F"}, {"COD_PAIS", "ESP"}});
    Set(2, {{"COD_FEDA", "F2"}, {"SEXO", "M"}, {"COD_PAIS", "ESP"}});
    Set(3, {{"COD_FIDE", "100003"}, {"LIC", "V003"}, {"SEXO", "M"}, {"COD_PAIS", "ESP"}});
    Set(4, {{"COD_FIDE", "100004"}, {"COD_FEDA", "F4"}, {"SEXO", "F"}, {"COD_PAIS", "ESP"}});
    Set(5, {{"LIC", "V005"}, {"SEXO", "M"}, {"COD_PAIS", "AND"}});
    Date(1, {1990, 3, 15});
    Date(2, {2001, 12, 24});
    Date(3, {1980, 1, 1});
    EXPECT_TRUE(t.torneos().Put("PRIM_CONTR", std::string("90 min")).ok());
    EXPECT_TRUE(t.torneos().Put("SEGU_CONTR", std::string("30 s/jug")).ok());
  }
  void TearDown() override { unsetenv("MOVAREL_WINDOWS_DIR"); }

  void Set(uint32_t recno, std::initializer_list<std::pair<const char*, const char*>> fields) {
    t.cuadro().GoTo(recno);
    for (const auto& [field, value] : fields) ASSERT_TRUE(t.cuadro().Put(field, std::string(value)).ok());
  }
  void Date(uint32_t recno, storage::Date date) {
    t.cuadro().GoTo(recno);
    ASSERT_TRUE(t.cuadro().Put("FECHA_NAC", date).ok());
  }
  Tally TallyOf(int recno, RatingBody body, RatingTerm term) {
    auto entrants = ReadEntrants(t.cuadro(), 3);
    EXPECT_TRUE(entrants.ok());
    return TallyGames(*entrants, *entrants->ByRecNo(recno), body, term);
  }
  void Thresholds(const std::string& games, const std::string& points) {
    ASSERT_TRUE(storage::WriteFileAtomically(t.folder.file("tq.ini"), "[Movarel]\r\nNumParSerie=" + games +
                                                                          "\r\nNumPtsSerie=" + points + "\r\n")
                    .ok());
  }

  reports::testing::HandTournament t;
};

struct Expected {
  int recno;
  RatingBody body;
  RatingTerm term;
  int games;
  double points;
  int average;
};

TEST_F(Federation, TallyOfEachBodyCountsRatedOpponentsWithoutForfeitsAndLimitsRatings) {
  const Expected cases[] = {
      // FIDE: unrated opponents and the forfeit of round 2 left out.
      {1, RatingBody::kFide, RatingTerm::kLimitedToOwn, 1, 1.0, 1900},
      {3, RatingBody::kFide, RatingTerm::kLimitedToOwn, 2, 0.0, 1975},
      {2, RatingBody::kFide, RatingTerm::kUnlimited, 2, 0.5, 1975},
      {5, RatingBody::kFide, RatingTerm::kUnlimited, 1, 0.5, 2100},
      // FEDA: an opponent with a FIDE rating only counts at that rating.
      {1, RatingBody::kFeda, RatingTerm::kLimitedToOwn, 2, 2.0, 1850},
      {4, RatingBody::kFeda, RatingTerm::kLimitedToOwn, 2, 1.5, 1850},
      // FVA: 2000 against 1500 is held to 1650; 1766.67 rounds up; no own rating, no limit.
      {1, RatingBody::kFva, RatingTerm::kLimitedToOwn, 3, 2.5, 1767},
      {3, RatingBody::kFva, RatingTerm::kLimitedToOwn, 2, 0.0, 1925},
      {5, RatingBody::kFva, RatingTerm::kLimitedToOwn, 1, 0.5, 1850},
  };
  for (const Expected& e : cases) {
    const Tally tally = TallyOf(e.recno, e.body, e.term);
    EXPECT_EQ(tally.games, e.games) << e.recno << " " << BodyName(e.body);
    EXPECT_EQ(tally.points(), e.points) << e.recno << " " << BodyName(e.body);
    EXPECT_EQ(tally.average(), e.average) << e.recno << " " << BodyName(e.body);
  }

  // 2100 against 1700 counts 1750, and 1700 against 2100 counts 2050.
  t.cuadro().GoTo(3);
  EXPECT_TRUE(t.cuadro().Put("ELOFIDE", 1700.0).ok());
  EXPECT_EQ(TallyOf(1, RatingBody::kFide, RatingTerm::kLimitedToOwn).average(), 1750);
  EXPECT_EQ(TallyOf(3, RatingBody::kFide, RatingTerm::kLimitedToOwn).average(), 1950);
  // The DOS program's half-point byte is a draw too.
  Set(4, {{"R1P", kDosHalf}});
  EXPECT_EQ(TallyOf(2, RatingBody::kFide, RatingTerm::kUnlimited).points(), 0.5);
  // A result not entered yet gives neither a point nor a game.
  Set(1, {{"R3P", " "}});
  EXPECT_EQ(TallyOf(5, RatingBody::kFva, RatingTerm::kLimitedToOwn).games, 0);
}

TEST_F(Federation, FideReportPageListsMembersAndTheBlockCandidatesOverTheThresholds) {
  Thresholds("2", "0.5");
  INFIDE(t.state, "Zendral");
  ASSERT_TRUE(t.dialogs.stops.empty()) << t.dialogs.stops.front();
  EXPECT_EQ(t.dialogs.infos, std::vector<std::string>{"Fichero \"Zendral.htm\" con el informe para la FIDE creado"});
  const std::string page = t.Page("Zendral.htm");
  const std::string tail = " F    ESP";
  const std::string expected =
      "<p class=\"normaltext\">Ritmo de juego: 90 min + 30 s/jug            </p>"
      "<p>\xC1rbitro principal: Arbitro Principal</p><p>Cuadro del torneo: (Ver hoja adjunta)</p>"
      "<p>Resultados FIDE:</p><pre>"
      "C\xF3" "d.FIDE Nombre                         Sexo Pa\xEDs Fec.Nacim. Puntos Partidas Elo Rivales N\xBA Ranking\r\n"
      "100001   " + Padded("Garc\xED" "a, Ana", 30) + " F    ESP  15-03-1990  1.0    1       1900          1\r\n"
      "100003   " + Padded("L\xF3pez, Luis", 30) + " M    ESP  01-01-1980  0.0    2       1975          3\r\n"
      "100004   " + Padded("Mart\xEDn, Eva", 30) + " F    ESP    -  -      1.0    1       1900          4\r\n"
      "\r\n</pre><p></p><p>Bloques FIDE:</p><pre>"
      "Nombre                         Sexo Pa\xEDs Fec.Nacim. Puntos Partidas Elo Rivales N\xBA Ranking\r\n" +
      Padded("Pe\xF1" "a &amp; Hijos", 34) + " M    ESP  24-12-2001  0.5    2       1975          2\r\n"
      "</pre><p></p><HR>\r\n<p align=\"right\">Firmado: Arbitro Principal</p>";
  EXPECT_NE(page.find(expected), std::string::npos) << page;
  EXPECT_NE(page.find("<p class=\"updated\">Informe del torneo para la FIDE<BR>\r\n<HR>\r\n"), std::string::npos);
}

TEST_F(Federation, InconsistentCodeOrRatingIsReportedAndWritesNoExchangeFile) {
  Set(4, {{"COD_FIDE", ""}});
  t.cuadro().GoTo(3);
  EXPECT_TRUE(t.cuadro().Put("ELOFIDE", 0.0).ok());
  FIFIDE(t.state);
  EXPECT_EQ(t.dialogs.infos, (std::vector<std::string>{
                                 "Error. El jugador L\xF3pez, Luis no tiene bien el Elo FIDE",
                                 "Error. El jugador Mart\xEDn, Eva no tiene bien el C\xF3" "digo FIDE",
                                 "Errores en datos FIDE. Corrijalos y ejecute de nuevo"}));
  EXPECT_FALSE(storage::FileExists(t.folder.file("ZdFIDE.dbf")));
  EXPECT_FALSE(storage::FileExists(t.folder.file("ZdFIDE.txt")));

  t.dialogs.infos.clear();
  INFIDE(t.state, "Zendral");
  const std::string page = t.Page("Zendral.htm");
  EXPECT_NE(page.find("<p>Resultados FIDE:</p><pre>\r\n</pre>"), std::string::npos) << page;
}

TEST_F(Federation, ExchangeTablesAndTheirTextCopiesReadBackIndependently) {
  FIFIDE(t.state);
  FIBLOQFEDA(t.state);
  FIFVA(t.state);
  FINUEFVA(t.state);
  EXPECT_EQ(t.dialogs.infos,
            (std::vector<std::string>{"Ficheros ZdFIDE.dbf yZdFIDE.txt con datos para la FIDE creados",
                                      "No ha habido ning\xFAn bloque FEDA en el torneo",
                                      "Fichero ZdFVA.dbf con datos para la FVA creado",
                                      "Fichero ZdFVANuevos.dbf con jugadores nuevos para la FVA creado"}));
  EXPECT_EQ(movarel::testing::ReadTable(t.folder.file("ZdFIDE.dbf"), "ID_CODE NAME SEX COUNTRY BIRTHDATE W N RC N_RANKING"),
            (std::vector<std::string>{"100001|García, Ana|F|ESP|1990-03-15|1|1|1900|1",
                                      "100003|López, Luis|M|ESP|1980-01-01|0|2|1975|3",
                                      "100004|Martín, Eva|F|ESP||1|1|1900|4"}));
  EXPECT_EQ(movarel::testing::ReadTable(t.folder.file("ZdFVA.dbf"), "TORNEO LICENCIA PUNTOS PARTIDAS ELORIVALES"),
            (std::vector<std::string>{"Open de Sueca|V001|2.5|3|1767", "Open de Sueca|V003|0|2|1925",
                                      "Open de Sueca|V005|0.5|1|1850"}));
  EXPECT_EQ(movarel::testing::ReadTable(t.folder.file("ZdFVANuevos.dbf"), "LICENCIA JUG ELO PUNTOS PARTIDAS ELORIVALES"),
            (std::vector<std::string>{"|Peña & Hijos|1750|0.5|2|1925", "|Martín, Eva|1850|1.5|2|1825"}));
  EXPECT_FALSE(storage::FileExists(t.folder.file("ZdFEDABloq.dbf")));

  const std::string text = movarel::testing::ReadBytes(t.folder.file("ZdFIDE.txt"));
  EXPECT_EQ(text.substr(0, 67), "100001  " + Padded("Garc\xED" "a, Ana", 32) + "FESP19900315 1.0 11900  1\r\n");
  EXPECT_EQ(text.size(), 3 * 67 + 1u);
  EXPECT_EQ(text.back(), '\x1A');

  // Under lower thresholds the FIDE block file lists the one candidate, without a code.
  Thresholds("2", "0.5");
  FIBLOQFIDE(t.state);
  EXPECT_EQ(t.dialogs.infos.back(), "Ficheros ZdFIDEBloq.dbf y ZdFIDEBloq.txt con bloques para la FIDE creado");
  EXPECT_EQ(movarel::testing::ReadTable(t.folder.file("ZdFIDEBloq.dbf"), "ID_CODE NAME W N RC N_RANKING"),
            std::vector<std::string>{"|Peña & Hijos|0.5|2|1975|2"});

  // A tournament whose players hold no FIDE code or rating still gets its (empty) files.
  for (uint32_t recno = 1; recno <= 5; ++recno) {
    t.cuadro().GoTo(recno);
    EXPECT_TRUE(t.cuadro().Put("COD_FIDE", std::string()).ok());
    EXPECT_TRUE(t.cuadro().Put("ELOFIDE", 0.0).ok());
  }
  FIFIDE(t.state);
  EXPECT_EQ(movarel::testing::ReadBytes(t.folder.file("ZdFIDE.txt")), "\x1A");
}

}  // namespace
}  // namespace movarel::federation
