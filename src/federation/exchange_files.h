#pragma once
// The rating exchange files: dBase tables built from the templates "ZdFIDE.mod", "ZdFEDA.mod",
// "ZdFVA.mod" and "ZdFVANue.mod" in the tournament's folder, and for FIDE and FEDA a
// fixed-width text copy of each (CR LF lines, a final byte 0x1A). Each file is written whole
// beside the old one and then put in its place, so a failure leaves the old file as it was.

#include "register/working_state.h"

namespace movarel::federation {

void FIFIDE(registry::WorkingState& state);      // "ZdFIDE": the members' results
void FIFEDA(registry::WorkingState& state);      // "ZdFEDA"
void FIBLOQFIDE(registry::WorkingState& state);  // "ZdFIDEBloq": the block candidates
void FIBLOQFEDA(registry::WorkingState& state);  // "ZdFEDABloq"
void FIFVA(registry::WorkingState& state);       // "ZdFVA": the licensed players' results
void FINUEFVA(registry::WorkingState& state);    // "ZdFVANuevos": the players without licence

}  // namespace movarel::federation
