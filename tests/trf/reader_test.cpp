#include <gtest/gtest.h>

#include <string>

#include "trf/reader.h"
#include "trf/writer.h"
#include "trf_files.h"

namespace movarel::trf {
namespace {

using testing::TrfFixture;

// Expectations from the cross-check table written beside Example A (a hand-made event).
TEST(TrfReader, ExampleAReadsEveryColumn) {
  ReadResult read = Read(TrfFixture("example-a.trf"));
  ASSERT_TRUE(read.ok()) << read.error->message;
  const Tournament& t = read.tournament;
  EXPECT_EQ(t.version, Version::kTrf26);
  EXPECT_EQ(t.name, "Lakeside Spring Open 2026");
  EXPECT_EQ(t.federation, "AUT");
  EXPECT_EQ(t.start_date, "2026/03/13");
  EXPECT_EQ(t.declared_players, 6);
  EXPECT_EQ(t.deputy_arbiters, std::vector<std::string>{"FA Dahl, Dora (99000118)"});
  EXPECT_EQ(t.round_dates, (std::vector<std::string>{"26/03/13", "26/03/14", "26/03/15"}));
  EXPECT_EQ(t.rounds, 3);
  EXPECT_EQ(t.initial_colour, 'W');
  EXPECT_EQ(t.type_code, "FIDE_DUTCH");
  EXPECT_EQ(t.tie_breaks, (std::vector<std::string>{"BH/C1", "BH", "SB"}));
  EXPECT_EQ(t.standings_rule, (std::vector<std::string>{"PTS", "BH/C1", "BH", "SB"}));
  EXPECT_EQ(t.encoded_time_control, "5400+30");
  ASSERT_EQ(t.players.size(), 6u);

  const Player& abel = t.players[0];
  EXPECT_EQ(abel.starting_rank, 1);
  EXPECT_EQ(abel.sex, 'w');
  EXPECT_EQ(abel.title, "WIM");
  EXPECT_EQ(abel.name, "Abel, Anna");
  EXPECT_EQ(abel.rating, 2200);
  EXPECT_EQ(abel.federation, "AUT");
  EXPECT_EQ(abel.fide_id, "99000011");
  EXPECT_EQ(abel.birth_date, "1995/04/12");
  EXPECT_EQ(abel.points_tenths, 25);
  EXPECT_EQ(abel.rank, 1);
  EXPECT_EQ(abel.rounds, (std::vector<RoundEntry>{{4, Colour::kWhite, '1'}, {2, Colour::kBlack, '1'},
                                                  {3, Colour::kWhite, '='}}));
  EXPECT_EQ(t.players[1].title, "FM");
  EXPECT_EQ(t.players[2].rounds[1], (RoundEntry{0, Colour::kNone, 'H'}));
  EXPECT_EQ(t.players[3].rounds[2], (RoundEntry{2, Colour::kWhite, '-'}));
  EXPECT_EQ(t.players[1].rounds[2], (RoundEntry{4, Colour::kBlack, '+'}));
  EXPECT_EQ(t.players[5].rounds[1], (RoundEntry{0, Colour::kNone, 'U'}));
  int points[] = {25, 20, 20, 5, 15, 10};
  int ranks[] = {1, 2, 3, 6, 4, 5};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(t.players[i].points_tenths, points[i]) << i;
    EXPECT_EQ(t.players[i].rank, ranks[i]) << i;
  }
  EXPECT_TRUE(read.warnings.empty());
}

TEST(TrfReader, ExampleBHasExtensionLinesAndNoThirdRound) {
  ReadResult read = Read(TrfFixture("example-b.trf"));
  ASSERT_TRUE(read.ok()) << read.error->message;
  EXPECT_EQ(read.tournament.rounds, 3);
  EXPECT_EQ(read.tournament.initial_colour, 'W');
  for (const Player& player : read.tournament.players) EXPECT_EQ(player.rounds.size(), 2u);
  EXPECT_EQ(read.tournament.players[2].points_tenths, 15);
}

// Files written by another program, with a double forfeit (case 1), round 1 still to be paired
// (case 4), announced byes and absences (case 46), and 201 players (medium case 1).
class DutchSample : public ::testing::TestWithParam<const char*> {};

TEST_P(DutchSample, ReadsAndSurvivesWritingBack) {
  ReadResult read = Read(TrfFixture(GetParam()));
  ASSERT_TRUE(read.ok()) << read.error->message;
  EXPECT_EQ(read.tournament.version, Version::kTrf26);
  EXPECT_EQ(read.tournament.type, "FIDE_DUTCH_2025");
  ReadResult again = Read(Write(read.tournament));
  ASSERT_TRUE(again.ok()) << again.error->message;
  EXPECT_EQ(again.tournament, read.tournament);
}

INSTANTIATE_TEST_SUITE_P(Files, DutchSample,
                         ::testing::Values("dutch-small-0001.trf", "dutch-small-0004.trf",
                                           "dutch-small-0046.trf", "dutch-medium-0001.trf"));

TEST(TrfReader, DoubleForfeitIsMinusOnBothSides) {
  ReadResult read = Read(TrfFixture("dutch-small-0001.trf"));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.tournament.players[5].rounds[3], (RoundEntry{21, Colour::kBlack, '-'}));
  EXPECT_EQ(read.tournament.players[20].rounds[3], (RoundEntry{6, Colour::kWhite, '-'}));
}

