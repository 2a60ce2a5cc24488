#pragma once
// A TRF as the records of a new tournament: its register record, its player table and its
// round tables, planned in memory so that nothing is written for a file the tables cannot
// hold.

#include <string>
#include <variant>
#include <vector>

#include "register/tournament_key.h"
#include "storage/value.h"
#include "trf/reader.h"

namespace movarel::trf_tables {

struct PlayerRecord {
  std::string jug, sexo, cod_pais, cod_fide, autonomia, cod_feda;  // Windows-1252
  int elofide = 0, elofeda = 0;
  storage::Date fecha_nac;
  // Per-round fields R<n>J, R<n>C, R<n>P, R<n>I, R<n>F of rounds 1..N_RONDAS.
  struct Round {
    int j = 0;
    std::string c = " ", p = " ", i = " ", f = " ";
  };
  std::vector<Round> rounds;
};

struct Board {
  int white = 0;
  int black = 0;               // 0: White has the bye
  std::string rdo = "     ";   // one of the board results, the draw as byte 0xBD
};

struct ImportPlan {
  registry::TournamentData data;  // every field but the key
  std::vector<PlayerRecord> players;   // player number i + 1, in starting-rank order
  std::vector<std::vector<Board>> boards;  // per round, in board order; blank boards added on writing
  std::vector<std::string> tie_break_fields;  // from 202, the systems the table has, in order
  std::vector<std::string> notes;  // what the tables could not keep (names cut ...), one line each
};

// The plan, or the refusal (Spanish, Windows-1252, naming the line): more than 15 rounds or
// 999 players, a FIDE ID or a national ID longer than the table's eight characters.
std::variant<ImportPlan, std::string> PlanImport(const trf::ReadResult& read);

}  // namespace movarel::trf_tables
