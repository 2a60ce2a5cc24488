#pragma once
// Result slips: before a round the arbiter puts a slip on every board on which the players
// write the result. Four slips to an A4 page, drawn on a ui::PrintPage at fixed millimetre
// positions, printed through the print dialog (a printer with a preview, or a PDF file).
//
// Sound where the DOS-era listing was not: the board number ("Mesa") on a slip is the
// board's own number (the record number of the round table), as on the pairing list, so
// players sit where the pairing list says; an unused board leaves a gap in the numbers
// instead of shifting every later board up. And a round whose slips fill the last page
// exactly ends there instead of adding a blank page.

#include <string>
#include <vector>

#include "register/working_state.h"
#include "storage/status.h"
#include "ui/print_page.h"

namespace movarel::ui {
class Ui;
}

namespace movarel::reports {

// What one slip shows besides the tournament heading.
struct ResultSlip {
  int board = 0;      // record number of the board in the round table
  std::string white;  // "(" + NUM in 3 + ") " + JUG as stored
  std::string black;  // the same; "(  0) " + blanks for a bye
};

// Everything the slips of one round show, read from the tables so that the document can
// be drawn again (a preview) after the round table is closed.
struct ResultSlipRound {
  std::string tournament;       // TORNEO without leading and trailing blanks
  std::string place_and_dates;  // LOCALIDAD without trailing blanks + ", " + date text
  int round = 0;
  std::vector<ResultSlip> slips;  // boards whose JUG_B is not 0, in board order
};

// "del " + start + " al " + end ("dd-mm-yyyy") when the dates differ, else the start date.
std::string SlipDateText(const storage::Date& start, const storage::Date& end);

// Reads the slips of `round` from the open round table `ronda`, the player table `cuadro`
// and the register `torneos` (on the tournament's record).
ResultSlipRound ReadResultSlips(registry::WorkingState& state, int round);

// The four fonts of the slips: "FontTit", "FontTit2", "FontText1", "FontTextRes1".
void DefineSlipFonts(ui::PrintPage& page);

// Draws one slip at position `k` (0 to 3 from the top) of the current page.
void PROCPAPRDOS(ui::PrintPage& page, const ResultSlipRound& round, const ResultSlip& slip, int k);

// The whole document: fonts, then the slips four to a page (at least one page).
void DrawResultSlips(ui::PrintPage& page, const ResultSlipRound& round);

// Menu "Papeletas de recogida de &resultados": the round chooser, then the print dialog;
// cancelled, the stop box "¡Impresión cancelada!" and nothing is printed. A round table
// that cannot be opened or a PDF file that cannot be written is named in a stop box.
void LISPAPRDOS(registry::WorkingState& state, ui::Ui& ui);

}  // namespace movarel::reports
