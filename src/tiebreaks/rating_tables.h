#pragma once
// The two conversion tables of FIDE's rating regulations (8.1.1 and 8.1.2) that the
// performance tie-breaks need, in hundredths so that sums stay integers.

namespace movarel::tiebreaks {

// dp for a fractional score p given in hundredths (0 ... 100): -800 ... +800.
int RatingDifference(int p_hundredths);

// Expected score, in hundredths, of a player rated `difference` points above (negative:
// below) the opponent. The full table: no 400-point limit.
int ExpectedScore(int difference);

}  // namespace movarel::tiebreaks
