#include "federation/series_thresholds.h"

#include "storage/value.h"
#include "ui/ini_file.h"
#include "ui/platform.h"

namespace movarel::federation {

SeriesThresholds ReadSeriesThresholds() {
  const ui::IniFile ini(ui::SettingsFilePath());
  SeriesThresholds thresholds;
  thresholds.games = storage::Val(ini.Get("Movarel", "NumParSerie", "3"));
  thresholds.points = storage::Val(ini.Get("Movarel", "NumPtsSerie", "1"));
  return thresholds;
}

}  // namespace movarel::federation
