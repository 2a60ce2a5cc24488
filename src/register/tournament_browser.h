#pragma once
// The register browser "FrmHT": the folder's tournaments in a grid, with buttons to edit,
// open and delete the browsed one.

#include "register/tournament_outcome.h"

namespace movarel::ui {
class Form;
class Ui;
}  // namespace movarel::ui

namespace movarel::registry {

struct WorkingState;

// Shows "FrmHT" over the open register `torneos`. kOpened when its open button opened a
// tournament, kClosed when that open failed, else kUnchanged.
TournamentOutcome HOJEARTORNEOS(WorkingState& state, ui::Ui& ui);

// The browser's buttons, acting on the record selected in "brwTorneos".
void EDITARTORNEOHT(WorkingState& state, ui::Form& frm);
TournamentOutcome ABRIRTORNEOHT(WorkingState& state, ui::Form& frm);
// Marks the record deleted after the question and, after a second one, deletes the
// tournament's own files (tournament_files.h): never those of a tournament whose key ends
// with this one. A file held open is reported and left; the others are still deleted.
void BORRARTORNEOHT(WorkingState& state, ui::Form& frm);

}  // namespace movarel::registry
