#include "rounds/seeding_order.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "rounds_test_support.h"
#include "storage/files.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;
using testing::PlayerData;

constexpr char kQuestion[] =
    "YESNO|Atencion|Realmente desea crear un nuevo orden de fuerza?\\n"
    "Si ha introducido algun emparejamiento, pasara a ser erroneo|yes";

// Eight live players and one deleted. Ties are built so that every part of each key
// decides somewhere: equal FIDE, then FEDA, then FVA, then CAT, then name.
void FillRatedField(OpenTournament& t) {
  t.SetPlayer(1, {"ROMERO, LUIS", 0, 0, 0, ""});
  t.SetPlayer(2, {"GARCIA, ANA", 2100, 2050, 2000, "A"});
  t.SetPlayer(3, {"BLASCO, PEDRO", 2100, 2080, 1900, "B"});
  t.SetPlayer(4, {"ALONSO, JUAN", 2100, 2050, 2010, "B"});
  t.SetPlayer(5, {"CASTRO, EVA", 2100, 2050, 2010, "A"});
  t.SetPlayer(6, {"DIAZ, RAUL", 0, 2300, 2200, ""});
  t.SetPlayer(7, {"ZAPATA, IVAN", 2100, 2050, 2010, "A"});
  t.SetPlayer(8, {"MORA, LUZ", 950, 0, 0, "C"});
  t.SetPlayer(9, {"BORRADO, XAVIER", 2500, 2500, 2500, ""});
  t.cuadro().GoTo(9);
  ASSERT_TRUE(t.cuadro().Delete().ok());
  // Per-round fields travel with their player and keep the old numbers.
  t.cuadro().GoTo(3);
  ASSERT_TRUE(t.cuadro().Put("R1J", 7.0).ok());
  ASSERT_TRUE(t.cuadro().Put("R1C", std::string("B")).ok());
}

struct KindCase {
  const char* kind;
  std::vector<std::string> order;  // worked out by hand from the data above
};

class SeedingByRatings : public ::testing::TestWithParam<KindCase> {};

TEST_P(SeedingByRatings, OrdersByTheKindsKeyRenumbersAndPurgesDeletedPlayers) {
  OpenTournament t(9);
  FillRatedField(t);
  t.dialogs.answers = {true};
  CREAROF(t.state, GetParam().kind);

  ASSERT_EQ(t.dialogs.shown, std::vector<std::string>{kQuestion});
  ASSERT_NE(t.state.workspace.Find("cuadro"), nullptr);
  EXPECT_EQ(t.state.workspace.Selected(), t.state.workspace.Find("cuadro"));
  EXPECT_EQ(t.cuadro().ControllingIndex(), nullptr);
  EXPECT_EQ(t.Names(), GetParam().order);
  EXPECT_EQ(t.Numbers(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(t.cuadro().LastRec(), 8u);
  EXPECT_EQ(t.torneos().GetNumber("N_JUGS"), 9);  // the register is not touched
  EXPECT_EQ(t.state.CFICHTRAB, "cuAB.dbf");
  EXPECT_FALSE(storage::FileExists(t.Path("zdofi.tmp")));
  EXPECT_FALSE(storage::FileExists(t.Path("zdof.tmp")));

  // The file as an independent reader sees it: numbers = positions, R1J untranslated.
  t.state.workspace.CloseAll();
  std::vector<std::string> lines = testing::ReadWithPython(t.player_table());
  ASSERT_EQ(lines.size(), 8u);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& name = GetParam().order[i];
    EXPECT_EQ(lines[i],
              std::to_string(i + 1) + "|" + name + "|" + (name == "BLASCO, PEDRO" ? "7" : "0") + "|");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SeedingByRatings,
    ::testing::Values(KindCase{"FFF",
                               {"BLASCO, PEDRO", "CASTRO, EVA", "ZAPATA, IVAN", "ALONSO, JUAN", "GARCIA, ANA",
                                "MORA, LUZ", "DIAZ, RAUL", "ROMERO, LUIS"}},
                      KindCase{"FF0",
                               {"CASTRO, EVA", "ZAPATA, IVAN", "ALONSO, JUAN", "GARCIA, ANA", "BLASCO, PEDRO",
                                "MORA, LUZ", "DIAZ, RAUL", "ROMERO, LUIS"}},
                      KindCase{"F00",
                               {"DIAZ, RAUL", "CASTRO, EVA", "ZAPATA, IVAN", "ALONSO, JUAN", "GARCIA, ANA",
                                "BLASCO, PEDRO", "ROMERO, LUIS", "MORA, LUZ"}}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.kind); });

TEST(SeedingByNum, TypedNumbersFiveOneThreeBecomeThreeOneTwo) {
  OpenTournament t(3);
  t.SetPlayer(1, {"A", 0, 0, 0, "", 5});
  t.SetPlayer(2, {"B", 0, 0, 0, "", 1});
  t.SetPlayer(3, {"C", 0, 0, 0, "", 3});
  t.dialogs.answers = {true};
  CREAROF(t.state, "NUM");
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"B", "C", "A"}));
  EXPECT_EQ(t.Numbers(), (std::vector<int>{1, 2, 3}));
}

