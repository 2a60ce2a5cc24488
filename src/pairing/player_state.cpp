#include "pairing/player_state.h"

#include <algorithm>
#include <map>

namespace movarel::pairing {
namespace {

void set_preference(PlayerState& s) {
  if (s.colours.empty()) return;
  const Colour last = s.colours.back();
  const bool last_two_same =
      s.colours.size() >= 2 && s.colours[s.colours.size() - 2] == last;
  const int cd = s.colour_difference;
  if (cd <= -2 || cd >= 2 || last_two_same) {
    s.strength = PreferenceStrength::absolute;
    // The sign of the difference wins over the last two games should a history ever disagree.
    s.preference = cd <= -2 ? Colour::white : cd >= 2 ? Colour::black : opposite(last);
  } else if (cd != 0) {
    s.strength = PreferenceStrength::strong;
    s.preference = cd < 0 ? Colour::white : Colour::black;
  } else {
    s.strength = PreferenceStrength::mild;
    s.preference = opposite(last);
  }
}

}  // namespace

std::vector<PlayerState> derive_player_states(const RoundInput& input) {
  const int k = input.round;
  std::map<int, int> index_of;
  for (int i = 0; i < static_cast<int>(input.players.size()); ++i)
    index_of[input.players[i].number] = i;

  // score_before[i][r]: score of player i before round r+1 (r = 0 .. k-1).
  std::vector<std::vector<int>> score_before(input.players.size());
  for (std::size_t i = 0; i < input.players.size(); ++i) {
    const auto& rounds = input.players[i].rounds;
    auto& acc = score_before[i];
    acc.assign(k, 0);
    for (int r = 1; r < k; ++r)
      acc[r] = acc[r - 1] + (r - 1 < static_cast<int>(rounds.size()) ? rounds[r - 1].points : 0);
  }

  std::vector<PlayerState> states(input.players.size());
  for (std::size_t i = 0; i < input.players.size(); ++i) {
    const PlayerEntry& p = input.players[i];
    PlayerState& s = states[i];
    s.number = p.number;
    s.score = score_before[i][k - 1];
    std::vector<FloatKind> floats(k, FloatKind::none);
    for (int r = 1; r < k; ++r) {
      RoundRecord rec;
      if (r - 1 < static_cast<int>(p.rounds.size())) rec = p.rounds[r - 1];
      if (is_played(rec.outcome)) {
        s.colours.push_back(rec.colour);
        s.colour_difference += rec.colour == Colour::white ? 1 : -1;
        s.opponents.push_back(rec.opponent);
        // Art. 1.4: a game against an opponent of a different score is a float for both.
        auto it = index_of.find(rec.opponent);
        if (it != index_of.end()) {
          const int mine = score_before[i][r - 1];
          const int theirs = score_before[it->second][r - 1];
          if (mine > theirs) floats[r] = FloatKind::down;
          if (mine < theirs) floats[r] = FloatKind::up;
        }
      } else {
        ++s.unplayed_rounds;
        // Scoring more than a loss without playing (PAB, forfeit win, full or half-point bye)
        // counts as a downfloat; a forfeit loss or an absence is no float.
        if (rec.points > 0) floats[r] = FloatKind::down;
        // C2 (C.04.1 rule 4): a PAB, or a win's points without a game, ends PAB eligibility.
        if (rec.outcome == Outcome::pairing_bye || rec.points >= input.win_points)
          s.bye_eligible = false;
      }
    }
    if (k - 1 >= 1) s.float_last = floats[k - 1];
    if (k - 2 >= 1) s.float_before_last = floats[k - 2];
    std::sort(s.opponents.begin(), s.opponents.end());
    set_preference(s);
    // Art. 1.7: topscorers exist only when the last round is paired; more than half the maximum.
    if (k == input.total_rounds) s.topscorer = 2 * s.score > (k - 1) * input.win_points;
  }
  return states;
}

}  // namespace movarel::pairing
