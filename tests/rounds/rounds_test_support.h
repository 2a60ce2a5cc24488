#pragma once
// An open tournament for the rounds tests, set up as opening a tournament leaves it: the
// folder is the current folder, the register "torneos" open exclusively under `torneos` on
// the tournament's record, the player table "cuAB" open exclusively under `cuadro`, round
// tables "r1AB".."r<n>AB", the templates folder "zd" and a Windows folder for "tq.ini".

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/templates.h"
#include "register/working_state.h"
#include "storage/table.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"

namespace movarel::rounds::testing {

// Records every box the way the script transcript writes it ("INFO|title|text", CR LF as
// "\n") and answers questions from a queue (No when it runs dry).
struct ScriptedDialogs : ui::Dialogs {
  std::vector<std::string> shown;
  std::deque<bool> answers;
  static std::string Line(const std::string& kind, const std::string& title, const std::string& text) {
    std::string line = kind + "|" + title + "|";
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        line += "\\n";
        ++i;
      } else {
        line += text[i];
      }
    }
    return line;
  }
  void MsgInfo(const std::string& text, const std::string& title) override {
    shown.push_back(Line("INFO", title, text));
  }
  void MsgStop(const std::string& text, const std::string& title) override {
    shown.push_back(Line("STOP", title, text));
  }
  void MsgExclamation(const std::string& text, const std::string& title) override {
    shown.push_back(Line("EXCLAMATION", title, text));
  }
  bool MsgYesNo(const std::string& text, const std::string& title) override {
    bool answer = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    shown.push_back(Line("YESNO", title, text) + (answer ? "|yes" : "|no"));
    return answer;
  }
  std::string InputBox(const std::string&, const std::string&, const std::string&) override { return ""; }
  std::string GetFile(const std::vector<ui::FileFilter>&, const std::string&, const std::string&,
                      bool) override {
    return "";
  }
  std::string GetFolder(const std::string&) override { return ""; }
  void OpenDocument(const std::string&) override {}
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int RunCommand(const std::string& command) { return std::system(command.c_str()); }

struct PlayerData {
  std::string jug;
  double elofide = 0, elofeda = 0, elo = 0;
  std::string cat = "";
  double num = 0;  // 0: the record number
};

