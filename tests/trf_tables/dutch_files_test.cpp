// TRF files written by an independent pairing program imported as tournaments and written
// out again: every game of every player (opponent, colour, result) must come back, and every
// round without an opponent with the same kind of bye. Runs over the sample in tests/data/trf
// and, when present, every twentieth file of tests/data/dutch (each import and export writes
// and syncs a dozen tables: about a second a file); all of them with MOVAREL_ALL_DUTCH=1.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "register/templates.h"
#include "register/file_names.h"
#include "register/test_support.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "trf/reader.h"
#include "trf_tables/tables_from_trf.h"
#include "trf_tables/trf_export.h"
#include "trf_tables/trf_import.h"
#include "ui/platform.h"

namespace movarel::trf_tables {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> TrfFilesIn(const std::string& folder) {
  std::vector<std::string> files;
  if (!fs::is_directory(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".trf" && name.find("example") == std::string::npos) {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::string> DutchFiles() {
  std::vector<std::string> files = TrfFilesIn(MOVAREL_FIXTURES_DIR "/trf");
  const std::vector<std::string> all = TrfFilesIn(MOVAREL_FIXTURES_DIR "/dutch");
  const char* every = std::getenv("MOVAREL_ALL_DUTCH");
  const size_t step = every != nullptr && std::string(every) == "1" ? 1 : 20;
  for (size_t i = 0; i < all.size(); i += step) files.push_back(all[i]);
  return files;
}

// What a round without an opponent comes back as: a blank result or an absence written as
// a forfeit loss are both the zero-point bye.
char ByeKind(const trf::RoundEntry& entry) {
  return entry.result == ' ' || entry.result == '-' ? 'Z' : entry.result;
}

TEST(DutchFiles, ImportedAndWrittenAgainKeepEveryGame) {
  movarel::registry::testing::RecordingDialogs dialogs;
  movarel::testing::ScratchFolder scratch("movarel-trf-dutch");
  const std::string here = ui::GetCurrentFolder();
  ASSERT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(scratch.path())).ok());
  const std::vector<std::string> files = DutchFiles();
  ASSERT_GE(files.size(), 4u);
  int number = 0;
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const trf::ReadResult original = trf::Read(movarel::testing::ReadBytes(file));
    ASSERT_TRUE(original.ok()) << original.error->message;
    auto plan = PlanImport(original);
    ASSERT_TRUE(std::holds_alternative<ImportPlan>(plan));

    const std::string folder = scratch.file("t" + std::to_string(++number));
    fs::create_directories(folder);
    ASSERT_TRUE(ui::SetCurrentFolder(folder));
    registry::WorkingState state;
    state.dialogs = &dialogs;
    state.CCARPINI = scratch.path();
    ASSERT_TRUE(WriteImportedTournament(state, std::get<ImportPlan>(plan), "D"));
    ASSERT_EQ(registry::ABRIRTORNEO(state, folder + "/cuD.dbf").change, registry::TournamentChange::kOpened);
    INFTRF(state);
    ASSERT_TRUE(dialogs.stops.empty()) << dialogs.stops.front();
    state.workspace.CloseAll();

    const trf::ReadResult again = trf::Read(movarel::testing::ReadBytes(folder + "/D.trf"));
    ASSERT_TRUE(again.ok()) << again.error->message;
    ASSERT_EQ(again.tournament.players.size(), original.tournament.players.size());
    for (size_t i = 0; i < original.tournament.players.size(); ++i) {
      const std::vector<trf::RoundEntry>& before = original.tournament.players[i].rounds;
      const std::vector<trf::RoundEntry>& after = again.tournament.players[i].rounds;
      for (size_t r = 0; r < before.size(); ++r) {
        if (r >= after.size()) {  // the round to be paired next: only announced byes, no game
          EXPECT_EQ(before[r].opponent, 0) << "player " << i + 1 << " round " << r + 1;
          continue;
        }
        if (before[r].opponent != 0) {
          EXPECT_EQ(after[r], before[r]) << "player " << i + 1 << " round " << r + 1;
        } else {
          EXPECT_EQ(after[r].opponent, 0) << "player " << i + 1 << " round " << r + 1;
          EXPECT_EQ(ByeKind(after[r]), ByeKind(before[r])) << "player " << i + 1 << " round " << r + 1;
        }
      }
    }
  }
  ASSERT_TRUE(ui::SetCurrentFolder(here));
}

}  // namespace
}  // namespace movarel::trf_tables
