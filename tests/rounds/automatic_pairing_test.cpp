// The pieces of the automatic pairing that the scripted season does not reach: the rules
// checked on hand-placed boards, the typed lists of players who sit a round out, and the
// refusals when the history cannot be trusted.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rounds/absolute_rules.h"
#include "rounds/automatic_pairing.h"
#include "rounds/sit_out_dialog.h"
#include "rounds_test_support.h"

namespace movarel::rounds {
namespace {

using testing::OpenTournament;
using testing::SetRound;

// Three rounds of six players: 3 played White twice, then lost by forfeit (no colour); 4 and 5
// met in round 1; 1 and 6 "met" in round 2 by forfeit only; 1 won that forfeit and had the
// bye in round 3, when 5 won by forfeit.
void PlayThreeRounds(OpenTournament& t) {
  SetRound(t, 1, 1, 2, "B", "1");
  SetRound(t, 2, 1, 1, "N", "0");
  SetRound(t, 4, 1, 5, "B", "\xBD");
  SetRound(t, 5, 1, 4, "N", "\xBD");
  SetRound(t, 3, 1, 6, "B", "1");
  SetRound(t, 6, 1, 3, "N", "0");
  SetRound(t, 1, 2, 6, "B", "1", "i");
  SetRound(t, 6, 2, 1, "N", "0", "i");
  SetRound(t, 3, 2, 2, "B", "1");
  SetRound(t, 2, 2, 3, "N", "0");
  SetRound(t, 4, 2, 0, "D", "1");
  SetRound(t, 2, 3, 4, "B", "1");
  SetRound(t, 4, 3, 2, "N", "0");
  SetRound(t, 3, 3, 5, "B", "0", "i");
  SetRound(t, 5, 3, 3, "N", "1", "i");
  SetRound(t, 1, 3, 0, "D", "1");
  SetRound(t, 6, 3, 0, " ", "0");
}

TEST(AbsoluteRules, HandPlacedBoardsAreWarnedOfEachBrokenRuleExceptTopscorersInTheLastRound) {
  OpenTournament t(6, 5);
  PlayThreeRounds(t);
  // 3 White again: +3 and three Whites running, since the forfeit gave no colour. 4-5 meet
  // again; 6-1 may. 1 gets a bye after both a bye and a forfeit win, 5 after a forfeit win.
  const std::vector<pairing::Board> boards = {{3, 1}, {4, 5}, {6, 1}, {1, 0}, {5, 0}};
  const std::vector<std::string> meeting_and_byes = {
      "El jugador n\xBA 4 y el n\xBA 5 ya han jugado en la ronda 1",
      "El jugador n\xBA 1 ya ha descansado en la ronda 3",
      "El jugador n\xBA 1 ha ganado por incomparecencia en la ronda 2",
      "El jugador n\xBA 5 ha ganado por incomparecencia en la ronda 3"};
  std::vector<std::string> all = {"El jugador n\xBA 3 tendr\xED" "a una diferencia de color de 3",
                                  "El jugador n\xBA 3 jugar\xED" "a con blancas tres veces seguidas"};
  all.insert(all.end(), meeting_and_byes.begin(), meeting_and_byes.end());
  EXPECT_EQ(AbsoluteRuleBreaches(t.cuadro(), boards, 4, 5), all);
  // Round 4 of 4: 3 is a topscorer (2 of 3 points, more than 1.5), so his colours may break
  // the rules; the meeting and the byes still may not.
  EXPECT_EQ(AbsoluteRuleBreaches(t.cuadro(), boards, 4, 4), meeting_and_byes);
}

TEST(SitOutLists, TypedNumbersAreReadOrRefusedNamingTheWord) {
  struct Case {
    const char* typed;
    std::set<int> numbers;
    const char* refusal;
  };
  for (const Case& c : std::vector<Case>{{"", {}, nullptr},
                                         {" 3, 17 22;5,,3", {3, 5, 17, 22}, nullptr},
                                         {"40", {40}, nullptr},
                                         {"3, x", {}, "\xABx\xBB no es un n\xFAmero de jugador"},
                                         {"3-4", {}, "\xAB" "3-4\xBB no es un n\xFAmero de jugador"},
                                         {"41", {}, "No hay jugador n\xBA 41: el torneo tiene 40"},
                                         {"0", {}, "No hay jugador n\xBA 0: el torneo tiene 40"},
                                         {"123456", {}, "\xAB" "123456\xBB no es un n\xFAmero de jugador"}}) {
    SCOPED_TRACE(c.typed);
    storage::Result<std::set<int>> read = ParsePlayerNumbers(c.typed, 40);
    if (c.refusal == nullptr) {
      ASSERT_TRUE(read.ok()) << read.status().message();
      EXPECT_EQ(*read, c.numbers);
    } else {
      ASSERT_FALSE(read.ok());
      EXPECT_EQ(read.status().message(), c.refusal);
    }
  }
}

TEST(AutomaticPairing, AnUntrustworthyHistoryOrAnImpossibleRoundIsRefusedNamingIt) {
  OpenTournament t(4, 3);
  auto refusal = [&](int round) {
    const storage::Result<pairing::RoundPairing> paired = PairByDutchSystem(t.torneos(), t.cuadro(), round, {});
    return paired.ok() ? std::string("paired") : paired.status().message();
  };
  EXPECT_EQ(refusal(2), "La ronda 1 no est\xE1 emparejada: las rondas se emparejan por orden");
  SetRound(t, 1, 1, 3, "B", " ");
  SetRound(t, 3, 1, 1, "N", " ");
  SetRound(t, 2, 1, 4, "N", "1");
  SetRound(t, 4, 1, 2, "B", "0");
  EXPECT_EQ(refusal(2), "Falta el resultado del jugador n\xBA 1 en la ronda 1");
  SetRound(t, 1, 1, 3, "B", "1");
  SetRound(t, 3, 1, 1, "N", "1");
  EXPECT_EQ(refusal(2), "El resultado del jugador n\xBA 1 en la ronda 1 no concuerda con el de su rival, el n\xBA 3");
  SetRound(t, 3, 1, 1, "N", "0");
  EXPECT_EQ(refusal(2), "paired");
  // Three players left, two of them already opponents, and the third out: no pairing.
  const storage::Result<pairing::RoundPairing> paired = PairByDutchSystem(t.torneos(), t.cuadro(), 2, {{4}, {2}});
  ASSERT_FALSE(paired.ok());
  EXPECT_EQ(paired.status().message(),
            "No se puede emparejar la ronda 2: no hay emparejamiento v\xE1lido para la ronda 2: ninguno evita "
            "repetir rivales y respetar los colores y el descanso");
}

}  // namespace
}  // namespace movarel::rounds
