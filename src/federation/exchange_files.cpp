#include "federation/exchange_files.h"

#include <functional>
#include <optional>

#include "federation/federation_report.h"
#include "federation/game_tally.h"
#include "federation/series_thresholds.h"
#include "register/file_names.h"
#include "storage/files.h"
#include "storage/os_file.h"
#include "storage/value.h"
#include "ui/run_time_error.h"

namespace movarel::federation {

namespace {

struct ExchangeFile {
  std::string output;       // "ZdFIDE": the table's and the text copy's name
  std::string template_file;
  std::string alias;
  bool text_copy;
};

// What a record's fields get, in the order they are assigned; a field the template lacks is
// passed over (the templates' fields beyond these are the program data's own).
using Fields = std::vector<std::pair<std::string, storage::Value>>;

// The tables the operation needs, and the players read once.
struct Source {
  storage::Table* torneos = nullptr;
  Entrants entrants;
};

std::optional<Source> ReadSource(registry::WorkingState& state) {
  storage::Table* torneos = state.workspace.Find("torneos");
  storage::Table* cuadro = state.workspace.Find("cuadro");
  if (torneos == nullptr || cuadro == nullptr) {
    state.dialogs->MsgStop("No hay ning\xFAn torneo abierto", "");
    return std::nullopt;
  }
  const int rounds = torneos->HasField("N_RONDAS") ? static_cast<int>(torneos->GetNumber("N_RONDAS")) : 0;
  storage::Result<Entrants> entrants = ReadEntrants(*cuadro, rounds);
  if (!entrants.ok()) {
    state.dialogs->MsgStop(entrants.status().message(), "");
    return std::nullopt;
  }
  return Source{torneos, std::move(entrants.value())};
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// Builds the table of `file` with `records` beside the tournament's player table, with its
// text copy when the file has one, and puts them in place. The error names the file.
storage::Status WriteExchangeFile(registry::WorkingState& state, const ExchangeFile& file,
                                  const std::vector<Fields>& records) {
  const std::string folder = FolderOf(state.workspace.Find("cuadro")->path()) + "/";
  const std::string table_path = storage::ResolvePath(folder + file.output + ".dbf");
  const std::string template_path =
      storage::ResolvePath(registry::TemplatesFolder(state.CCARPINI) + file.template_file);

  storage::Result<storage::Table*> model = state.workspace.Use(template_path, file.alias + "mod", true, true);
  if (!model.ok()) return model.status().WithContext(template_path);
  storage::Result<storage::TempFile> temp = storage::CreateTempBeside(table_path);
  if (!temp.ok()) {
    state.workspace.Close(file.alias + "mod");
    return temp.status();
  }
  storage::os::CloseFile(temp->fd);
  storage::Status status = model.value()->CopyStructure(temp->path);
  state.workspace.Close(file.alias + "mod");
  if (status.ok()) {
    storage::Result<storage::Table*> out = state.workspace.Use(temp->path, file.alias, false);
    if (!out.ok()) {
      status = out.status();
    } else {
      storage::Table& table = *out.value();
      for (const Fields& record : records) {
        if (status = table.Append(); !status.ok()) break;
        for (const auto& [field, value] : record) {
          if (!table.HasField(field)) continue;
          if (status = table.Put(field, value); !status.ok()) break;
        }
        if (!status.ok()) break;
      }
      if (status.ok()) status = table.Commit();
      if (status.ok() && file.text_copy) status = table.ExportSdf(folder + file.output + ".txt");
      state.workspace.Close(file.alias);
    }
  }
  if (status.ok()) status = storage::ReplaceWithTemp(temp->path, table_path);
  if (!status.ok()) {
    storage::EraseFile(temp->path).ok();
    return status.WithContext(table_path);
  }
  return storage::Status::Ok();
}

void Report(registry::WorkingState& state, const ExchangeFile& file, const std::vector<Fields>& records,
            const std::string& done) {
  const storage::Status written = WriteExchangeFile(state, file, records);
  if (!written.ok()) {
    state.dialogs->MsgStop("No se ha podido crear el fichero " + file.output + ".dbf\r\n" + written.message(), "");
    return;
  }
  state.dialogs->MsgInfo(done, "");
}

Fields RatingBodyFields(RatingBody body, const Entrant& player, const Tally& tally, bool with_code) {
  Fields fields;
  if (with_code) fields.emplace_back("ID_CODE", CodeOf(body, player));
  fields.emplace_back("NAME", player.JUG);
  fields.emplace_back("SEX", player.SEXO);
  if (body == RatingBody::kFide) {
    fields.emplace_back("COUNTRY", player.COD_PAIS);
  } else {
    fields.emplace_back("AUTONOMIA", player.AUTONOMIA);
  }
  fields.emplace_back("BIRTHDATE", player.FECHA_NAC);
  fields.emplace_back("W", tally.points());
  fields.emplace_back("N", static_cast<double>(tally.games));
  fields.emplace_back("RC", static_cast<double>(tally.average()));
  fields.emplace_back("N_RANKING", static_cast<double>(player.NUM));
  return fields;
}

ExchangeFile BodyFile(RatingBody body, bool blocks) {
  const std::string name = BodyName(body);
  return {"Zd" + name + (blocks ? "Bloq" : ""), "Zd" + name + ".mod", body == RatingBody::kFide ? "zdfide" : "zdfeda",
          true};
}

void MemberFile(registry::WorkingState& state, RatingBody body) {
  const std::optional<Source> source = ReadSource(state);
  if (!source) return;
  const std::string name = BodyName(body);
  // The checks come before anything is written: a refused report leaves the folder as it was
  // rather than an empty table that could be sent as one.
  bool consistent = true;
  for (uint32_t recno : source->entrants.in_order) {
    const Entrant& player = *source->entrants.ByRecNo(static_cast<int>(recno));
    if (IsMember(body, player) && !COMPRJUG(state, body, player)) consistent = false;
  }
  if (!consistent) {
    state.dialogs->MsgInfo("Errores en datos " + name + ". Corrijalos y ejecute de nuevo", "");
    return;
  }
  std::vector<Fields> records;
  for (uint32_t recno : source->entrants.in_order) {
    const Entrant& player = *source->entrants.ByRecNo(static_cast<int>(recno));
    if (!IsMember(body, player)) continue;
    records.push_back(RatingBodyFields(
        body, player, TallyGames(source->entrants, player, body, RatingTerm::kLimitedToOwn), true));
  }
  const ExchangeFile file = BodyFile(body, false);
  Report(state, file, records,
         "Ficheros " + file.output + ".dbf y" + file.output + ".txt con datos para la " + name + " creados");
}

void BlockFile(registry::WorkingState& state, RatingBody body) {
  const std::optional<Source> source = ReadSource(state);
  if (!source) return;
  const std::string name = BodyName(body);
  const ExchangeFile file = BodyFile(body, true);
  state.CFICHTRAB = file.output;
  const SeriesThresholds thresholds = ReadSeriesThresholds();
  std::vector<Fields> records;
  for (uint32_t recno : source->entrants.in_order) {
    const Entrant& player = *source->entrants.ByRecNo(static_cast<int>(recno));
    if (IsMember(body, player)) continue;
    const Tally tally = TallyGames(source->entrants, player, body, RatingTerm::kUnlimited);
    if (tally.games < thresholds.games || tally.points() < thresholds.points) continue;
    records.push_back(RatingBodyFields(body, player, tally, false));
  }
  if (records.empty()) {
    state.dialogs->MsgInfo("No ha habido ning\xFAn bloque " + name + " en el torneo", "");
    return;
  }
  const std::string between = body == RatingBody::kFide ? ".dbf y " : ".dbf y";
  Report(state, file, records,
         "Ficheros " + file.output + between + file.output + ".txt con bloques para la " + name + " creado");
}

Fields FvaFields(const storage::Table& torneos, const Entrant& player, const Tally& tally) {
  Fields fields;
  for (const char* field : {"TORNEO", "LOCALIDAD", "FECHA_INI", "FECHA_FIN"}) {
    if (torneos.HasField(field)) fields.emplace_back(field, torneos.Get(field));
  }
  fields.emplace_back("LICENCIA", player.LIC);
  fields.emplace_back("PUNTOS", tally.points());
  fields.emplace_back("PARTIDAS", static_cast<double>(tally.games));
  fields.emplace_back("ELORIVALES", static_cast<double>(tally.average()));
  return fields;
}

// The FVA tables: the licensed players (`licensed`) or those without licence.
void FvaFile(registry::WorkingState& state, bool licensed) {
  const std::optional<Source> source = ReadSource(state);
  if (!source) return;
  const ExchangeFile file = licensed ? ExchangeFile{"ZdFVA", "ZdFVA.mod", "zdfva", false}
                                     : ExchangeFile{"ZdFVANuevos", "ZdFVANue.mod", "zdfvanue", false};
  if (!licensed) state.CFICHTRAB = file.output;
  std::vector<Fields> records;
  for (uint32_t recno : source->entrants.in_order) {
    const Entrant& player = *source->entrants.ByRecNo(static_cast<int>(recno));
    if (IsMember(RatingBody::kFva, player) != licensed) continue;
    const Tally tally = TallyGames(source->entrants, player, RatingBody::kFva, RatingTerm::kLimitedToOwn);
    Fields fields = FvaFields(*source->torneos, player, tally);
    if (!licensed) {
      Fields more = {{"JUG", player.JUG},
                     {"ELOFIDE", static_cast<double>(player.ELOFIDE)},
                     {"ELOFEDA", static_cast<double>(player.ELOFEDA)},
                     {"ELO", static_cast<double>(player.ELO)},
                     {"CLUB", player.CLUB},
                     {"CAT", player.CAT},
                     {"COD_PAIS", player.COD_PAIS},
                     {"COD_FIDE", player.COD_FIDE},
                     {"COD_FEDA", player.COD_FEDA},
                     {"FECHA_NAC", player.FECHA_NAC}};
      fields.insert(fields.end(), more.begin(), more.end());
    }
    records.push_back(std::move(fields));
  }
  if (licensed) {
    Report(state, file, records, "Fichero " + file.output + ".dbf con datos para la FVA creado");
  } else if (records.empty()) {
    state.dialogs->MsgInfo("No ha habido ning\xFAn jugador sin Licencia por la FVA en el torneo", "");
  } else {
    Report(state, file, records, "Fichero " + file.output + ".dbf con jugadores nuevos para la FVA creado");
  }
}

}  // namespace

void FIFIDE(registry::WorkingState& state) {
  ui::ActiveOperation op("FIFIDE");
  MemberFile(state, RatingBody::kFide);
}

void FIFEDA(registry::WorkingState& state) {
  ui::ActiveOperation op("FIFEDA");
  MemberFile(state, RatingBody::kFeda);
}

void FIBLOQFIDE(registry::WorkingState& state) {
  ui::ActiveOperation op("FIBLOQFIDE");
  BlockFile(state, RatingBody::kFide);
}

void FIBLOQFEDA(registry::WorkingState& state) {
  ui::ActiveOperation op("FIBLOQFEDA");
  BlockFile(state, RatingBody::kFeda);
}

void FIFVA(registry::WorkingState& state) {
  ui::ActiveOperation op("FIFVA");
  FvaFile(state, true);
}

void FINUEFVA(registry::WorkingState& state) {
  ui::ActiveOperation op("FINUEFVA");
  FvaFile(state, false);
}

}  // namespace movarel::federation
