#pragma once
// Importing a round from the printed pairing list of the external pairing program Fígaro: a
// DOS text (code page 850, the draw is byte 0xAB) whose boards are written into the round
// table; the player table is left to pairing and result confirmation.
//
// Layout relied on: the first "Ronda" is followed by three characters holding the round
// number; each board is an entry "k.-" (k = 1, 2, ... without padding) and, counting the
// first character after the marker as position 0, positions 1-3 hold White's number,
// 34-36 the result and 38-40 Black's number.

#include <string>
#include <string_view>
#include <vector>

#include "register/working_state.h"
#include "rounds/result_entry.h"
#include "storage/status.h"

namespace movarel::rounds {

// F_RDOFIG: the result code for Fígaro's three result characters: "1-0", "0-1" and the DOS
// draw "«-«" (bytes 0xAB) framed by blanks; "+--" " 1-0i", "--+" "i0-1 ", "---" "i0-0i";
// " - " and three blanks no result. Anything else is returned unchanged after the
// information box "Resultado desconocido en la Mesa " + `board`.
std::string F_RDOFIG(std::string_view code, int board, registry::WorkingState& state);

// One board entry as read from the list.
struct FigaroBoard {
  int white = 0;
  int black = 0;
  std::string result;  // the three characters as printed
};

// The boards of `text`, board 1 first, up to the first board number without its marker;
// each marker is the first occurrence of "k.-" in `text`.
std::vector<FigaroBoard> ReadFigaroBoards(std::string_view text);

// FIGIMPP1: writes the boards of `text` into the round table open under `ronda`, board k
// into record k, appending records when the list is longer; later records keep what they
// held. Player numbers that are no record of the player table are still written (pairing
// validation reports them) and returned in `unknown`.
storage::Status FIGIMPP1(registry::WorkingState& state, std::string_view text,
                         std::vector<UnknownPlayer>& unknown);

// FIGIMPP: asks for the list, reads it, finds the round (NRONDASEL), asks for confirmation,
// opens that round's table for exclusive use and imports it. A round the tournament does not
// have, or a table that cannot be opened, gives a stop box naming it and nothing is written;
// player numbers that are not players of the tournament are reported after the boards are
// written. CFICHTRAB holds the chosen file.
void FIGIMPP(registry::WorkingState& state);

}  // namespace movarel::rounds
