#include "pgn/pgn_games.h"

#include <vector>

#include "pgn/game_record.h"
#include "pgn/game_results.h"
#include "register/file_names.h"
#include "register/table_layouts.h"
#include "storage/value.h"

namespace movarel::pgn {
namespace {

struct PlayerTags {
  std::string name;
  int elo = 0;
};

PlayerTags ReadPlayer(storage::Table& cuadro, uint32_t recno) {
  cuadro.GoTo(recno);
  return {TagValue(cuadro.GetText("JUG")), static_cast<int>(cuadro.GetNumber("ELOFIDE"))};
}

GameRecord Game(const TournamentTags& tags, std::string round, const PlayerTags& white,
                const PlayerTags& black, std::string result, std::string eco) {
  GameRecord game;
  game.event = tags.event;
  game.site = tags.site;
  game.date = tags.date;
  game.round = std::move(round);
  game.white = white.name;
  game.black = black.name;
  game.result = std::move(result);
  game.eco = std::move(eco);
  game.white_elo = white.elo;
  game.black_elo = black.elo;
  return game;
}

}  // namespace

TournamentTags ReadTournamentTags(const storage::Table* torneos) {
  TournamentTags tags;
  if (torneos == nullptr || torneos->Eof()) {
    tags.date = PgnDate({});
    return tags;
  }
  tags.event = TagValue(torneos->GetText("TORNEO"));
  tags.site = TagValue(torneos->GetText("LOCALIDAD"));
  tags.date = PgnDate(torneos->GetDate("FECHA_INI"));
  return tags;
}

void PROCLINRONDA(const TournamentTags& tags, int round, storage::Table& ronda, storage::Table& cuadro,
                  int& games, std::string& out) {
  const auto white_number = static_cast<uint32_t>(ronda.GetNumber("JUG_B"));
  const auto black_number = static_cast<uint32_t>(ronda.GetNumber("JUG_N"));
  if (white_number == 0 || black_number == 0) return;
  ++games;
  const PlayerTags white = ReadPlayer(cuadro, white_number);
  const PlayerTags black = ReadPlayer(cuadro, black_number);
  const std::string rdo = ronda.GetText("RDO");
  GameRecord game =
      Game(tags, std::to_string(round) + "." + std::to_string(games), white, black, BoardResult(rdo), "");
  if (IsForfeitCode(rdo)) game.comment = ForfeitComment(game.result);
  out += GameRecordText(game);
}

std::string RoundGames(const TournamentTags& tags, int round, storage::Table& ronda, storage::Table& cuadro) {
  std::string out;
  int games = 0;
  for (ronda.GoTop(); !ronda.Eof(); ronda.Skip()) PROCLINRONDA(tags, round, ronda, cuadro, games, out);
  return out;
}

std::string PlayerGames(const TournamentTags& tags, storage::Table& cuadro, uint32_t recno, int last_round) {
  struct Meeting {
    int round;
    uint32_t opponent;
    bool white;
    std::string points;  // the player's RnP
    bool forfeit;        // RnI is "i"
  };
  std::vector<Meeting> meetings;
  cuadro.GoTo(recno);
  const PlayerTags player{TagValue(cuadro.GetText("JUG")), static_cast<int>(cuadro.GetNumber("ELOFIDE"))};
  for (int n = 1; n <= last_round && n <= registry::kMaxRounds; ++n) {
    const std::string opponent_field = registry::RoundFieldName(n, 'J');
    if (!cuadro.HasField(opponent_field)) break;
    const auto opponent = static_cast<uint32_t>(cuadro.GetNumber(opponent_field));
    if (opponent == 0) continue;
    // The DOS program also writes the colours in lower case; "b" is White there as well.
    const bool white = storage::Upper(cuadro.GetText(registry::RoundFieldName(n, 'C'))) == "B";
    const bool forfeit = storage::Upper(cuadro.GetText(registry::RoundFieldName(n, 'I'))) == "I";
    meetings.push_back({n, opponent, white, cuadro.GetText(registry::RoundFieldName(n, 'P')), forfeit});
  }
  std::string out;
  for (const Meeting& m : meetings) {
    const PlayerTags opponent = ReadPlayer(cuadro, m.opponent);
    // The opponent's points of that round tell a double forfeit from a forfeit loss.
    const std::string points_field = registry::RoundFieldName(m.round, 'P');
    const std::string opponent_points = cuadro.HasField(points_field) ? cuadro.GetText(points_field) : "";
    const PlayerTags& white = m.white ? player : opponent;
    const PlayerTags& black = m.white ? opponent : player;
    GameRecord game = Game(tags, std::to_string(m.round), white, black,
                           PlayerResult(m.points, opponent_points, m.white), "A00");
    if (m.forfeit) game.comment = ForfeitComment(game.result);
    out += GameRecordText(game);
  }
  return out;
}

}  // namespace movarel::pgn
