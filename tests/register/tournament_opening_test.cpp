// Opening a tournament inside the test process: the working state it leaves, and an upgrade
// that cannot be made leaving the DOS program's table as it was.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "register/templates.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "storage/workspace.h"
#include "tournament_session.h"

namespace movarel::registry {
namespace {

using testing::ReadFileBytes;

struct YesDialogs : testing::RecordingDialogs {
  bool MsgYesNo(const std::string& text, const std::string&) override {
    others.push_back(text);
    return true;
  }
};

class OpeningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cwd_ = std::filesystem::current_path();
    setenv("MOVAREL_WINDOWS_DIR", session_.windows().c_str(), 1);
    state_.dialogs = &dialogs_;
    state_.CCARPINI = session_.root();
  }
  void TearDown() override {
    state_.workspace.CloseAll();
    std::filesystem::current_path(cwd_);
    unsetenv("MOVAREL_WINDOWS_DIR");
  }
  testing::Session session_;
  YesDialogs dialogs_;
  WorkingState state_;
  std::filesystem::path cwd_;
};

TEST_F(OpeningTest, DosTournamentOpensOnItsRecordWithOneDigitRounds) {
  const std::string dos = session_.CopyDosFixture("dos");
  state_.NDIGRONDAS = 2;
  const TournamentOutcome outcome = ABRIRTORNEO(state_, dos + "/CUOP.DBF");
  ASSERT_EQ(outcome.change, TournamentChange::kOpened) << (dialogs_.stops.empty() ? "" : dialogs_.stops[0]);
  EXPECT_EQ(outcome.name.substr(0, 17), "OPEN DE PRUEBA OP");
  EXPECT_EQ(state_.CCLAVE, "OP");
  EXPECT_EQ(state_.NDIGRONDAS, 1);  // five rounds
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dos));
  ASSERT_NE(state_.workspace.Find("cuadro"), nullptr);
  EXPECT_TRUE(state_.workspace.Find("cuadro")->HasField("SEXO"));
  EXPECT_EQ(state_.workspace.Selected(), state_.workspace.Find("cuadro"));
  EXPECT_EQ(state_.workspace.Find("torneos")->RecNo(), 1u);
}

TEST_F(OpeningTest, UpgradeWithoutTemplateKeepsTheOldTableAndOpensNothing) {
  const std::string dos = session_.CopyDosFixture("dos");
  std::filesystem::remove(session_.root() + "/zd/cuadrow.mod");
  testing::WriteFileBytes(dos + "/cuOP.bak", "an older backup");
  const std::string original = ReadFileBytes(dos + "/CUOP.DBF");
  const TournamentOutcome outcome = ABRIRTORNEO(state_, dos + "/CUOP.DBF");
  EXPECT_EQ(outcome.change, TournamentChange::kClosed);
  ASSERT_EQ(dialogs_.stops.size(), 1u);
  EXPECT_NE(dialogs_.stops[0].find("cuadrow.mod"), std::string::npos) << dialogs_.stops[0];
  EXPECT_EQ(ReadFileBytes(dos + "/CUOP.DBF"), original);
  EXPECT_EQ(ReadFileBytes(dos + "/cuOP.bak"), "an older backup");
  EXPECT_FALSE(testing::Exists(dos + "/cuadrow.tmp"));
  EXPECT_EQ(state_.workspace.Find("cuadro"), nullptr);
  EXPECT_EQ(state_.workspace.Find("torneos"), nullptr);
}

TEST_F(OpeningTest, UpgradeReplacesAnOlderBackup) {
  const std::string dos = session_.CopyDosFixture("dos");
  testing::WriteFileBytes(dos + "/CUOP.BAK", "an older backup");
  const std::string original = ReadFileBytes(dos + "/CUOP.DBF");
  ASSERT_EQ(ABRIRTORNEO(state_, dos + "/CUOP.DBF").change, TournamentChange::kOpened);
  EXPECT_FALSE(testing::Exists(dos + "/CUOP.BAK"));
  EXPECT_EQ(ReadFileBytes(dos + "/cuOP.bak"), original);
}

struct FailedOpen {
  const char* label;
  const char* file;  // relative to the DOS folder; "" = empty path
};

class FailedOpenTest : public OpeningTest, public ::testing::WithParamInterface<FailedOpen> {};

TEST_P(FailedOpenTest, SaysNotFoundAndLeavesNoTableOpen) {
  const std::string dos = session_.CopyDosFixture("dos");
  testing::WriteFileBytes(dos + "/cuZZ.dbf", ReadFileBytes(dos + "/CUOP.DBF"));  // no register record
  const std::string path = *GetParam().file ? dos + "/" + GetParam().file : "";
  EXPECT_EQ(ABRIRTORNEO(state_, path).change, TournamentChange::kClosed);
  ASSERT_EQ(dialogs_.others.size(), 1u);
  EXPECT_EQ(dialogs_.others[0], "No se ha encontrado el torneo");
  EXPECT_EQ(state_.workspace.Find("cuadro"), nullptr);
  EXPECT_EQ(state_.workspace.Find("torneos"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Paths, FailedOpenTest,
                         ::testing::Values(FailedOpen{"cancelled", ""}, FailedOpen{"moved", "cuXY.dbf"},
                                           FailedOpen{"key not registered", "cuZZ.dbf"}));

}  // namespace
}  // namespace movarel::registry

namespace movarel::registry {
namespace {

// The print width of the round count: one digit up to nine rounds, two from ten on.
class RoundDigitsTest : public OpeningTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(RoundDigitsTest, RoundCountSetsItsDigits) {
  const auto [rounds, digits] = GetParam();
  const std::string dos = session_.CopyDosFixture("dos");
  {
    storage::Workspace ws;
    auto reg = ws.Use(dos + "/TORNEOS.DBF", "torneos", false);
    ASSERT_TRUE(reg.ok()) << reg.status().message();
    reg.value()->GoTop();
    ASSERT_TRUE(reg.value()->Put("N_RONDAS", static_cast<double>(rounds)).ok());
  }
  ASSERT_EQ(ABRIRTORNEO(state_, dos + "/CUOP.DBF").change, TournamentChange::kOpened);
  EXPECT_EQ(state_.NDIGRONDAS, digits);
}

INSTANTIATE_TEST_SUITE_P(Counts, RoundDigitsTest,
                         ::testing::Values(std::pair{9, 1}, std::pair{10, 2}, std::pair{11, 2}, std::pair{15, 2}));

}  // namespace
}  // namespace movarel::registry
