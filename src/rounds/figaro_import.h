#pragma once
// Importing a round from the printed pairing list of the external pairing program Fígaro: a
// DOS text (code page 850, the draw is byte 0xAB) whose boards are written into the round
// table; the player table is left to pairing and result confirmation.
//
// Layout relied on: the first "Ronda" is followed by three characters holding the round
// number; each later line that starts with a board number and ".-" (1.-, 2.-, ... 10.-,
// leading blanks allowed) is a board and, counting the first character after ".-" as
// position 0, positions 1-3 hold White's number, 34-36 the result and 38-40 Black's number
// (0 for the bye).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "register/working_state.h"
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
  int black = 0;       // 0: White has the bye
  std::string result;  // the three characters as printed
};

// A list read and checked, before anything is written.
struct FigaroList {
  int round = 0;
  std::vector<FigaroBoard> boards;    // board 1 first
  std::vector<std::string> problems;  // one per fault, each starting "Línea n: "
};

// Reads `text` for a tournament of `rounds` rounds; nothing when it holds no "Ronda". Each
// fault is a problem naming its line, and a list with any problem must not be written: a
// round number that cannot be read or that the tournament does not have, a board line too
// short to reach Black's number (read from the whole text, it would take the next line's
// characters), a player number that is not a number or a White of 0, a board number out of
// sequence (a gap would lose the boards after it), no board at all after the round.
std::optional<FigaroList> ReadFigaroList(std::string_view text, int rounds);

// A player number of the list that is not a record of the player table.
struct UnknownPlayer {
  int board = 0;
  int number = 0;
};

// One line per unknown number: "El jugador nº n de la mesa k no existe en el cuadro".
std::string UnknownPlayersMessage(const std::vector<UnknownPlayer>& unknown);

// FIGIMPP1: writes `boards` into the round table open under `ronda`, board k into record k,
// appending records when the list is longer, and empties every later record: the list is
// the whole round, and a board left from an earlier list would have its stale result
// confirmed over the real ones. Player numbers that are no record of the player table are
// still written (pairing validation reports them) and returned in `unknown`.
storage::Status FIGIMPP1(registry::WorkingState& state, const std::vector<FigaroBoard>& boards,
                         std::vector<UnknownPlayer>& unknown);

// The whole content of a file; "" for an empty path. A file that cannot be opened gives ""
// after the stop message "Error en la apertura del fichero". The file is opened for reading
// only, so a read-only file is read (the DOS-era code opened it read-write and failed).
std::string FILEREAD(const std::string& path, registry::WorkingState& state);

// FIGIMPP: asks for the list, reads and checks it (ReadFigaroList: every fault is listed in
// one stop box and nothing is written), asks for confirmation, opens the round's table for
// exclusive use and imports it. A table that cannot be opened gives a stop box naming it and
// nothing is written; player numbers that are not players of the tournament are reported
// after the boards are written. NRONDASEL becomes the list's round, CFICHTRAB the chosen file.
void FIGIMPP(registry::WorkingState& state);

}  // namespace movarel::rounds
