// Example A of the TRF reference planned as tables: the boards of each round (worked out by
// hand from the event's description), and what the tables cannot keep told in the notes.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "support/program_session.h"
#include "trf_tables/tables_from_trf.h"

namespace movarel::trf_tables {
namespace {

std::string ExampleA() { return movarel::testing::ReadBytes(MOVAREL_FIXTURES_DIR "/trf/example-a.trf"); }

ImportPlan Planned(const std::string& text) {
  const trf::ReadResult read = trf::Read(text);
  if (!read.ok()) {
    ADD_FAILURE() << read.error->message;
    return {};
  }
  auto plan = PlanImport(read);
  EXPECT_TRUE(std::holds_alternative<ImportPlan>(plan));
  return std::get<ImportPlan>(plan);
}

std::vector<std::string> Boards(const std::vector<Board>& boards) {
  std::vector<std::string> text;
  for (const Board& b : boards)
    text.push_back(std::to_string(b.white) + "-" + std::to_string(b.black) + b.rdo);
  return text;
}

// Round 2: Cole's half-point bye is on no board, Frost's pairing bye is the last board.
// Round 3: 1-3 leads on Abel's 2 points; 4-2 and 6-5 both have a player on 1 point, and 2
// is the better-numbered; Dorn's no-show is White's forfeit.
TEST(ImportPlan, ExampleABoardsAndPlayerFields) {
  const ImportPlan plan = Planned(ExampleA());
  ASSERT_EQ(plan.boards.size(), 3u);
  EXPECT_EQ(Boards(plan.boards[1]), (std::vector<std::string>{"2-1 0-1 ", "4-5 \xBD-\xBD ", "6-0     "}));
  EXPECT_EQ(Boards(plan.boards[2]), (std::vector<std::string>{"1-3 \xBD-\xBD ", "4-2i0-1 ", "6-5 0-1 "}));
  const PlayerRecord& cole = plan.players[2];
  EXPECT_EQ(cole.rounds[1].c + cole.rounds[1].p + cole.rounds[1].i, " \xBD ");
  const PlayerRecord& dorn = plan.players[3];
  EXPECT_EQ(dorn.rounds[2].j, 2);
  EXPECT_EQ(dorn.rounds[2].c + dorn.rounds[2].p + dorn.rounds[2].i + dorn.rounds[2].f, "B0i^");
  EXPECT_EQ(plan.tie_break_fields, (std::vector<std::string>{"BUC_B", "BUC_T", "SONEN"}));
  EXPECT_EQ(plan.data.n_rondas, 3);
  EXPECT_EQ(plan.data.n_r_actual, 3);
  EXPECT_TRUE(plan.notes.empty());
}

TEST(ImportPlan, WhatTheTablesCannotKeepIsInTheNotes) {
  std::string text = ExampleA();
  text.replace(text.find("202 BH/C1,BH,SB"), 15, "202 DE,BH C1");
  text.replace(text.find("Abel, Anna"), 33, "Abelardo-Abendroth Aberastur, Ana");
  text += "250       1.0 001 002 0001 0003\r\nZZZ nada\r\n";
  const ImportPlan plan = Planned(text);
  EXPECT_EQ(plan.tie_break_fields, std::vector<std::string>{"BUC_B"});
  EXPECT_EQ(plan.players[0].jug, "Abelardo-Abendroth Aberastur, ");
  EXPECT_EQ(plan.notes,
            (std::vector<std::string>{
                "L\xEDnea 28: registro que no se interpreta: \"ZZZ\"",
                "L\xEDnea 21: el nombre se ha cortado a 30 letras: Abelardo-Abendroth Aberastur, ",
                "El desempate DE no lo calcula el programa y no se usa"}));
}

}  // namespace
}  // namespace movarel::trf_tables
