#include "register/tournament_form.h"

#include <ctime>

#include "register/file_names.h"
#include "register/table_layouts.h"
#include "register/tournament_creation.h"
#include "register/tournament_opening.h"
#include "register/working_state.h"
#include "storage/files.h"
#include "storage/typed_value.h"
#include "storage/unreported_errors.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"
#include "ui/ui.h"

namespace movarel::registry {
namespace {

constexpr char kAttention[] = "\xA1" "Atenci\xF3n!";

enum class InputKind { kText, kWideText, kDate, kNumber };

// A register field, its box on the form and its place in TournamentData: the one table the
// form, the record and the data are mapped by. Exactly one of the members fits `kind`.
struct Input {
  const char* field;
  const char* control;
  InputKind kind;
  std::string TournamentData::*text = nullptr;
  storage::Date TournamentData::*date = nullptr;
  double TournamentData::*number = nullptr;
};

constexpr Input TextInput(const char* field, const char* control, std::string TournamentData::*member,
                          InputKind kind = InputKind::kText) {
  return {field, control, kind, member};
}
constexpr Input DateInput(const char* field, const char* control, storage::Date TournamentData::*member) {
  return {field, control, InputKind::kDate, nullptr, member};
}
constexpr Input NumberInput(const char* field, const char* control, double TournamentData::*member) {
  return {field, control, InputKind::kNumber, nullptr, nullptr, member};
}

using TD = TournamentData;
constexpr Input kInputs[] = {
    TextInput("FICHERO", "txtFICHERO", &TD::fichero),
    TextInput("TORNEO", "txtTORNEO", &TD::torneo, InputKind::kWideText),
    DateInput("FECHA_INI", "fecFECHA_INI", &TD::fecha_ini),
    DateInput("FECHA_FIN", "fecFECHA_FIN", &TD::fecha_fin),
    TextInput("LOCALIDAD", "txtLOCALIDAD", &TD::localidad),
    NumberInput("N_JUGS", "txtN_JUGS", &TD::n_jugs),
    NumberInput("N_RONDAS", "txtN_RONDAS", &TD::n_rondas),
    NumberInput("N_R_ACTUAL", "txtN_R_ACTUAL", &TD::n_r_actual),
    TextInput("PIE_PAG", "txtPIE_PAG", &TD::pie_pag, InputKind::kWideText),
    TextInput("PRIM_CONTR", "txtPRIM_CONTR", &TD::prim_contr),
    TextInput("SEGU_CONTR", "txtSEGU_CONTR", &TD::segu_contr),
    TextInput("ARBIT_PPAL", "txtARBIT_PPAL", &TD::arbit_ppal),
    TextInput("ARBIT_AUX", "txtARBIT_AUX", &TD::arbit_aux),
};

storage::Date Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Field definitions come from the folder's own register when it is open (a DOS register
// keeps its widths), else from the structure a new register gets.
storage::FieldDef FieldOf(const storage::Table* torneos, std::string_view field) {
  const std::vector<storage::FieldDef> fields = torneos != nullptr ? torneos->fields() : TorneosFields();
  for (const storage::FieldDef& def : fields) {
    if (storage::Upper(def.name) == field) return def;
  }
  return storage::FieldDef{std::string(field), 'C', 0, 0};
}

int FieldLength(const storage::Table* torneos, std::string_view field) {
  return FieldOf(torneos, field).length;
}

// What a text or number box holds, read by its register field's rules. The date pickers
// hold dates and need no reading.
storage::Result<storage::Value> TypedInput(const storage::Table* torneos, const ui::Form& frm, const Input& input) {
  return storage::ReadTypedValue(FieldOf(torneos, input.field), frm.Find(input.control)->text());
}

// One line for each box whose text its field cannot hold. The key has rules of its own
// (tournament_key.h), which say more than its width.
std::vector<std::string> UnreadableInputs(const storage::Table* torneos, const ui::Form& frm) {
  std::vector<std::string> lines;
  for (const Input& input : kInputs) {
    if (input.kind == InputKind::kDate || std::string_view(input.field) == "FICHERO") continue;
    storage::Result<storage::Value> value = TypedInput(torneos, frm, input);
    if (!value.ok()) lines.push_back(std::string(input.field) + ": " + value.status().message());
  }
  return lines;
}

TournamentLimits LimitsOf(const storage::Table* torneos) {
  TournamentLimits limits;
  limits.key_length = FieldLength(torneos, "FICHERO");
  const int digits = FieldLength(torneos, "N_R_ACTUAL");
  limits.max_current_round = digits >= 3 ? 999 : digits == 2 ? 99 : 9;
  const int player_digits = FieldLength(torneos, "N_JUGS");
  if (player_digits > 0 && player_digits < 3) limits.max_players = player_digits == 2 ? 99 : 9;
  return limits;
}

std::vector<std::string> RegisteredKeys(storage::Table* torneos) {
  std::vector<std::string> keys;
  if (torneos == nullptr) return keys;
  const uint32_t at = torneos->RecNo();
  for (torneos->GoTop(); !torneos->Eof(); torneos->Skip()) keys.push_back(torneos->GetText("FICHERO"));
  torneos->GoTo(at);
  return keys;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\r\n" + line;
  return text;
}

// A number box as its register field reads it; text the field cannot hold counts 0 here,
// and UnreadableInputs reports it.
double NumberOf(const storage::Table* torneos, const ui::Form& frm, const Input& input) {
  const storage::Result<storage::Value> value = TypedInput(torneos, frm, input);
  return value.ok() ? std::get<double>(value.value()) : 0;
}

// Builds and shows "FrmET" with `data`; returns what the OK button did.
TournamentOutcome ShowTournamentForm(WorkingState& state, ui::Ui& ui, const TournamentData& data) {
  const storage::Table* torneos = state.workspace.Find("torneos");
  ui::Form frm(ui, "FrmET", ui::FormKind::kModal);
  frm.Caption(ui::PathAsText(ui::GetCurrentFolder())).Size(410, 480);
  int row = 10;
  for (const Input& input : kInputs) {
    frm.AddLabel(std::string("lbl") + input.field).At(row, 10).Size(130, 24).Caption(input.field);
    switch (input.kind) {
      case InputKind::kText:
      case InputKind::kWideText:
        frm.AddTextBox(input.control)
            .At(row, 150)
            .Size(input.kind == InputKind::kWideText ? 250 : 120, 24)
            .MaxLength(FieldLength(torneos, input.field))
            .Value(data.*input.text);
        break;
      case InputKind::kDate:
        frm.AddDatePicker(input.control).At(row, 150).Size(110, 24).Value(data.*input.date);
        break;
      case InputKind::kNumber:
        frm.AddTextBox(input.control)
            .At(row, 150)
            .Size(60, 24)
            .Text(ui::TextKind::kNumber)
            .Value(data.*input.number);
        break;
    }
    row += 30;
  }
  frm.AddFrame("Frame1").At(frm.height() - 70, 0).Size(frm.width(), 1);
  TournamentOutcome outcome = state.LTORNEONUEVO ? TournamentOutcome::Closed() : TournamentOutcome::Unchanged();
  frm.AddPictureButton("btnOk").At(frm.height() - 65, 5).Size(30, 25).Picture("grabar").OnClick([&] {
    TournamentOutcome done = FOK(state, frm);
    if (frm.released()) outcome = done;
  });
  frm.AddPictureButton("btnCancel").At(frm.height() - 65, frm.width() - 40).Size(30, 25).Picture("salir").OnClick([&] {
    frm.Release();
  });
  frm.Center();
  frm.Activate();
  return outcome;
}

TournamentData FromRecord(const storage::Table& t) {
  TournamentData data;
  for (const Input& input : kInputs) {
    if (input.text != nullptr) data.*input.text = std::string(storage::RTrim(t.GetText(input.field)));
    if (input.date != nullptr) data.*input.date = t.GetDate(input.field);
    if (input.number != nullptr) data.*input.number = t.GetNumber(input.field);
  }
  return data;
}

TournamentOutcome CreateFromForm(WorkingState& state, ui::Form& frm) {
  storage::Workspace& workspace = state.workspace;
  storage::Table* torneos = workspace.Find("torneos");
  const TournamentData data = ReadTournamentForm(frm, torneos);
  std::vector<std::string> breaches = UnreadableInputs(torneos, frm);
  for (std::string& line : CheckNewTournament(data, RegisteredKeys(torneos), LimitsOf(torneos))) {
    breaches.push_back(std::move(line));
  }
  if (!breaches.empty()) {
    state.dialogs->MsgStop("No se puede crear el torneo:" + Lines(breaches), kAttention);
    return TournamentOutcome::Unchanged();
  }
  const std::string key(storage::AllTrim(data.fichero));
  if (storage::FileExists(PlayerTableName(key) + ".dbf")) {
    state.dialogs->MsgInfo("No se puede crear el torneo, ya existe uno con ese nombre de fichero");
    return TournamentOutcome::Unchanged();
  }
  // Every template is looked for before anything is written.
  const std::string templates = TemplatesFolder(state.CCARPINI);
  std::vector<std::string> needed = {"cuadrow.mod", "cclas.dbf"};
  if (data.n_rondas > 0) needed.push_back("ronda.mod");
  if (torneos == nullptr) needed.push_back("torneos.mod");
  for (const std::string& name : needed) {
    if (name == "cclas.dbf" && storage::FileExists("cclas.dbf")) continue;
    if (!storage::FileExists(templates + name)) {
      state.dialogs->MsgStop("No se puede crear el torneo\r\nNo se ha encontrado la plantilla " + templates + name);
      return TournamentOutcome::Unchanged();
    }
  }

  frm.Release();
  // A register made for this tournament goes again if the tournament cannot be made.
  const bool new_register = torneos == nullptr;
  auto drop_new_register = [&] {
    workspace.CloseAll();
    if (new_register) storage::EraseLeftover("torneos.dbf");
  };
  if (new_register) {
    auto model = workspace.Use(templates + "torneos.mod", "ZDPLANTILLA", /*shared=*/true, /*read_only=*/true);
    storage::Status made = model.ok() ? (*model)->CopyStructure("torneos.dbf") : model.status();
    workspace.Close("ZDPLANTILLA");
    if (!made.ok()) {
      state.dialogs->MsgStop("No se puede crear el torneo\r\nNo se ha podido crear el fichero torneos.dbf\r\n" +
                             made.message());
      drop_new_register();
      return TournamentOutcome::Closed();
    }
    auto opened = workspace.Use("torneos.dbf", "torneos", /*shared=*/false);
    if (!opened.ok()) {
      state.dialogs->MsgStop(OpenRefusalText(ui::GetCurrentFolder() + "/torneos.dbf", opened.status()));
      drop_new_register();
      return TournamentOutcome::Closed();
    }
    torneos = *opened;
  }
  if (!torneos->FLock()) {
    state.dialogs->MsgInfo("No se ha podido crear el torneo");
    drop_new_register();
    return TournamentOutcome::Closed();
  }
  TournamentOutcome outcome = CREARFICHSTORNEO(state, data, [&] {
    storage::Status written = torneos->Append();
    if (!written.ok()) return written;
    written = FGRABARTORNEO(*torneos, frm);
    if (written.ok()) written = torneos->Commit();
    // A record that could not be filled in is taken back the way the register deletes one.
    if (!written.ok()) storage::LogUnreported(torneos->Delete());
    torneos->Unlock();
    return written;
  });
  if (outcome.change == TournamentChange::kClosed) drop_new_register();
  return outcome;
}

void EditFromForm(WorkingState& state, ui::Form& frm) {
  storage::Table* torneos = state.workspace.Find("torneos");
  const TournamentData data = ReadTournamentForm(frm, torneos);
  std::vector<std::string> breaches = UnreadableInputs(torneos, frm);
  for (std::string& line : CheckEditedTournament(data, torneos->GetText("FICHERO"), LimitsOf(torneos))) {
    breaches.push_back(std::move(line));
  }
  if (!breaches.empty()) {
    state.dialogs->MsgStop("No se pueden grabar los datos:" + Lines(breaches), kAttention);
    return;
  }
  if (!torneos->FLock()) {
    state.dialogs->MsgInfo("Error al grabar los datos");
  } else {
    storage::Status written = FGRABARTORNEO(*torneos, frm);
    if (written.ok()) written = torneos->Commit();
    torneos->Unlock();
    if (!written.ok()) state.dialogs->MsgStop("Error al grabar los datos\r\n" + written.message());
  }
  frm.Release();
}

}  // namespace

TournamentData ReadTournamentForm(const ui::Form& frm, const storage::Table* torneos) {
  TournamentData data;
  for (const Input& input : kInputs) {
    if (input.text != nullptr) data.*input.text = frm.Find(input.control)->text();
    if (input.date != nullptr) data.*input.date = frm.Find(input.control)->date();
    if (input.number != nullptr) data.*input.number = NumberOf(torneos, frm, input);
  }
  return data;
}

storage::Status FGRABARTORNEO(storage::Table& torneos, const ui::Form& frm) {
  ui::ActiveOperation op("FGRABARTORNEO");
  for (const Input& input : kInputs) {
    storage::Value value;
    if (input.kind == InputKind::kDate) {
      value = frm.Find(input.control)->date();
    } else {
      storage::Result<storage::Value> typed = TypedInput(&torneos, frm, input);
      if (!typed.ok()) return typed.status().WithContext(torneos.path() + ", " + input.field);
      value = typed.value();
    }
    if (storage::Status s = torneos.Put(input.field, value); !s.ok()) return s;
  }
  return storage::Status::Ok();
}

TournamentOutcome FOK(WorkingState& state, ui::Form& frm) {
  ui::ActiveOperation op("FOK");
  if (state.LTORNEONUEVO) return CreateFromForm(state, frm);
  EditFromForm(state, frm);
  return TournamentOutcome::Unchanged();
}

TournamentOutcome TORNEONUEVO(WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("TORNEONUEVO");
  // The DOS-era order closed the tournament before asking, so a cancelled chooser left the
  // tournament commands enabled over closed tables.
  const std::string folder = state.dialogs->GetFolder("Crear torneo nuevo en...");
  if (storage::AllTrim(folder).empty()) {
    state.dialogs->MsgInfo("No ha elegido la localizacion del torneo");
    return TournamentOutcome::Unchanged();
  }
  state.workspace.CloseAll();
  state.CCARPETA = folder;
  if (!ui::SetCurrentFolder(folder)) {
    state.dialogs->MsgStop("No se puede crear el torneo\r\nNo se puede entrar en la carpeta " +
                           ui::PathAsText(folder));
    return TournamentOutcome::Closed();
  }
  if (storage::FileExists("torneos.dbf")) {
    auto opened = state.workspace.Use("torneos.dbf", "torneos", /*shared=*/false);
    if (!opened.ok()) {
      state.dialogs->MsgStop(OpenRefusalText(storage::ResolvePath(folder + "/torneos.dbf"), opened.status()));
      return TournamentOutcome::Closed();
    }
  }
  state.LTORNEONUEVO = true;
  TournamentData empty;
  empty.fecha_ini = empty.fecha_fin = Today();
  return ShowTournamentForm(state, ui, empty);
}

void EDITARTORNEO(WorkingState& state, ui::Ui& ui) {
  ui::ActiveOperation op("EDITARTORNEO");
  storage::Table* torneos = state.workspace.Find("torneos");
  if (torneos == nullptr || torneos->Eof()) return;
  state.LTORNEONUEVO = false;
  ShowTournamentForm(state, ui, FromRecord(*torneos));
}

}  // namespace movarel::registry
