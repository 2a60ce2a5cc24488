#pragma once
// INFTRF: the open tournament as a TRF26 file ("Fichero TRF (FIDE)" of the reports menu).

namespace movarel::registry {
struct WorkingState;
}

namespace movarel::trf_tables {

// Computes the standings after the last round with results, writes the file key + ".trf"
// into the tournament's folder (complete before it replaces an older one) and says where in
// an information box. The player table's lock refused, the standings that cannot be computed
// or a file that cannot be written stop it with a message; nothing is written then.
void INFTRF(registry::WorkingState& state);

}  // namespace movarel::trf_tables