TEST(SeedingByNum, EqualNumbersKeepTheirRecordOrder) {
  OpenTournament t(4);
  t.SetPlayer(1, {"P1", 0, 0, 0, "", 2});
  t.SetPlayer(2, {"P2"});
  t.SetPlayer(3, {"P3"});
  t.SetPlayer(4, {"P4", 0, 0, 0, "", 1});
  for (uint32_t r : {2u, 3u}) {
    t.cuadro().GoTo(r);
    EXPECT_TRUE(t.cuadro().Put("NUM", 0.0).ok());
  }
  t.dialogs.answers = {true};
  CREAROF(t.state, "NUM");
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"P2", "P3", "P4", "P1"}));
}

TEST(SeedingOrder, UnknownKindKeepsThePhysicalOrderAndRenumbers) {
  OpenTournament t(3);
  t.SetPlayer(1, {"C", 0, 0, 0, "", 9});
  t.SetPlayer(2, {"A", 0, 0, 0, "", 8});
  t.SetPlayer(3, {"B", 0, 0, 0, "", 7});
  t.dialogs.answers = {true};
  CREAROF(t.state, "XYZ");
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"C", "A", "B"}));
  EXPECT_EQ(t.Numbers(), (std::vector<int>{1, 2, 3}));
}

TEST(SeedingOrder, AnsweringNoChangesNothing) {
  OpenTournament t(9);
  FillRatedField(t);
  const std::string before = testing::ReadBytes(t.player_table());
  t.dialogs.answers = {false};
  CREAROF(t.state, "FFF");
  EXPECT_EQ(testing::ReadBytes(t.player_table()), before);
  EXPECT_EQ(t.cuadro().LastRec(), 9u);
}

