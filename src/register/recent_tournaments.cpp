#include "register/recent_tournaments.h"

#include "register/working_state.h"
#include "storage/value.h"
#include "ui/ini_file.h"
#include "ui/platform.h"

namespace movarel::registry {

void RotateRecentTournaments(const WorkingState& state, const std::string& name, const std::string& path) {
  const std::string trimmed(storage::RTrim(name));
  const std::string_view first = storage::RTrim(state.CTORNEO1);
  if (!first.empty() && trimmed == first) return;
  ui::IniFile ini(ui::SettingsFilePath());
  // A settings file that cannot be written only costs the recent entries; the tournament
  // itself is open, so there is nothing to report.
  (void)ini.Set("Movarel", "Torneo2", state.CTORNEO1);
  (void)ini.Set("Movarel", "Fichero2", state.CFICHERO1);
  (void)ini.Set("Movarel", "Torneo1", trimmed);
  (void)ini.Set("Movarel", "Fichero1", path);
}

}  // namespace movarel::registry
