#pragma once
// The checks a tournament's general data pass before they are stored. The DOS program stored
// whatever was typed, and a bad key breaks the tournament for good: a blank or a character
// that no file name can hold makes its files impossible to create or find, a key longer than
// the register's FICHERO field is cut there and no longer matches its files, a leading digit
// makes round-table names of two tournaments coincide (round 11 of AB and round 1 of 1AB are
// both r11AB), and a key already in the register opens the older tournament instead.

#include <string>
#include <vector>

#include "storage/value.h"

namespace movarel::registry {

struct TournamentData {
  std::string fichero, torneo, localidad, pie_pag, prim_contr, segu_contr, arbit_ppal, arbit_aux;
  storage::Date fecha_ini, fecha_fin;
  double n_jugs = 0, n_rondas = 0, n_r_actual = 0;
};

struct TournamentLimits {
  int key_length = 8;       // width of FICHERO in the register
  int max_players = 999;    // NUM has three digits
  int max_current_round = 99;
};

// Every breach of a new tournament's data, each as one line of text (empty = acceptable).
// `registered_keys` are the keys already in the folder's register.
std::vector<std::string> CheckNewTournament(const TournamentData& data, const std::vector<std::string>& registered_keys,
                                            const TournamentLimits& limits);

// The same for edited data of the tournament whose key is `current_key`: the key cannot
// change (the files carry it), the rest is checked as for a new one.
std::vector<std::string> CheckEditedTournament(const TournamentData& data, const std::string& current_key,
                                               const TournamentLimits& limits);

}  // namespace movarel::registry
