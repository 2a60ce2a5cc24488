#pragma once
// A tournament folder in a temporary directory for the standings tests: the templates folder
// "zd" written by the program's own template writer, a player table "cuAB" open under
// `cuadro`, and helpers that fill the per-round fields the way pairing validation and result
// entry leave them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/templates.h"
#include "register/working_state.h"
#include "storage/table.h"
#include "storage/workspace.h"

namespace movarel::standings::testing {

inline constexpr char kHalf[] = "\xBD";     // the draw as this program writes it
inline constexpr char kDosHalf[] = "\xAB";  // the draw as the DOS program and Figaro write it

struct Entrant {
  double elo = 0;
  double k = 0;
};

class TournamentFolder {
 public:
  explicit TournamentFolder(const std::vector<Entrant>& entrants) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    dir_ = std::filesystem::temp_directory_path() / ("movarel_standings_" + name);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    state.CCARPINI = dir_.string();
    state.CCLAVE = "AB";
    EXPECT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(state.CCARPINI)).ok());
    EXPECT_TRUE(storage::CreateTable(Path("cuAB.dbf"), registry::CuadroFields()).ok());
    auto opened = state.workspace.Use(Path("cuAB.dbf"), "cuadro", /*shared=*/false);
    EXPECT_TRUE(opened.ok()) << opened.status().message();
    cuadro = *opened;
    for (size_t i = 0; i < entrants.size(); ++i) {
      EXPECT_TRUE(cuadro->Append().ok());
      Put(static_cast<int>(i + 1), "NUM", static_cast<double>(i + 1));
      Put(static_cast<int>(i + 1), "JUG", "JUGADOR " + std::to_string(i + 1));
      Put(static_cast<int>(i + 1), "ELO", entrants[i].elo);
      Put(static_cast<int>(i + 1), "K", entrants[i].k);
    }
  }
  ~TournamentFolder() {
    state.workspace.CloseAll();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  std::string Path(const std::string& file) const { return (dir_ / file).string(); }

  void Put(int player, const std::string& field, const storage::Value& value) {
    cuadro->GoTo(static_cast<uint32_t>(player));
    storage::Status status = cuadro->Put(field, value);
    EXPECT_TRUE(status.ok()) << field << ": " << status.message();
  }
  void PutRound(int round, int player, int opponent, const std::string& colour,
                const std::string& points, bool forfeit) {
    Put(player, registry::RoundFieldName(round, 'J'), static_cast<double>(opponent));
    Put(player, registry::RoundFieldName(round, 'C'), colour);
    Put(player, registry::RoundFieldName(round, 'P'), points);
    Put(player, registry::RoundFieldName(round, 'I'), std::string(forfeit ? "i" : " "));
  }
  // A board: White's and Black's points as result entry stores them ("" = no result yet);
  // a forfeit marks both players.
  void Game(int round, int white, int black, const std::string& white_points,
            const std::string& black_points, bool forfeit = false) {
    PutRound(round, white, black, "B", white_points, forfeit);
    PutRound(round, black, white, "N", black_points, forfeit);
  }
  void Bye(int round, int player, const std::string& points) { PutRound(round, player, 0, "D", points, false); }

  double Get(int player, const std::string& field) {
    cuadro->GoTo(static_cast<uint32_t>(player));
    return cuadro->GetNumber(field);
  }
  std::string Bytes(int player, const std::string& field) {
    cuadro->GoTo(static_cast<uint32_t>(player));
    return cuadro->GetText(field);
  }

  // The tie-break table "dsAB" with these (ORDEN, SISTEMA) records, in this physical order.
  void WriteTieBreaks(const std::vector<std::pair<std::string, std::string>>& records) {
    ASSERT_TRUE(storage::CreateTable(Path("dsAB.dbf"), registry::DesempsFields()).ok());
    storage::Workspace workspace;
    auto opened = workspace.Use(Path("dsAB.dbf"), "desemps", /*shared=*/false);
    ASSERT_TRUE(opened.ok());
    for (const auto& [orden, sistema] : records) {
      ASSERT_TRUE((*opened)->Append().ok());
      ASSERT_TRUE((*opened)->Put("ORDEN", orden).ok());
      ASSERT_TRUE((*opened)->Put("SISTEMA", sistema).ok());
    }
    workspace.CloseAll();
  }

  // Players by place: the player numbers ordered by PUESTO.
  std::vector<int> ByPlace() {
    std::vector<std::pair<double, int>> places;
    for (uint32_t r = 1; r <= cuadro->LastRec(); ++r) {
      cuadro->GoTo(r);
      if (!cuadro->Deleted()) places.push_back({cuadro->GetNumber("PUESTO"), static_cast<int>(r)});
    }
    std::sort(places.begin(), places.end());
    std::vector<int> order;
    for (const auto& p : places) order.push_back(p.second);
    return order;
  }

  registry::WorkingState state;
  storage::Table* cuadro = nullptr;

 private:
  std::filesystem::path dir_;
};

}  // namespace movarel::standings::testing
