#pragma once
// The games of the PGN export read from the open tournament's tables: the register record
// (Event, Site, Date), the round tables (who met whom, the board result) and the player
// table (names, FIDE ratings, per-round fields). Text only; the operations write the file.

#include <string>

#include "storage/table.h"

namespace movarel::pgn {

// The tags every game of the tournament shares, already in tag form.
struct TournamentTags {
  std::string event;  // TORNEO
  std::string site;   // LOCALIDAD
  std::string date;   // FECHA_INI as "yyyy.mm.dd"
};
// From the register's current record; blank tags when `torneos` is null or at its end.
TournamentTags ReadTournamentTags(const storage::Table* torneos);

// The game record of the current board of `ronda` for round `round`, appended to `out` and
// counted in `games` (its number is the count), when the board holds two players (JUG_B and JUG_N both
// non-zero); an empty board or a bye is skipped without using a game number. Players are the records of
// `cuadro` with those numbers; the player table is left on some record.
void PROCLINRONDA(const TournamentTags& tags, int round, storage::Table& ronda, storage::Table& cuadro,
                  int& games, std::string& out);

// Every game of the round table `ronda` in board order, numbered from 1.
std::string RoundGames(const TournamentTags& tags, int round, storage::Table& ronda, storage::Table& cuadro);

// The games of the player at record `recno` of `cuadro` in rounds 1 .. `last_round`, from
// that player's per-round fields: rounds without an opponent (a bye, not paired) are not
// written. The player had White when RnC is "B" or the DOS program's lower-case "b".
std::string PlayerGames(const TournamentTags& tags, storage::Table& cuadro, uint32_t recno, int last_round);

}  // namespace movarel::pgn
