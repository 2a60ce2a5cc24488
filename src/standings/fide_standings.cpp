#include "standings/fide_standings.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "register/file_names.h"
#include "standings/round_entry.h"

namespace movarel::standings {

namespace {

using tiebreaks::Colour;
using tiebreaks::RoundKind;
using tiebreaks::RoundResult;

std::string Field(const storage::Table& cuadro, int round, char letter) {
  const std::string name = registry::RoundFieldName(round, letter);
  return cuadro.HasField(name) ? cuadro.GetText(name) : std::string();
}

RoundResult ReadRound(const storage::Table& cuadro, int round, const std::vector<int>& player_of_recno) {
  RoundResult result;
  const double halves = std::round(2 * RoundPoints(Field(cuadro, round, 'P')));
  result.points = halves >= 2 ? 2 : halves <= 0 ? 0 : 1;
  const std::string number_field = registry::RoundFieldName(round, 'J');
  const double number = cuadro.HasField(number_field) ? cuadro.GetNumber(number_field) : 0;
  int opponent = 0;
  if (std::isfinite(number) && number >= 1 && number < static_cast<double>(player_of_recno.size())) {
    opponent = player_of_recno[static_cast<size_t>(number)] + 1;
  }
  const std::string colour(storage::RTrim(Field(cuadro, round, 'C')));
  const bool forfeit = Field(cuadro, round, 'I').starts_with('i');
  const char c = colour.empty() ? ' ' : colour.front();
  if (opponent > 0 && c != 'D') {
    result.opponent = opponent;
    result.colour = c == 'B' ? Colour::kWhite : c == 'N' ? Colour::kBlack : Colour::kNone;
    if (!forfeit) {
      result.kind = RoundKind::kPlayed;
    } else {
      // "i½-½i" gives both a half point without a game: neither chose to play it out.
      result.kind = result.points == 2 ? RoundKind::kForfeitWin
                    : result.points == 1 ? RoundKind::kDoubleForfeit
                                         : RoundKind::kForfeitLoss;
    }
    return result;
  }
  if (c == 'D') {
    result.kind = result.points == 2 ? RoundKind::kPairingBye
                  : result.points == 1 ? RoundKind::kHalfBye
                                       : RoundKind::kZeroBye;
  } else {
    result.kind = result.points == 2 ? RoundKind::kFullBye
                  : result.points == 1 ? RoundKind::kHalfBye
                                       : RoundKind::kAbsent;
  }
  return result;
}

}  // namespace

FideTournament ReadFideTournament(storage::Table& cuadro, int rounds, tiebreaks::RuleSet rules) {
  FideTournament out;
  out.tournament.rules = rules;
  std::vector<int> player_of_recno(cuadro.LastRec() + 1, -1);
  for (uint32_t recno = 1; recno <= cuadro.LastRec(); ++recno) {
    cuadro.GoTo(recno);
    if (cuadro.Deleted()) continue;
    player_of_recno[recno] = static_cast<int>(out.recno.size());
    out.recno.push_back(recno);
  }
  const bool has_rating = cuadro.HasField("ELOFIDE");
  for (uint32_t recno : out.recno) {
    cuadro.GoTo(recno);
    tiebreaks::Player player;
    player.rating = has_rating ? static_cast<int>(cuadro.GetNumber("ELOFIDE")) : 0;
    for (int round = 1; round <= rounds; ++round) player.rounds.push_back(ReadRound(cuadro, round, player_of_recno));
    out.tournament.players.push_back(std::move(player));
  }
  // Rounds nobody has been paired in yet (the crosstable of an unfinished tournament asks for
  // all of them) are not rounds of the event: counted, they would make every player absent.
  auto unpaired = [](const tiebreaks::Player& p, size_t r) {
    return p.rounds[r].kind == RoundKind::kAbsent && p.rounds[r].points == 0;
  };
  size_t held = static_cast<size_t>(std::max(rounds, 0));
  while (held > 0 && std::all_of(out.tournament.players.begin(), out.tournament.players.end(),
                                 [&](const tiebreaks::Player& p) { return unpaired(p, held - 1); })) {
    --held;
  }
  for (tiebreaks::Player& p : out.tournament.players) p.rounds.resize(held);
  return out;
}

FideTable ComputeFideTable(storage::Table& cuadro, int rounds, const FideChoice& choice) {
  FideTable table;
  table.data = ReadFideTournament(cuadro, rounds, choice.rules);
  table.standings = tiebreaks::RankPlayers(table.data.tournament, choice.list);
  table.player_of_recno.assign(cuadro.LastRec() + 1, -1);
  for (size_t p = 0; p < table.data.recno.size(); ++p) table.player_of_recno[table.data.recno[p]] = static_cast<int>(p);
  return table;
}

}  // namespace movarel::standings