class OpenTournament {
 public:
  // A tournament "AB" of `players` records numbered 1..n and `rounds` round tables of
  // round-half-up(n / 2) boards; `player_table_file` lets a test use the DOS spelling.
  explicit OpenTournament(int players, int rounds = 3, const std::string& player_table_file = "cuAB.dbf") {
    std::string pattern = (std::filesystem::temp_directory_path() / "movarel-rounds-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    std::filesystem::create_directories(windows());
    setenv("MOVAREL_WINDOWS_DIR", windows().c_str(), 1);
    previous_folder_ = std::filesystem::current_path().string();
    std::filesystem::current_path(dir_);
    state.dialogs = &dialogs;
    state.CCARPINI = dir_;
    state.CCLAVE = "AB";
    EXPECT_TRUE(registry::MakeTemplates(registry::TemplatesFolder(dir_)).ok());

    EXPECT_TRUE(storage::CreateTable(Path("torneos.dbf"), registry::TorneosFields()).ok());
    auto torneos = state.workspace.Use(Path("torneos.dbf"), "torneos", /*shared=*/false);
    EXPECT_TRUE(torneos.ok());
    EXPECT_TRUE((*torneos)->Append().ok());
    EXPECT_TRUE((*torneos)->Put("FICHERO", std::string("AB")).ok());
    EXPECT_TRUE((*torneos)->Put("TORNEO", std::string("Open de prueba")).ok());
    EXPECT_TRUE((*torneos)->Put("N_JUGS", static_cast<double>(players)).ok());
    EXPECT_TRUE((*torneos)->Put("N_RONDAS", static_cast<double>(rounds)).ok());
    EXPECT_TRUE((*torneos)->Commit().ok());

    for (int n = 1; n <= rounds; ++n) {
      const std::string name = Path(registry::RoundTableName(n, "AB") + ".dbf");
      EXPECT_TRUE(storage::CreateTable(name, registry::RondaFields()).ok());
      auto ronda = state.workspace.Use(name, "ronda", false);
      for (int b = 0; b < (players + 1) / 2; ++b) EXPECT_TRUE((*ronda)->Append().ok());
      EXPECT_TRUE((*ronda)->Put("JUG_B", 1.0).ok());  // a reference that must survive unchanged
      EXPECT_TRUE((*ronda)->Commit().ok());
      state.workspace.Close("ronda");
    }
    player_table_ = Path(player_table_file);
    EXPECT_TRUE(storage::CreateTable(player_table_, registry::CuadroFields()).ok());
    auto cuadro = state.workspace.Use(player_table_, "cuadro", /*shared=*/false);
    EXPECT_TRUE(cuadro.ok());
    for (int i = 1; i <= players; ++i) {
      EXPECT_TRUE((*cuadro)->Append().ok());
      EXPECT_TRUE((*cuadro)->Put("NUM", static_cast<double>(i)).ok());
    }
    EXPECT_TRUE((*cuadro)->Commit().ok());
    (*cuadro)->GoTop();
  }
  ~OpenTournament() {
    state.workspace.CloseAll();
    std::error_code ignored;
    std::filesystem::current_path(previous_folder_, ignored);
    std::filesystem::remove_all(dir_, ignored);
  }
  OpenTournament(const OpenTournament&) = delete;
  OpenTournament& operator=(const OpenTournament&) = delete;

  const std::string& dir() const { return dir_; }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  std::string windows() const { return dir_ + "/windows"; }
  const std::string& player_table() const { return player_table_; }
  storage::Table& cuadro() { return *state.workspace.Find("cuadro"); }
  storage::Table& torneos() { return *state.workspace.Find("torneos"); }

  void SetPlayer(uint32_t recno, const PlayerData& p) {
    storage::Table& t = cuadro();
    t.GoTo(recno);
    EXPECT_TRUE(t.Put("JUG", p.jug).ok());
    EXPECT_TRUE(t.Put("ELOFIDE", p.elofide).ok());
    EXPECT_TRUE(t.Put("ELOFEDA", p.elofeda).ok());
    EXPECT_TRUE(t.Put("ELO", p.elo).ok());
    EXPECT_TRUE(t.Put("CAT", p.cat).ok());
    if (p.num != 0) {
      EXPECT_TRUE(t.Put("NUM", p.num).ok());
    }
    EXPECT_TRUE(t.Commit().ok());
  }
  // Names in record order (trimmed), live records only.
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    storage::Table& t = cuadro();
    for (t.GoTop(); !t.Eof(); t.Skip()) names.emplace_back(storage::RTrim(t.GetText("JUG")));
    return names;
  }
  std::vector<int> Numbers() {
    std::vector<int> numbers;
    storage::Table& t = cuadro();
    for (t.GoTop(); !t.Eof(); t.Skip()) numbers.push_back(static_cast<int>(t.GetNumber("NUM")));
    return numbers;
  }
  // Records of a round table, read through a fresh open.
  uint32_t Boards(int round) {
    auto ronda = state.workspace.Use(Path(registry::RoundTableName(round, "AB") + ".dbf"), "ronda", true);
    if (!ronda.ok()) return 0;
    uint32_t n = (*ronda)->LastRec();
    state.workspace.Close("ronda");
    state.workspace.Select("cuadro");
    return n;
  }
  void WriteSettings(const std::string& text) {
    std::ofstream(windows() + "/tq.ini", std::ios::binary) << text;
  }
  // The FVA list written by python3-dbf; entries "LIC|JUG|ELO".
  void WriteFvaList(const std::string& path, const std::vector<std::string>& entries) {
    std::string command =
        "/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/rounds/write_fva_list.py '" + path + "'";
    for (const std::string& e : entries) command += " '" + e + "'";
    ASSERT_EQ(RunCommand(command), 0) << command;
  }

  ScriptedDialogs dialogs;
  registry::WorkingState state;

 private:
  std::string dir_;
  std::string previous_folder_;
  std::string player_table_;
};

}  // namespace movarel::rounds::testing

namespace movarel::rounds::testing {

// Every record of a player table as python3-dbf reads it: "NUM|JUG|R1J|deleted mark".
inline std::vector<std::string> ReadWithPython(const std::string& path) {
  std::string command = "/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/rounds/read_players.py '" + path + "'";
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    lines.push_back(line);
  }
  pclose(pipe);
  return lines;
}

inline std::vector<std::string> FolderListing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// One earlier round of a player as validation and result entry leave it.
inline void SetRound(OpenTournament& t, int player, int round, int opponent, const std::string& colour,
                     const std::string& points, const std::string& forfeit = " ") {
  storage::Table& c = t.cuadro();
  c.GoTo(player);
  EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'J'), static_cast<double>(opponent)).ok());
  EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'C'), colour).ok());
  EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'P'), points).ok());
  EXPECT_TRUE(c.Put(registry::RoundFieldName(round, 'I'), forfeit).ok());
  EXPECT_TRUE(c.Commit().ok());
}

}  // namespace movarel::rounds::testing