TEST(TrfWriter, ExamplesComeBackByteForByte) {
  std::string a = TrfFixture("example-a.trf");
  EXPECT_EQ(Write(Read(a).tournament), a);
  std::string b = TrfFixture("example-b.trf");
  EXPECT_EQ(Write(Read(b).tournament, {.extension_records = true}), b);
}

const char kUtf8Line[] =
    "001    1 m    Mu\xC3\xB1oz, Jos\xC3\xA9                       2200 ESP    99000011 1995/04/12  0.0    1\r\n";
const char kLatinLine[] =
    "001    1 m    Mu\xF1oz, Jos\xE9                       2200 ESP    99000011 1995/04/12  0.0    1\r\n";

// Columns count characters: in UTF-8 the name takes more bytes than columns.
TEST(TrfEncoding, Utf8AndWindows1252NamesReadAlike) {
  for (const char* line : {kUtf8Line, kLatinLine}) {
    ReadResult read = Read(std::string("012 T\r\n") + line);
    ASSERT_TRUE(read.ok()) << read.error->message;
    EXPECT_EQ(read.tournament.players[0].name, "Mu\xF1oz, Jos\xE9");
    EXPECT_EQ(read.tournament.players[0].rating, 2200);
  }
  ReadResult read = Read(std::string("\xEF\xBB\xBF") + "012 T\r\n" + kLatinLine);
  EXPECT_EQ(Write(read.tournament), std::string("012 T\r\n") + kUtf8Line);
}

// The same file with each kind of line end; an error further down names the same line.
TEST(TrfReader, EveryLineEndCountsOneLine) {
  std::string lf = TrfFixture("example-a.trf");
  for (size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.replace(at, 2, "\n");
  std::string cr = lf;
  for (char& c : cr) c = c == '\n' ? '\r' : c;
  for (const std::string& text : {lf, cr}) {
    EXPECT_EQ(Read(text).tournament, Read(TrfFixture("example-a.trf")).tournament);
    std::string broken = text;
    broken.replace(broken.find("3 w ="), 5, "3 w Q");
    ReadResult read = Read(broken);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error->line, 21);
  }
}

