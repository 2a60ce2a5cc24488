#pragma once
// The working state every operation reads and writes: the open tables and the program-wide
// globals, under the names the operations use. A plain struct on purpose: operations are
// procedures taking `WorkingState&`, so a test builds one, sets what it needs and calls them.

#include <array>
#include <string>
#include <string_view>

#include "storage/workspace.h"
#include "ui/dialogs.h"

namespace movarel::registry {

struct WorkingState {
  // The open tables (work areas), their aliases and the table settings.
  storage::Workspace workspace;
  // Message boxes and standard dialogs; set by the shell before any operation runs. The core
  // never shows anything by other means.
  ui::Dialogs* dialogs = nullptr;

  std::string CCLAVE;  // key (stem) of the open tournament
  int NDIGRONDAS = 1;  // digits of the round count: 1 up to 9 rounds, else 2
  int NRONDASEL = 0;   // round chosen for the current operation

  // Start drive and folder. The drive stays empty on this platform; CCARPINI is the whole
  // start folder, under which the templates folder "zd" lies.
  std::string CUNIDINI;
  std::string CCARPINI;

  // The two recent tournaments: name and full path of the player table.
  std::string CTORNEO1;
  std::string CFICHERO1;
  std::string CTORNEO2;
  std::string CFICHERO2;

  std::string CABRIRNAV = "S";  // "S"/"N": open the browser after an HTML report
  bool LTORNEONUEVO = false;    // the tournament dialog creates (true) or edits (false)
  std::string CCARPETA;         // folder chosen for a new tournament or the folder report
  std::string CFICHTRAB;        // output or work file of the current operation
  std::string CJUGSEL;          // player chosen for the one-player PGN export

  std::string CFICHDS;                      // tie-break table name, "ds" + key
  int NDS = 0;                              // tie-break counter
  std::array<std::string, 20> ADESEMPATES;  // tie-break field names in order, slot 0 = first

  // Board results in their fixed order: position 1 White's forfeit mark, 2 White's points,
  // 3 "-", 4 Black's points, 5 Black's forfeit mark. The draw is byte 0xBD.
  static constexpr std::array<std::string_view, 9> ARDOS = {" 1-0 ", " \xBD-\xBD ", " 0-1 ", " 1-0i", "i0-1 ",
                                                            "i0-0i", "i\xBD-\xBDi", " 1-1 ", "     "};
};

}  // namespace movarel::registry
