#pragma once
// Helpers for the result entry and round import tests: boards written through the table
// layer, fields read back byte for byte through python3-dbf.

#include <cstdio>
#include <string>
#include <vector>

#include "register/file_names.h"
#include "rounds_test_support.h"

namespace movarel::rounds::testing {

// Every record of `path` as read_field_bytes.py prints it: text fields as hex bytes padded to
// their width, numbers as %g, joined by "|".
inline std::vector<std::string> ReadFieldBytes(const std::string& path, const std::string& fields) {
  const std::string command =
      "/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/rounds/read_field_bytes.py '" + path + "' " + fields;
  std::vector<std::string> lines;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return lines;
  char buffer[1024];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  pclose(pipe);
  return lines;
}

// Hex of bytes, the way read_field_bytes.py writes text fields.
inline std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

// Writes boards 1.. of round `round` of the tournament "AB" (appending records as needed),
// closing the table again and selecting `cuadro`.
struct Board {
  double white;
  double black;
  std::string rdo;
};
inline void WriteBoards(OpenTournament& t, int round, const std::vector<Board>& boards) {
  auto ronda = t.state.workspace.Use(t.Path(registry::RoundTableName(round, "AB") + ".dbf"), "ronda", false);
  ASSERT_TRUE(ronda.ok());
  storage::Table& table = **ronda;
  table.GoTop();
  for (const Board& b : boards) {
    if (table.Eof()) {
      ASSERT_TRUE(table.Append().ok());
    }
    ASSERT_TRUE(table.Put("JUG_B", b.white).ok());
    ASSERT_TRUE(table.Put("JUG_N", b.black).ok());
    ASSERT_TRUE(table.Put("RDO", b.rdo).ok());
    table.Skip();
  }
  ASSERT_TRUE(table.Commit().ok());
  t.state.workspace.Close("ronda");
  t.state.workspace.Select("cuadro");
}

// Writes the pairing of round `round`'s boards into the player table the way confirming it
// leaves it (opponent and colour of both players of each board with a White player), so
// that its results can be confirmed.
inline void PairAsConfirmed(OpenTournament& t, int round) {
  auto ronda = t.state.workspace.Use(t.Path(registry::RoundTableName(round, "AB") + ".dbf"), "ronda", true);
  ASSERT_TRUE(ronda.ok());
  storage::Table& cuadro = t.cuadro();
  auto pair = [&](double player, double opponent, const char* colour) {
    if (player < 1 || player > cuadro.LastRec()) return;
    cuadro.GoTo(static_cast<uint32_t>(player));
    ASSERT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'J'), opponent).ok());
    ASSERT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'C'), std::string(colour)).ok());
  };
  for ((*ronda)->GoTop(); !(*ronda)->Eof(); (*ronda)->Skip()) {
    const double white = (*ronda)->GetNumber("JUG_B");
    const double black = (*ronda)->GetNumber("JUG_N");
    if (white == 0) continue;
    pair(white, black, black == 0 ? "D" : "B");
    if (black != 0) pair(black, white, "N");
  }
  ASSERT_TRUE(cuadro.Commit().ok());
  t.state.workspace.Close("ronda");
  t.state.workspace.Select("cuadro");
  cuadro.GoTop();
}

// Fills R<round>P and R<round>I of every player with `mark`, so a test sees which were written.
inline void MarkScores(OpenTournament& t, int round, const std::string& points, const std::string& forfeit) {
  storage::Table& cuadro = t.cuadro();
  for (cuadro.GoTop(); !cuadro.Eof(); cuadro.Skip()) {
    ASSERT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'P'), points).ok());
    ASSERT_TRUE(cuadro.Put(registry::RoundFieldName(round, 'I'), forfeit).ok());
  }
  ASSERT_TRUE(cuadro.Commit().ok());
  cuadro.GoTop();
}

}  // namespace movarel::rounds::testing