TEST(TrfReader, ScoringOf162And162XxsChecksPoints) {
  std::string a = TrfFixture("example-a.trf");
  // 3-1-0: Abel 3 + 3 + 1 = 7.0.
  std::string three = a;
  three.insert(three.find("182 "), "162  W 3.0    D 1.0    L 0.0    P 3.0\r\n");
  ReadResult read = Read(three);
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error->kind, ErrorKind::kPointsDiffer);
  EXPECT_NE(read.error->message.find("2.5 puntos pero sus resultados suman 7.0"), std::string::npos)
      << read.error->message;
  std::string xxs = a;
  xxs.insert(xxs.find("\n001") + 1, "XXS W=3 D=1 PAB=3\r\n");
  EXPECT_EQ(Read(xxs).error->kind, ErrorKind::kPointsDiffer);
}

struct BadInput {
  const char* what;
  std::string from;  // replaced in Example A ("" = the whole file)
  std::string to;
  int line;
  ErrorKind kind;
};

class TrfBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(TrfBadInput, IsRefusedNamingTheLine) {
  const BadInput& c = GetParam();
  std::string text = TrfFixture("example-a.trf");
  if (c.from.empty()) {
    text = c.to;
  } else {
    size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, c.from.size(), c.to);
  }
  ReadResult read = Read(text);
  ASSERT_FALSE(read.ok()) << c.what;
  EXPECT_EQ(read.error->kind, c.kind) << read.error->message;
  EXPECT_EQ(read.error->line, c.line) << read.error->message;
  EXPECT_EQ(read.error->message.rfind("L\xEDnea " + std::to_string(c.line) + ": ", 0), 0u)
      << read.error->message;
}

const std::string kAbel = "001    1 wWIM Abel, Anna                        2200 AUT    99000011 1995/04/12  2.5    1";

INSTANTIATE_TEST_SUITE_P(
    Cases, TrfBadInput,
    ::testing::Values(
        BadInput{"empty", "", "", 1, ErrorKind::kNotTrf},
        BadInput{"binary", "", std::string("\x03\x00\x01\x02", 4), 1, ErrorKind::kNotTrf},
        BadInput{"no player line", "", "Lista de jugadores\r\n1. Abel\r\n", 1, ErrorKind::kNotTrf},
        BadInput{"lines shorter than a record id", "", "012 T\r\np\r\n0\r\n", 2, ErrorKind::kNotTrf},
        BadInput{"line cut before its points", "1990/12/01  1.0    5     3 b 0  0000 - U     5 w 0", "1990/12/0", 26, ErrorKind::kLineTooShort},
        BadInput{"result code", "3 w =\r\n001    2", "3 w Q\r\n001    2", 21, ErrorKind::kUnknownResult},
        BadInput{"player twice", "001    6 m    Frost", "001    2 m    Frost", 26, ErrorKind::kDuplicatePlayer},
        BadInput{"opponent missing", "     5 w 0", "     9 w 0", 26, ErrorKind::kUnknownOpponent},
        BadInput{"opponent does not name back", "     4 w 1     2 b 1", "     4 w 1     5 b 1", 21,
                 ErrorKind::kAsymmetricPairing},
        BadInput{"both won", "     1 b 0     5 w =", "     1 b 1     5 w =", 21,
                 ErrorKind::kAsymmetricPairing},
        BadInput{"second PAB", "2.0    3     6 w 1  0000 - H", "2.5    3     6 w 1  0000 - U", 26,
                 ErrorKind::kTwoPabs},
        BadInput{"points", kAbel, "001    1 wWIM Abel, Anna                        2200 AUT    99000011 1995/04/12  3.0    1",
                 21, ErrorKind::kPointsDiffer},
        BadInput{"colour with a bye", "0000 - U", "0000 w U", 26, ErrorKind::kBadColour},
        BadInput{"rating", "2200 AUT", "22x0 AUT", 21, ErrorKind::kBadField},
        BadInput{"initial colour", "152 W", "152 X", 15, ErrorKind::kBadField},
        BadInput{"rounds", "142 3", "142 three", 14, ErrorKind::kBadField}),
    [](const ::testing::TestParamInfo<BadInput>& info) {
      std::string name;
      for (char c : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

}  // namespace
}  // namespace movarel::trf
