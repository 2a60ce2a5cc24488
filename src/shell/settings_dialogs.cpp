#include "shell/settings_dialogs.h"

#include <cstdlib>
#include <string>

#include "register/working_state.h"
#include "shell/settings_file.h"
#include "ui/dialogs.h"
#include "ui/ini_file.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"

namespace movarel::shell {

namespace {

struct RatingListTexts {
  const char* key;
  const char* question;  // followed by the path and "?"
  const char* chooser_title;
};

struct ThresholdTexts {
  const char* key;
  const char* default_value;
  const char* question;  // followed by the value and "?"
  const char* prompt;
  const char* title;
};

// The DOS-era chooser started in "c:\mis documentos\", which has no counterpart here: the
// user's home folder is where rating lists are saved from a browser.
std::string ChooserStartFolder() {
  std::string folder = ui::HomeFolder();
  if (folder.empty()) folder = ui::GetCurrentFolder();
  if (folder.empty() || folder.back() != ui::kPathSeparator) folder += ui::kPathSeparator;
  return folder;
}

// Writes the key, and says so when the file cannot be written: the user would otherwise
// believe the setting changed.
bool Store(ui::Dialogs& dialogs, ui::IniFile& ini, const char* key, const std::string& value) {
  storage::Status status = ini.Set(kSettingsSection, key, value);
  if (status.ok()) return true;
  dialogs.MsgStop("No se ha podido guardar la configuraci\xF3n en\r\n" + ui::PathAsText(ini.path()));
  return false;
}

void ConfigureRatingList(registry::WorkingState& state, const RatingListTexts& texts) {
  ui::Dialogs& dialogs = *state.dialogs;
  ui::IniFile ini(ui::SettingsFilePath());
  const std::string path = ini.existed() ? ini.Get(kSettingsSection, texts.key, "") : "";
  if (!path.empty() && !dialogs.MsgYesNo(std::string(texts.question) + "\r\n" + ui::PathAsText(path) + "?")) return;
  const std::string chosen =
      dialogs.GetFile({{"Ficheros .dbf", "*.dbf"}}, texts.chooser_title, ChooserStartFolder(), false);
  if (!chosen.empty()) Store(dialogs, ini, texts.key, chosen);
}

void ConfigureThreshold(registry::WorkingState& state, const ThresholdTexts& texts) {
  ui::Dialogs& dialogs = *state.dialogs;
  ui::IniFile ini(ui::SettingsFilePath());
  const std::string value = ini.existed() ? ini.Get(kSettingsSection, texts.key, texts.default_value)
                                          : std::string(texts.default_value);
  if (!value.empty() && !dialogs.MsgYesNo(std::string(texts.question) + value + "?")) return;
  const std::string answer = dialogs.InputBox(texts.prompt, texts.title, value);
  if (!answer.empty()) Store(dialogs, ini, texts.key, answer);
}

}  // namespace

void CFGFVA(registry::WorkingState& state) {
  ui::ActiveOperation op("CFGFVA");
  ConfigureRatingList(state, {kKeyEloFva,
                              "\xBF"
                              "Cambiar el fichero de Elo FVA",
                              "Elija el fichero de elo FVA m\xE1s reciente"});
}

void CFGFIDE(registry::WorkingState& state) {
  ui::ActiveOperation op("CFGFIDE");
  ConfigureRatingList(state, {kKeyEloFide,
                              "\xBF"
                              "Cambiar el fichero de Elo FIDE",
                              "Elija el fichero de elo FIDE m\xE1s reciente"});
}

void CFGFEDA(registry::WorkingState& state) {
  ui::ActiveOperation op("CFGFEDA");
  ConfigureRatingList(state, {kKeyEloFeda,
                              "\xBF"
                              "Cambiar el fichero de Elo FEDA",
                              "Elija el fichero de elo FEDA m\xE1s reciente"});
}

void CFGPARSERIE(registry::WorkingState& state) {
  ui::ActiveOperation op("CFGPARSERIE");
  ConfigureThreshold(state, {kKeyNumParSerie, "3",
                             "\xBF"
                             "Cambiar el n\xFAmero de partidas para serie, que ahora son ",
                             "Nuevo m\xEDnimo de partidas para serie", "Atenci\xF3n"});
}

void CFGPTSSERIE(registry::WorkingState& state) {
  ui::ActiveOperation op("CFGPTSSERIE");
  ConfigureThreshold(state, {kKeyNumPtsSerie, "1",
                             "\xBF"
                             "Cambiar el n\xFAmero de puntos para serie, que ahora son ",
                             "Nuevo m\xEDnimo de puntos para serie", "Ejemplo -> 0.5"});
}

void CFGABRNAV(registry::WorkingState& state) {
  ui::ActiveOperation op("CFGABRNAV");
  ui::Dialogs& dialogs = *state.dialogs;
  ui::IniFile ini(ui::SettingsFilePath());
  if (ini.existed()) state.CABRIRNAV = ini.Get(kSettingsSection, kKeyAbrirNavegador, "S");
  if (!dialogs.MsgYesNo("\xBF"
                        "Cambiar la configuraci\xF3n de apertura del navegador tras listados, que ahora es " +
                        state.CABRIRNAV + "?")) {
    return;
  }
  const std::string answer = dialogs.InputBox("Nuevo valor (S/N)", "", state.CABRIRNAV);
  if (answer.empty()) return;
  state.CABRIRNAV = answer;
  Store(dialogs, ini, kKeyAbrirNavegador, answer);
}

}  // namespace movarel::shell
