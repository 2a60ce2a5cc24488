#include "federation/game_tally.h"

#include <cctype>

#include "register/table_layouts.h"
#include "storage/letter_case.h"

namespace movarel::federation {

namespace {

constexpr int kRatingLimit = 350;

bool IsHalfPoint(const std::string& result) {
  for (char c : result)
    if (registry::IsHalfPointByte(c)) return true;
  return false;
}

int Term(int own, int opponent, RatingBody body, RatingTerm term) {
  if (term == RatingTerm::kUnlimited) return opponent;
  // FVA players may have no rating of their own; the limit then has nothing to hold to.
  if (body == RatingBody::kFva && own <= 0) return opponent;
  if (opponent - own > kRatingLimit) return own + kRatingLimit;
  if (own - opponent > kRatingLimit) return own - kRatingLimit;
  return opponent;
}

}  // namespace

int Tally::average() const {
  if (games == 0) return 0;
  const long twice = 2 * rating_sum;
  return static_cast<int>(rating_sum >= 0 ? (twice + games) / (2 * games)
                                          : -((-twice + games) / (2 * games)));
}

Tally TallyGames(const Entrants& entrants, const Entrant& player, RatingBody body, RatingTerm term) {
  Tally tally;
  const int own = OwnRating(body, player);
  for (size_t i = 0; i < player.rounds.size(); ++i) {
    const RoundEntry& round = player.rounds[i];
    if (storage::UpperAscii(round.forfeit) == 'I') continue;
    const Entrant* opponent = round.opponent > 0 ? entrants.ByRecNo(round.opponent) : nullptr;
    if (opponent == nullptr || i >= opponent->rounds.size()) continue;
    const int rating = OpponentRating(body, *opponent);
    if (rating <= 0) continue;
    // The DOS-era tally gave a full point for a game whose result was not entered yet (1 minus
    // a blank); such a game is left out until it has a result.
    const std::string& their = opponent->rounds[i].result;
    const std::string_view value = storage::AllTrim(their);
    int half_points;
    if (IsHalfPoint(their)) {
      half_points = 1;
    } else if (value == "1") {
      half_points = 0;
    } else if (value == "0") {
      half_points = 2;
    } else {
      continue;
    }
    ++tally.games;
    tally.half_points += half_points;
    tally.rating_sum += Term(own, rating, body, term);
  }
  return tally;
}

}  // namespace movarel::federation
