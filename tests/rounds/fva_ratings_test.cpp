#include "rounds/fva_ratings.h"

#include <gtest/gtest.h>

#include "rounds_test_support.h"
#include "storage/files.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;

void SetLicence(OpenTournament& t, uint32_t recno, const std::string& name, const std::string& lic,
                double elo = 0) {
  t.SetPlayer(recno, {name, 0, 0, elo});
  t.cuadro().GoTo(recno);
  EXPECT_TRUE(t.cuadro().Put("LIC", lic).ok());
}

std::string Licence(OpenTournament& t, uint32_t recno) {
  t.cuadro().GoTo(recno);
  return std::string(storage::RTrim(t.cuadro().GetText("LIC")));
}

constexpr char kNoList[] = "EXCLAMATION||Seleccione la ubicaci\xF3n del Elo FVA en el Men\xFA Configurar";

TEST(FvaList, UnsetOrMissingListStopsBothButtonsWithTheSameMessage) {
  OpenTournament t(2);
  SetLicence(t, 1, "GARCIA, ANA", "A1", 1900);
  const std::string before = testing::ReadBytes(t.player_table());
  PONELOFVACUADRO(t.state, nullptr);  // no tq.ini at all
  t.WriteSettings("[Movarel]\r\nEloFva=" + t.Path("no_existe.dbf") + "\r\n");
  PONLICFVACUADRO(t.state, nullptr);
  t.WriteSettings("[Movarel]\r\nEloFva=\r\n");
  PONELOFVACUADRO(t.state, nullptr);
  EXPECT_EQ(t.dialogs.shown, (std::vector<std::string>{kNoList, kNoList, kNoList}));
  EXPECT_EQ(testing::ReadBytes(t.player_table()), before);
}

TEST(FvaRatings, RatingsFollowTheLicencesAndUnknownLicencesAreNamed) {
  OpenTournament t(5);
  const std::string list = t.Path("elofva.dbf");
  t.WriteFvaList(list, {"A1|GARCIA, ANA|2010", "B22|PEREZ, LUIS|1800", "C333|ROMERO, EVA|1650"});
  t.WriteSettings("[Movarel]\r\nEloFva=" + list + "\r\n");
  SetLicence(t, 1, "GARCIA, ANA", "A1", 1900);   // found, rating changed
  SetLicence(t, 2, "PEREZ, LUIS", "B22", 1800);  // found, rating already right
  SetLicence(t, 3, "SOLER, JUAN", "Z9", 1700);   // not in the list
  SetLicence(t, 4, "ROMERO, EVA", "", 1500);     // no licence: skipped, though her name is listed
  SetLicence(t, 5, "VIDAL, OLGA", "A", 1400);    // "A" is not the beginning of "A1"
  PONELOFVACUADRO(t.state, nullptr);
  EXPECT_EQ(t.dialogs.shown,
            (std::vector<std::string>{"INFO||No se ha encontrado la licencia Z9",
                                      "INFO||No se ha encontrado la licencia A",
                                      "INFO||Jugadores encontrados: 2\\nELOs actualizados: 1"}));
  std::vector<double> elos;
  for (t.cuadro().GoTop(); !t.cuadro().Eof(); t.cuadro().Skip()) elos.push_back(t.cuadro().GetNumber("ELO"));
  EXPECT_EQ(elos, (std::vector<double>{2010, 1800, 1700, 1500, 1400}));
  EXPECT_FALSE(storage::FileExists(t.Path("ffva.tmp")));
  EXPECT_EQ(t.state.workspace.Find("ffva"), nullptr);
  EXPECT_EQ(t.state.workspace.Selected(), t.state.workspace.Find("cuadro"));
}

TEST(FvaLicences, NamesFindTheirLicenceUnlessAmbiguous) {
  OpenTournament t(7);
  const std::string list = t.Path("elofva.dbf");
  t.WriteFvaList(list, {"L1|GARCIA, JUAN|0", "L2|GARCIA, JUAN|0", "L3|LOPEZ, ANA|0", "L4|LOPEZ, ANA MARIA|0",
                        "L5|ZURITA, PABLO|0"});
  t.WriteSettings("[Movarel]\r\nEloFva=" + list + "\r\n");
  SetLicence(t, 1, "Garcia, Juan", "");    // two equal entries: ambiguous
  SetLicence(t, 2, "Lopez, Ana", "");      // a longer name after hers does not make it ambiguous
  SetLicence(t, 3, "Zurita, Pablo", "");   // the last entry of the list is no ambiguity
  SetLicence(t, 4, "", "");                // a free slot: skipped
  SetLicence(t, 5, "MARTIN, XAVIER", "");  // not listed
  SetLicence(t, 6, "LOPEZ, ANA", "OLD1");  // already licensed: never given another
  SetLicence(t, 7, "Lopez, Ana Maria", "");
  PONLICFVACUADRO(t.state, nullptr);
  EXPECT_EQ(t.dialogs.shown,
            std::vector<std::string>{"INFO||Jugadores encontrados: 4\\nJugadores ambiguos: 1"});
  EXPECT_EQ(Licence(t, 1), "");
  EXPECT_EQ(Licence(t, 2), "L3");
  EXPECT_EQ(Licence(t, 3), "L5");
  EXPECT_EQ(Licence(t, 4), "");
  EXPECT_EQ(Licence(t, 5), "");
  EXPECT_EQ(Licence(t, 6), "OLD1");
  EXPECT_EQ(Licence(t, 7), "L4");
  EXPECT_FALSE(storage::FileExists(t.Path("ffva.tmp")));
}

}  // namespace
}  // namespace movarel::rounds
