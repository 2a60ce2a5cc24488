#pragma once
// The tournament data dialog "FrmET": the thirteen fields of a register record, in create
// mode (a new tournament in a folder the user picks) or in edit mode (the current record).

#include "register/tournament_key.h"
#include "register/tournament_outcome.h"
#include "storage/status.h"

namespace movarel::storage {
class Table;
}
namespace movarel::ui {
class Form;
class Ui;
}  // namespace movarel::ui

namespace movarel::registry {

struct WorkingState;

// Asks for a folder ("Crear torneo nuevo en..."), makes it current, opens its register for
// exclusive use and shows "FrmET" empty with both dates today. The open tournament is closed
// only once a folder has been chosen: cancelling the folder chooser leaves it open
// (kUnchanged); cancelling the dialog afterwards leaves no tournament open (kClosed). A
// folder without "torneos.dbf" gets one, from "torneos.mod", only when a tournament is
// actually created there.
TournamentOutcome TORNEONUEVO(WorkingState& state, ui::Ui& ui);

// Shows "FrmET" with the register record `torneos` stands on, in edit mode.
void EDITARTORNEO(WorkingState& state, ui::Ui& ui);

// The OK button of "FrmET". Data that break the rules of tournament_key.h, or a new key whose
// player table already exists, are refused with a message and the dialog stays open so they
// can be corrected; nothing is written. Otherwise create mode appends the register record
// and runs CREARFICHSTORNEO, edit mode rewrites the current record; the dialog closes.
TournamentOutcome FOK(WorkingState& state, ui::Form& frm);

// Copies the thirteen inputs of "FrmET" into the current record of `torneos`.
storage::Status FGRABARTORNEO(storage::Table& torneos, const ui::Form& frm);

// The thirteen inputs, read by the fields of `torneos` (of a new register when null); a
// number its field cannot hold reads 0.
TournamentData ReadTournamentForm(const ui::Form& frm, const storage::Table* torneos);

}  // namespace movarel::registry
