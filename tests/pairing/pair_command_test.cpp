// movarel --pair as another program uses it: the answer on standard output or in a file, the
// exit status, and a refusal naming the line or the player. Expectations worked by hand from the
// Dutch rules (the 7-player round 1 and the 8-player round 2 with a floater).

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/program_session.h"

namespace {

namespace fs = std::filesystem;

// A 001 line: number, points, then round blocks such as "   5 w 1".
std::string player(int number, const char* points, const std::vector<std::string>& rounds = {}) {
  char head[100];
  std::snprintf(head, sizeof head, "001 %4d m    Player %-26d %4d                            %4s",
                number, number, 2000 - number, points);
  std::string line = head;
  line.resize(91, ' ');
  for (const std::string& r : rounds) line += r + "  ";
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line + "\r\n";
}

struct PairRun {
  int status = 0;
  std::string out;
  std::string err;
};

PairRun pair(const std::string& trf, const std::string& extra = "") {
  const fs::path dir = fs::temp_directory_path() / ("movarel-pair-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string file = (dir / "t.trf").string();
  movarel::testing::WriteBytes(file, trf);
  const std::string err_file = (dir / "err.txt").string();
  PairRun run;
  const std::string out = movarel::testing::CommandOutput(std::string(MOVAREL_BINARY) + " --pair '" + file +
                                                 "' " + extra + " 2>'" + err_file + "'; echo \"[$?]\"");
  const std::size_t mark = out.rfind('[');
  run.out = out.substr(0, mark);
  run.status = std::stoi(out.substr(mark + 1));
  run.err = movarel::testing::ReadBytes(err_file);
  return run;
}

std::string header(int rounds, const char* initial = "W") {
  return "012 Prueba\r\n142 " + std::to_string(rounds) + "\r\n152 " + initial + "\r\n";
}

TEST(PairCommand, SevenPlayersInRoundOneGiveTheLastOneTheBye) {
  std::string trf = header(5);
  for (int n = 1; n <= 7; ++n) trf += player(n, "0.0");
  const PairRun run = pair(trf);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "4\n1 4\n5 2\n3 6\n7 0\n");
}

TEST(PairCommand, RoundTwoFloatsTheUpsetWinnerAndGrantsPreferences) {
  std::string trf = header(5);
  trf += player(1, "1.0", {"   5 w 1"});
  trf += player(2, "1.0", {"   6 b 1"});
  trf += player(3, "0.5", {"   7 w ="});
  trf += player(4, "0.0", {"   8 b 0"});
  trf += player(5, "0.0", {"   1 b 0"});
  trf += player(6, "0.0", {"   2 w 0"});
  trf += player(7, "0.5", {"   3 b ="});
  trf += player(8, "1.0", {"   4 w 1"});
  const fs::path out = fs::temp_directory_path() / ("movarel-pair-out-" + std::to_string(::getpid()));
  const PairRun run = pair(trf, "--output '" + out.string() + "'");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(movarel::testing::ReadBytes(out.string()), "4\n2 1\n7 8\n4 3\n5 6\n");
  fs::remove(out);
}

TEST(PairCommand, TwoPlayersWhoHaveMetHaveNoValidPairing) {
  std::string trf = header(3);
  trf += player(1, "1.0", {"   2 w 1"});
  trf += player(2, "0.0", {"   1 b 0"});
  const PairRun run = pair(trf);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("no hay emparejamiento"), std::string::npos) << run.err;
}

struct Refusal {
  const char* name;
  std::string trf;
  const char* named;  // what the message must name
};

class PairCommandRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(PairCommandRefuses, ContradictoryFilesWithStatusThree) {
  const PairRun run = pair(GetParam().trf);
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(GetParam().named), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Files, PairCommandRefuses,
    ::testing::Values(
        Refusal{"OpponentNotNamingBack",
                header(3) + player(1, "1.0", {"   2 w 1"}) + player(2, "0.0", {"   3 b 0"}) +
                    player(3, "0.0", {"   2 w 0"}),
                "2"},
        Refusal{"ScoreNotMatchingResults",
                header(3) + player(1, "0.5", {"   2 w 1"}) + player(2, "0.0", {"   1 b 0"}),
                "1"},
        Refusal{"ColourOnABye",
                header(3) + player(1, "1.0", {"0000 w U"}) + player(2, "0.0") + player(3, "0.0"),
                "L\xC3\xADnea 4"},
        Refusal{"NumberThatDoesNotParse", header(3) + "001   x1 m    Nadie\r\n", "L\xC3\xADnea 4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PairCommand, MissingFileIsABadFile) {
  const PairRun run = [] {
    PairRun r;
    const std::string out = movarel::testing::CommandOutput(std::string(MOVAREL_BINARY) +
                                                   " --pair /nonexistent/t.trf 2>/dev/null; echo \"[$?]\"");
    r.status = std::stoi(out.substr(out.rfind('[') + 1));
    return r;
  }();
  EXPECT_EQ(run.status, 3);
}

}  // namespace
