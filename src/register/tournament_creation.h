#pragma once
// The files of a new tournament: its player table and round tables, made from the templates
// before its register record is written.

#include <functional>

#include "register/tournament_key.h"
#include "register/tournament_outcome.h"
#include "storage/status.h"

namespace movarel::registry {

struct WorkingState;

// Makes, in the current folder (CCARPETA), the files of the new tournament `data`: the player
// table "cu" + key with N_JUGS records numbered 1..N_JUGS, and round tables "r" + n + key for
// n = 1..N_RONDAS with round-half-up(N_JUGS / 2) boards each. Only once every file exists
// does `add_record` append the tournament's register record to `torneos` and leave it there.
//
// All or nothing: the DOS-era order wrote the register record first, so a file that could not
// be made left a record whose key blocked the name for ever. When a template cannot be read,
// a file cannot be written or `add_record` fails, every file this call made is removed again,
// every table is closed, a stop box names the file that failed, and the outcome is kClosed.
//
// On success the templates' "cclas" is copied in when the folder has none (without it the
// standings columns cannot be listed), NDIGRONDAS is set, the recent entries are rotated, and
// the new tournament is the open one (kOpened): `cuadro` open for exclusive use, `torneos`
// on its record.
TournamentOutcome CREARFICHSTORNEO(WorkingState& state, const TournamentData& data,
                                   const std::function<storage::Status()>& add_record);

}  // namespace movarel::registry
