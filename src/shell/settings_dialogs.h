#pragma once
// The six settings commands of the "&Configurar" menu: each asks with the system dialogs and
// writes one key of "tq.ini". None needs an open tournament. Values are stored as typed,
// unchecked; the operations that read them decide what a bad value means.
//
// `state.dialogs` must be set.

namespace movarel::registry {
struct WorkingState;
}

namespace movarel::shell {

// Path of a rating list (EloFva, EloFide, EloFeda): asks whether to change a path already
// set, then shows the file chooser; a cancelled chooser changes nothing.
void CFGFVA(registry::WorkingState& state);
void CFGFIDE(registry::WorkingState& state);
void CFGFEDA(registry::WorkingState& state);

// Thresholds of a rating series (NumParSerie, default "3"; NumPtsSerie, default "1"): asks
// whether to change the value, then takes the new one from an input box; an empty or
// cancelled answer changes nothing.
void CFGPARSERIE(registry::WorkingState& state);
void CFGPTSSERIE(registry::WorkingState& state);

// Browser opening after HTML reports (AbrirNavegador, default "S"), kept for the run in
// CABRIRNAV as well.
void CFGABRNAV(registry::WorkingState& state);

}  // namespace movarel::shell
