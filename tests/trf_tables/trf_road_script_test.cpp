// The two TRF commands through the real program, as a user runs them: a tournament made by
// hand is written as a TRF (checked column by column against lines worked out by hand), the
// file is imported under a new key and written again, byte for byte the same. The same road
// runs through the real windows under Xvfb when the program has them.

#include <gtest/gtest.h>

#include <string>

#include "hand_made_tournament.h"
#include "support/headless_and_windowed.h"

namespace movarel::trf_tables {
namespace {

using movarel::testing::ReadBytes;
using movarel::testing::ReadTable;

// The hand-made tournament after round 3, the last one with results. Points and ranks worked
// out by hand: the tie-breaks in use are the template's (median Buchholz, Buchholz,
// Sonneborn-Berger); 3, 7 and 2 share 1.5 points and a median Buchholz of 1.5, Buchholz puts
// 3 (5.5) ahead of 7 and 2 (4.5 each), Sonneborn-Berger 7 (2.0) ahead of 2 (1.75); 6, 4 and
// 5 share 1.0, 6 and 4 a median Buchholz of 1.5 (5 has 1.0), Buchholz 6 (5.0) ahead of 4 (4.5).
// Columns: 1-3 record, 5-8 number, 10 sex, 15-47 name, 49-52 rating, 54-56 federation,
// 58-68 id, 70-79 birth date, 81-84 points, 86-89 rank, then 10 columns per round.
//                     1         2         3         4         5         6         7         8         9         0         1
//            123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890
const char kExpected[] =
    "012 Open Hecho a Mano\r\n"
    "022 Valencia\r\n"
    "032 ESP\r\n"
    "042 2026/03/13\r\n"
    "052 2026/03/17\r\n"
    "062 7\r\n"
    "072 6\r\n"
    "092 Individual: Swiss-System\r\n"
    "102 AI P\xC3\xA9rez, Juan\r\n"
    "112 AA Gil, Rosa\r\n"
    "122 90 min + 30 seg\r\n"
    "142 5\r\n"
    "152 W\r\n"
    "172 ESP OTHER\r\n"
    "202 BH/M1,BH,SB\r\n"
    "001    1 m    Mu\xC3\xB1oz, Jos\xC3\xA9                       2300 ESP     2200001 1990/05/01  2.5    1     5 w 1     2 b =     3 w 1\r\n"
    "001    2 w    Garc\xC3\xAD" "a, Ana                       2250 ESP     2200002             1.5    4     6 b 1     1 w =     7 b -\r\n"
    "001    3 m    L\xC3\xB3pez, Luis                       2100 ESP                         1.5    2     7 w =     5 b +     1 b 0\r\n"
    "001    4 w    Mart\xC3\xADn, Eva                       2000 ESP                         1.0    6  0000 - U     7 b -  0000 - Z\r\n"
    "001    5 m    Ruiz, Pau                              ESP                         1.0    7     1 b 0     3 w -     6 b 1\r\n"
    "001    6 w    Sanz, Olga                        1900 ESP                         1.0    5     2 w 0  0000 - U     5 w 0\r\n"
    "001    7 m    Vidal, Marc                       1850 ESP                         1.5    3     3 b =     4 w +     2 w -\r\n"
    "ESP    1                                        2250 VAL       12345\r\n"
    "ESP    5                                        1800\r\n";

class TrfRoadTest : public movarel::testing::HeadlessAndWindowed {
 protected:
  TrfRoadTest() : HeadlessAndWindowed("movarel-trf-road") {}
  void SetUp() override {
    HeadlessAndWindowed::SetUp();
    if (!Ready()) return;
    testing::WriteHandMadeTournament(session_.Folder("hm"));
    session_.Folder("nuevo");
  }
};

TEST_P(TrfRoadTest, HandMadeTournamentGoesOutAndComesBackUnderANewKey) {
  const std::string hm = session_.file("hm");
  const std::string nuevo = session_.file("nuevo");
  const std::string transcript = Script("menu \"&Torneo\" \"&Elegir torneo\"\nfile " + hm + "/cuHM.dbf\n" +
                                        "menu \"&Informes\" \"Fichero &TRF (FIDE)\"\n"
                                        "menu \"Im&portar\" \"Torneo desde fichero &TRF\"\nfile " + hm +
                                        "/HM.trf\nfolder " + nuevo + "\ninput OTRO\n" +
                                        "menu mnuInfTRF\nquit\n");
  ASSERT_EQ(status_, 0) << transcript;
  EXPECT_EQ(transcript,
            "TITLE|Movarel v3.0-beta3\n"
            "FILE|Elegir cuadro de torneo|" + hm + "/cuHM.dbf\n"
            "TITLE|Movarel v3.0-beta3 - Open Hecho a Mano                       \n"
            "INFO||El fichero " + hm + "/HM.trf ha sido creado\n"
            "FILE|Elija el fichero TRF del torneo|" + hm + "/HM.trf\n"
            "FOLDER|Crear el torneo en...|" + nuevo + "\n"
            "INPUT|Torneo desde fichero TRF|Clave (FICHERO) del torneo nuevo|OTRO\n"
            "INFO|\xC2\xA1Hecho!|Se ha creado el torneo OTRO con 7 jugadores y 5 rondas\n"
            "INFO||El fichero " + nuevo + "/OTRO.trf ha sido creado\n");
  EXPECT_EQ(ReadBytes(hm + "/HM.trf"), kExpected);
  EXPECT_EQ(ReadBytes(nuevo + "/OTRO.trf"), kExpected);

  // The imported tables, read by python3-dbf: round 2 on its boards by score, the forfeits
  // and the bye as result entry writes them; the half point as byte 0xBD.
  EXPECT_EQ(ReadTable(nuevo + "/r2OTRO.dbf", "JUG_B JUG_N RDO"),
            (std::vector<std::string>{"2|1| \xC2\xBD-\xC2\xBD", "7|4| 1-0i", "5|3|i0-1", "6|0|"}));
  EXPECT_EQ(ReadTable(nuevo + "/cuOTRO.dbf", "NUM R3J R3C R3P R3I R2F"),
            (std::vector<std::string>{"1|3|B|1||", "2|7|N|0|i|", "3|1|N|0||v", "4|0||||v", "5|6|N|1||^",
                                      "6|5|B|0||", "7|2|B|0|i|^"}));
  EXPECT_EQ(ReadTable(nuevo + "/torneos.dbf", "FICHERO N_JUGS N_RONDAS N_R_ACTUAL"),
            (std::vector<std::string>{"OTRO|7|5|3"}));
}

INSTANTIATE_TEST_SUITE_P(HeadlessAndWindowed, TrfRoadTest, ::testing::Bool(),
                         movarel::testing::HeadlessOrWindowedName);

}  // namespace
}  // namespace movarel::trf_tables
