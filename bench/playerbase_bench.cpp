// The player database against a rating list the size of FIDE's: refreshing the FIDE ratings
// of a 20,000-player database (open the list, index it by code, look up every player, write
// the changed ratings; target under 5 s, peak memory under twice the list's size) and the
// search as a name is typed (target under 10 ms a keystroke).

#include <stdlib.h>
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "generated_rating_list.h"
#include "playerbase/player_database.h"
#include "playerbase/rating_lists.h"
#include "register/file_names.h"
#include "register/table_layouts.h"
#include "storage/files.h"
#include "storage/table.h"
#include "ui/dialogs.h"

namespace {

namespace fs = std::filesystem;
using namespace movarel;

constexpr int kDatabasePlayers = 20'000;

struct SilentDialogs : ui::Dialogs {
  std::string last;
  void MsgInfo(const std::string& text, const std::string&) override { last = text; }
  void MsgStop(const std::string& text, const std::string&) override { last = text; }
  void MsgExclamation(const std::string& text, const std::string&) override { last = text; }
  bool MsgYesNo(const std::string&, const std::string&) override { return true; }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override { return ""; }
  std::string GetFile(const std::vector<ui::FileFilter>&, const std::string&, const std::string&, bool) override {
    return "";
  }
  std::string GetFolder(const std::string&) override { return ""; }
  void OpenDocument(const std::string&) override {}
};

// A start folder whose templates folder holds a database of kDatabasePlayers players, each
// with the FIDE code of one list entry (every 75th) written as the DOS program writes it.
struct Setting {
  fs::path root = fs::temp_directory_path() / "movarel_playerbase_bench";
  std::string pristine;
  SilentDialogs dialogs;
  registry::WorkingState state;

  Setting() {
    fs::create_directories(root / "zd");
    fs::create_directories(root / "windows");
    setenv("MOVAREL_WINDOWS_DIR", (root / "windows").c_str(), 1);
    std::ofstream((root / "windows" / "tq.ini").string(), std::ios::binary)
        << "[Movarel]\r\nEloFide=" << bench::RatingList() << "\r\n";
    state.CCARPINI = root.string();
    state.dialogs = &dialogs;
    const std::string path = playerbase::DatabasePath(state);
    pristine = (root / "basejugs.pristine").string();
    fs::remove(path);
    fs::remove(root / "zd" / "basejugs.ntx");
    if (!storage::CreateTable(path, registry::BasejugsFields()).ok()) std::abort();
    auto opened = state.workspace.Use(path, "bjugs", /*shared=*/false);
    storage::Table& bjugs = **opened;
    for (int i = 0; i < kDatabasePlayers; ++i) {
      char name[40], code[16];
      std::snprintf(name, sizeof name, "Apellido%05d, Nombre", (i * 7919) % kDatabasePlayers);
      std::snprintf(code, sizeof code, "%8d", 1000000 + i * 75);
      if (!bjugs.Append().ok()) std::abort();
      if (!bjugs.Put("JUG", std::string(name)).ok()) std::abort();
      if (!bjugs.Put("COD_FIDE", std::string(code)).ok()) std::abort();
    }
    if (!bjugs.Commit().ok()) std::abort();
    state.workspace.Close("bjugs");
    fs::copy_file(path, pristine, fs::copy_options::overwrite_existing);
  }
};

Setting& TheSetting() {
  static Setting setting;
  return setting;
}

long PeakRssKb() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_RefreshFideRatings(benchmark::State& state) {
  Setting& s = TheSetting();
  const std::string path = playerbase::DatabasePath(s.state);
  for (auto _ : state) {
    state.PauseTiming();
    s.state.workspace.CloseAll();
    fs::copy_file(s.pristine, path, fs::copy_options::overwrite_existing);
    fs::remove(fs::path(path).replace_extension(".ntx"));
    auto opened = playerbase::OpenDatabase(s.state);
    if (!opened.ok()) {
      state.SkipWithError(opened.status().message().c_str());
      return;
    }
    state.ResumeTiming();
    playerbase::ACTFIDE(s.state, nullptr);
  }
  if (s.dialogs.last.find("Jugadores encontrados: 20000") == std::string::npos) {
    state.SkipWithError(s.dialogs.last.c_str());
    return;
  }
  const double list_mb = static_cast<double>(fs::file_size(bench::RatingList())) / (1024.0 * 1024.0);
  const double peak_mb = static_cast<double>(PeakRssKb()) / 1024.0;
  state.counters["list_MB"] = list_mb;
  state.counters["peak_rss_MB"] = peak_mb;
  state.counters["peak_over_list"] = peak_mb / list_mb;
}
BENCHMARK(BM_RefreshFideRatings)->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke of the search box: the typed text upper-cased, the first name that begins
// with it found in the name index (what BUSCAR does before moving the grid's selection).
void BM_SearchKeystroke(benchmark::State& state) {
  Setting& s = TheSetting();
  s.state.workspace.CloseAll();
  auto opened = playerbase::OpenDatabase(s.state);
  if (!opened.ok()) {
    state.SkipWithError(opened.status().message().c_str());
    return;
  }
  storage::Table& bjugs = **opened;
  const std::string typed = "apellido12345, nombre";
  size_t length = 0;
  for (auto _ : state) {
    length = length % typed.size() + 1;
    auto found = bjugs.Seek(storage::Upper(typed.substr(0, length)), /*soft=*/true);
    benchmark::DoNotOptimize(found.ok() && !bjugs.Eof() ? bjugs.RecNo() : 0);
  }
  s.state.workspace.CloseAll();
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace
