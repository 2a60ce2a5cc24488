#pragma once
// The round chooser "FrmElegRda" ("Elegir ronda"): a small modal dialog with the rounds of
// the open tournament in the combo box "cbxRdas" and, in two of its variants, a file-name box
// "txtFichero". It has no cancel: the caller always goes on with the round shown when "btnOk"
// is clicked (the close box never closes a form).
//
// Sound where the DOS-era dialog was not: it never yields round 0 or a round above the
// tournament's N_RONDAS (nor above the 15 rounds the player table holds). With the current
// round at 0, as in a new tournament, round 1 is preselected instead of nothing; a
// tournament without rounds gets a stop box and no chooser.

#include <functional>
#include <optional>
#include <string>

#include "register/working_state.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::rounds {

enum class RoundChooserVariant {
  // No file box ("lblFichero" and "txtFichero" hidden, "lblRonda" and "cbxRdas" at row 40):
  // pairing entry, result entry, standings, crosstable, score groups, result slips.
  kRoundOnly,
  // File box starting as "Zd" + FICHERO + "-r" + round + ".pgn" and rewritten in that
  // pattern whenever another round is picked: the one-round PGN export.
  kPgnFile,
  // File box starting as "zendral", not rewritten, and the check box "chkRdos" "R&esultados"
  // (ticked): the pairing list. This variant has no closing handler of its own: it sets
  // neither NRONDASEL nor CFICHTRAB; the caller's `on_ok` gets the choice instead.
  kPairingList,
};

struct RoundChoice {
  int round = 1;              // the round picked, 1 .. N_RONDAS
  std::string file;           // the file box's text; empty in kRoundOnly
  bool with_results = false;  // "chkRdos" ticked (kPairingList only)
};

// Shows the chooser over the open tournament (register `torneos` on its record) and returns
// the choice once "btnOk" releases it. kRoundOnly sets `NRONDASEL`; kPgnFile sets `NRONDASEL`
// and `CFICHTRAB`; kPairingList sets neither.
//
// `on_ok`, when given, runs with the choice while the dialog is still shown, just before it is
// released (the pairing list writes its page from the OK button).
//
// Returns nullopt, after the stop box "El torneo no tiene rondas", when the register gives the
// tournament no rounds (or no tournament is open); nothing is changed then.
std::optional<RoundChoice> ChooseRound(registry::WorkingState& state, ui::Ui& ui, RoundChooserVariant variant,
                                       const std::function<void(const RoundChoice&)>& on_ok = nullptr);

// The rounds the chooser offers: N_RONDAS of the register, at most 15; 0 without a register.
int ChoosableRounds(registry::WorkingState& state);

// The round preselected: the register's N_R_ACTUAL brought into 1 .. `rounds`.
int PreselectedRound(registry::WorkingState& state, int rounds);

// "Zd" + trimmed FICHERO of the register + "-r" + round + ".pgn".
std::string PgnFileName(registry::WorkingState& state, int round);

}  // namespace movarel::rounds
