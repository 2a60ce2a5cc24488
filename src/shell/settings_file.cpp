#include "shell/settings_file.h"

#include "register/working_state.h"
#include "ui/ini_file.h"
#include "ui/platform.h"

namespace movarel::shell {

void ReadStartUpSettings(registry::WorkingState& state) {
  ui::IniFile ini(ui::SettingsFilePath());
  state.CTORNEO1 = ini.Get(kSettingsSection, kKeyTorneo1, "");
  state.CFICHERO1 = ini.Get(kSettingsSection, kKeyFichero1, "");
  state.CTORNEO2 = ini.Get(kSettingsSection, kKeyTorneo2, "");
  state.CFICHERO2 = ini.Get(kSettingsSection, kKeyFichero2, "");
  state.CABRIRNAV = ini.Get(kSettingsSection, kKeyAbrirNavegador, "S");
}

}  // namespace movarel::shell
