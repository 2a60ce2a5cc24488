#pragma once
// The tournament reports for the rating bodies, as an HTML page each: the time control, the
// chief arbiter, the members' results (points and games against rated opponents, their
// average rating) and the block candidates who reached the series thresholds.

#include <string>

#include "federation/rating_body.h"
#include "register/working_state.h"

namespace movarel::federation {

// COMPRJUGFIDE / COMPRJUGFEDA: one information box per inconsistency of the member's code and
// rating (a code with no rating, a rating with no code); false when there was any.
bool COMPRJUG(registry::WorkingState& state, RatingBody body, const Entrant& member);

// INFIDE / INFEDA: writes the page `page_name` + ".htm" in the tournament's folder. A member
// with an inconsistent code or rating leaves the member table out (each finding and a summary
// are shown); the page is written either way.
void INFIDE(registry::WorkingState& state, const std::string& page_name);
void INFEDA(registry::WorkingState& state, const std::string& page_name);

}  // namespace movarel::federation
