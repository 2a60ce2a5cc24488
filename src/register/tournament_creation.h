#pragma once
// The files of a new tournament: its player table and round tables, made from the templates
// once its register record has been written.

#include "register/tournament_outcome.h"

namespace movarel::registry {

struct WorkingState;

// From the register record `torneos` stands on, in the current folder (CCARPETA): the player
// table "cu" + key with N_JUGS records numbered 1..N_JUGS, open as `cuadro` for exclusive
// use; round tables "r" + n + key for n = 1..N_RONDAS with round-half-up(N_JUGS / 2) boards
// each; the templates' "cclas" copied in when the folder has none (without it the standings
// columns cannot be listed); NDIGRONDAS set; the recent entries rotated. The new tournament
// is then the open one (kOpened). A template or file that cannot be read or written stops
// it with a message naming the file; what was written stays and the outcome is kClosed.
TournamentOutcome CREARFICHSTORNEO(WorkingState& state);

}  // namespace movarel::registry
