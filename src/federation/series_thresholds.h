#pragma once
// The thresholds a player without code or rating must reach to be a candidate for a first
// rating (a "block"): games against rated opponents and points, keys "NumParSerie" and
// "NumPtsSerie" of the settings file, stored as text and compared by their numeric value.

namespace movarel::federation {

struct SeriesThresholds {
  double games = 3;
  double points = 1;
};

// From "tq.ini" in the Windows folder; the defaults 3 and 1 where the file or a key is missing.
SeriesThresholds ReadSeriesThresholds();

}  // namespace movarel::federation