TEST(SeedingOrder, DosSpelledPlayerTableIsReplacedUnderItsOwnName) {
  OpenTournament t(3, 2, "CUAB.DBF");
  t.SetPlayer(1, {"C", 0, 0, 1500});
  t.SetPlayer(2, {"A", 0, 0, 1700});
  t.SetPlayer(3, {"B", 0, 0, 1600});
  const std::vector<std::string> listing = testing::FolderListing(t.dir());
  t.dialogs.answers = {true};
  CREAROF(t.state, "F00");
  EXPECT_EQ(t.Names(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(testing::FolderListing(t.dir()), listing);  // no second "cuAB.dbf", no temporaries
}

// Every step of the rewrite refused in turn: the old table stays as it was, open and
// selected, the temporaries are gone, and the message says so.
std::string StepName(const ::testing::TestParamInfo<SeedingStep>& info) {
  static const char* const kNames[] = {"Index", "Copy", "Number", "Replace", "Reopen"};
  return kNames[static_cast<int>(info.param)];
}

class SeedingFailure : public ::testing::TestWithParam<SeedingStep> {};

TEST_P(SeedingFailure, LeavesTheOldTableIntactAndNoTemporaries) {
  OpenTournament t(9);
  FillRatedField(t);
  const std::string before = testing::ReadBytes(t.player_table());
  const std::vector<std::string> listing = testing::FolderListing(t.dir());
  t.dialogs.answers = {true};
  CREAROF(t.state, "FFF", [](SeedingStep step) {
    return step == GetParam() ? storage::Status::IoError("rechazado por la prueba") : storage::Status::Ok();
  });

  ASSERT_EQ(t.dialogs.shown.size(), 2u);
  EXPECT_EQ(t.dialogs.shown[1].rfind("STOP||No se ha podido crear el orden de fuerza\\n", 0), 0u)
      << t.dialogs.shown[1];
  EXPECT_NE(t.dialogs.shown[1].find("rechazado por la prueba"), std::string::npos);
  EXPECT_NE(t.dialogs.shown[1].find("\\nEl cuadro de jugadores no se ha modificado"), std::string::npos);
  EXPECT_EQ(testing::ReadBytes(t.player_table()), before);
  EXPECT_EQ(testing::FolderListing(t.dir()), listing);
  ASSERT_NE(t.state.workspace.Find("cuadro"), nullptr);
  EXPECT_EQ(t.state.workspace.Selected(), t.state.workspace.Find("cuadro"));
  EXPECT_EQ(t.cuadro().ControllingIndex(), nullptr);
  EXPECT_EQ(t.Names().front(), "ROMERO, LUIS");
  // The table is still usable: a second attempt succeeds.
  t.dialogs.answers = {true};
  CREAROF(t.state, "FFF");
  EXPECT_EQ(t.Names().front(), "BLASCO, PEDRO");
}

INSTANTIATE_TEST_SUITE_P(Steps, SeedingFailure,
                         ::testing::Values(SeedingStep::kIndex, SeedingStep::kCopy, SeedingStep::kNumber,
                                           SeedingStep::kReplace),
                         StepName);

TEST(SeedingOrder, CopyRefusedBySystemLeavesTheOldTable) {
  OpenTournament t(9);
  FillRatedField(t);
  const std::string before = testing::ReadBytes(t.player_table());
  // A folder named like the copy: the operating system refuses to put a file in its place.
  std::filesystem::create_directories(t.Path("zdof.tmp/ocupado"));
  t.dialogs.answers = {true};
  CREAROF(t.state, "FFF");
  ASSERT_EQ(t.dialogs.shown.size(), 2u);
  EXPECT_EQ(t.dialogs.shown[1].rfind("STOP||No se ha podido crear el orden de fuerza", 0), 0u);
  EXPECT_EQ(testing::ReadBytes(t.player_table()), before);
  EXPECT_FALSE(storage::FileExists(t.Path("zdofi.tmp")));
  std::filesystem::remove_all(t.Path("zdof.tmp"));
  std::vector<std::string> expected = {"cuAB.dbf",    "r1AB.dbf", "r2AB.dbf", "r3AB.dbf",
                                       "torneos.dbf", "windows",  "zd"};
  EXPECT_EQ(testing::FolderListing(t.dir()), expected);
}

TEST(SeedingOrder, ReopenRefusedAfterTheReplacementSaysTheNewOrderIsWritten) {
  OpenTournament t(9);
  FillRatedField(t);
  t.dialogs.answers = {true};
  CREAROF(t.state, "FFF", [](SeedingStep step) {
    return step == SeedingStep::kReopen ? storage::Status::Locked("abierto por otro programa")
                                        : storage::Status::Ok();
  });
  ASSERT_EQ(t.dialogs.shown.size(), 2u);
  EXPECT_EQ(t.dialogs.shown[1].rfind("STOP||Se ha creado el nuevo orden de fuerza", 0), 0u);
  EXPECT_EQ(t.state.workspace.Find("cuadro"), nullptr);
  std::vector<std::string> lines = testing::ReadWithPython(t.player_table());
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "1|BLASCO, PEDRO|7|");
  EXPECT_FALSE(storage::FileExists(t.Path("zdof.tmp")));
}

}  // namespace
}  // namespace movarel::rounds
