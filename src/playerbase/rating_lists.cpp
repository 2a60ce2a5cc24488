#include "playerbase/rating_lists.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "playerbase/player_database.h"
#include "storage/files.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/control.h"
#include "ui/dialogs.h"
#include "ui/ini_file.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"
#include "storage/os_file.h"

namespace movarel::playerbase {
namespace {

struct ListField {
  const char* name;
  char type;
};

// One rating list as the settings name it and the operations read it.
struct RatingList {
  const char* body;          // "FIDE", "FEDA", "FVA" in the messages
  const char* settings_key;  // key of section "Movarel" in tq.ini
  const char* alias;
  const char* index_file;
  std::vector<ListField> fields;
};

const RatingList kFide{"FIDE", "EloFide", "ffide", "ffide.tmp", {{"COD_FIDE", 'N'}, {"JUG", 'C'}, {"ELO", 'N'}}};
const RatingList kFeda{"FEDA", "EloFeda", "ffeda", "ffeda.tmp", {{"CLAVE", 'N'}, {"RANKING", 'N'}}};
const RatingList kFva{"FVA", "EloFva", "ffva", "ffva.tmp", {{"LIC", 'C'}, {"JUG", 'C'}, {"ELO", 'N'}}};

std::string ListPath(const RatingList& list) {
  ui::IniFile ini(ui::SettingsFilePath());
  if (!ini.existed()) return "";
  return ini.Get("Movarel", list.settings_key, "");
}

std::string IndexPath(const registry::WorkingState& state, const RatingList& list) {
  if (state.CCARPINI.empty()) return list.index_file;
  return state.CCARPINI + ui::kPathSeparator + list.index_file;
}

// The first field of the list that is missing or of another type, "" when all are there.
std::string MissingField(const storage::Table& table, const std::vector<ListField>& fields) {
  for (const ListField& wanted : fields) {
    const auto& all = table.fields();
    const int at = table.layout().Find(wanted.name);
    if (at < 0 || all[static_cast<size_t>(at)].type != wanted.type) {
      return std::string(wanted.name) + (wanted.type == 'N' ? " num\xE9rico" : " de texto");
    }
  }
  return "";
}

// A list whose header counts more records than the file holds was cut short in a copy or a
// download; the table layer reads what is there, but ratings from half a list are wrong.
std::string CutShort(const std::string& path) {
  std::ifstream in(storage::os::FileSystemPath(path), std::ios::binary);
  unsigned char head[12] = {};
  if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return "la cabecera est\xE1 incompleta";
  const uint64_t count = head[4] | head[5] << 8 | head[6] << 16 | static_cast<uint64_t>(head[7]) << 24;
  const uint64_t header_length = head[8] | head[9] << 8;
  const uint64_t record_length = head[10] | head[11] << 8;
  std::error_code error;
  const uint64_t size = std::filesystem::file_size(storage::os::FileSystemPath(path), error);
  if (error || size < header_length + count * record_length) {
    return "el archivo est\xE1 truncado: le faltan registros de los " + std::to_string(count) + " que declara";
  }
  return "";
}

// The progress window of one operation, closed on every way out before a message is shown.
class ProgressShown {
 public:
  explicit ProgressShown(ui::Dialogs& dialogs) : dialogs_(dialogs) {}
  ~ProgressShown() { End(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;
  void Step(const std::string& text, uint64_t done, uint64_t total) {
    shown_ = true;
    dialogs_.Progress(text, done, total);
  }
  void End() {
    if (shown_) dialogs_.ProgressEnd();
    shown_ = false;
  }

 private:
  ui::Dialogs& dialogs_;
  bool shown_ = false;
};

using PerPlayer = std::function<storage::Status(storage::Table& bjugs, storage::Table& list)>;

// The common frame: the list found, opened, checked and indexed over `key_text`; every
// database player passing `filter` visited in index order; list closed, index erased, grid
// refreshed. False when the run did not take place (the message is already shown).
bool OverList(registry::WorkingState& state, const RatingList& list, std::string_view key_text,
              const std::function<bool(storage::Table&)>& filter, const PerPlayer& per_player,
              const std::vector<ListField>& extra_fields = {}) {
  ui::Dialogs& dialogs = *state.dialogs;
  const std::string body = list.body;
  const std::string path = ListPath(list);
  if (path.empty() || !storage::FileExists(path)) {
    dialogs.MsgExclamation("Seleccione la ubicaci\xF3n del Elo " + body + " en el Men\xFA Configurar", "");
    return false;
  }
  storage::Workspace& workspace = state.workspace;
  storage::Table* bjugs = workspace.Find(kDatabaseAlias);
  if (bjugs == nullptr) return false;
  const std::string shown_path = storage::ResolvePath(path);
  auto opened = workspace.Use(shown_path, list.alias, /*shared=*/false, /*read_only=*/true);
  if (!opened.ok()) {
    dialogs.MsgStop("No se ha podido abrir la lista de Elo " + body + " " + shown_path + "\r\n" +
                        opened.status().message(),
                    "");
    workspace.Select(kDatabaseAlias);
    return false;
  }
  storage::Table& table = **opened;
  ProgressShown progress(dialogs);
  progress.Step("Ordenando la lista de Elo " + body, 0, 1);
  std::vector<ListField> fields = list.fields;
  fields.insert(fields.end(), extra_fields.begin(), extra_fields.end());
  const std::string missing = MissingField(table, fields);
  const std::string cut_short = CutShort(shown_path);
  const std::string index_path = IndexPath(state, list);
  storage::Status status = storage::Status::Ok();
  if (!missing.empty()) {
    status = storage::Status::InvalidArgument("no tiene el campo " + missing);
  } else if (!cut_short.empty()) {
    status = storage::Status::Corrupt(cut_short);
  } else {
    status = table.CreateIndex(index_path, key_text);
  }
  if (!status.ok()) {
    progress.End();
    workspace.Close(list.alias);
    if (storage::FileExists(index_path)) (void)storage::EraseFile(index_path);
    workspace.Select(kDatabaseAlias);
    dialogs.MsgStop("La lista de Elo " + body + " " + shown_path + " no es v\xE1lida\r\n" + status.message(), "");
    return false;
  }
  const uint32_t position = bjugs->RecNo();
  const std::string step = "Buscando los jugadores de la base en la lista de Elo " + body;
  const uint64_t players = bjugs->LastRec();
  uint64_t visited = 0;
  for (bjugs->GoTop(); status.ok() && !bjugs->Eof(); bjugs->Skip()) {
    if (++visited % 512 == 0) progress.Step(step, visited, players);
    if (filter(*bjugs)) status = per_player(*bjugs, table);
  }
  progress.End();
  if (status.ok()) status = bjugs->Commit();
  bjugs->GoTo(position);
  workspace.Close(list.alias);
  if (storage::FileExists(index_path)) (void)storage::EraseFile(index_path);
  workspace.Select(kDatabaseAlias);
  if (!status.ok()) {
    dialogs.MsgStop("Error al leer la lista de Elo " + body + " " + shown_path + "\r\n" + status.message(), "");
    return false;
  }
  return true;
}

void Refresh(ui::Control* brwBJugs) {
  if (brwBJugs != nullptr) brwBJugs->Call(ui::Method::kRefresh);
}

void ShowRatingCounts(registry::WorkingState& state, const ListCounts& counts) {
  state.dialogs->MsgInfo("Jugadores encontrados: " + std::to_string(counts.NKENC) +
                             "\r\nELOs actualizados: " + std::to_string(counts.NKMOD),
                         "");
}

void ShowCodeCounts(registry::WorkingState& state, const ListCounts& counts) {
  state.dialogs->MsgInfo("Jugadores encontrados: " + std::to_string(counts.NKENC) +
                             "\r\nJugadores ambiguos: " + std::to_string(counts.NKAMBIGUOS),
                         "");
}

bool HasText(storage::Table& bjugs, const char* field) { return !storage::AllTrim(bjugs.GetText(field)).empty(); }

// A code as the database holds it ("  123456") read as the number the lists hold; -1 when
// the text is no number, so that "12A" never finds player 12.
double CodeNumber(std::string_view text) {
  const std::string_view trimmed = storage::AllTrim(text);
  if (trimmed.empty() || trimmed.size() > 15) return -1;
  for (char c : trimmed) {
    if (c < '0' || c > '9') return -1;
  }
  return storage::Val(trimmed);
}

// The rating of the list entry found with `key` copied into `field` when it differs.
storage::Status TakeRating(storage::Table& bjugs, storage::Table& list, const storage::Value& key,
                           const char* field, const char* list_field, ListCounts& counts) {
  auto seek = list.Seek(key, /*soft=*/false);
  if (!seek.ok()) return seek.status();
  if (!*seek) return storage::Status::Ok();
  ++counts.NKENC;
  const double rating = list.GetNumber(list_field);
  if (bjugs.GetNumber(field) == rating) return storage::Status::Ok();
  ++counts.NKMOD;
  return bjugs.Put(field, rating);
}

storage::Status ByNumericCode(storage::Table& bjugs, storage::Table& list, const char* code_field,
                              const char* field, const char* list_field, ListCounts& counts) {
  const double code = CodeNumber(bjugs.GetText(code_field));
  if (code < 0) return storage::Status::Ok();
  return TakeRating(bjugs, list, code, field, list_field, counts);
}

// The name look-up shared by the code searches: the first entry whose name (upper-cased when
// `upper`) begins with the player's; ambiguous when the next entry's name is a beginning of
// the player's. The end of the list is no next entry. `write` takes the found entry's code.
storage::Status ByName(storage::Table& bjugs, storage::Table& list, bool upper, ListCounts& counts,
                       const std::function<storage::Status(storage::Table& bjugs, const storage::Table& list)>& write) {
  std::string name(storage::AllTrim(bjugs.GetText("JUG")));
  if (upper) name = storage::Upper(name);
  // A nameless record would match the first entry of the list.
  if (name.empty()) return storage::Status::Ok();
  auto seek = list.Seek(name, /*soft=*/false);
  if (!seek.ok()) return seek.status();
  if (!*seek) return storage::Status::Ok();
  ++counts.NKENC;
  const uint32_t found = list.RecNo();
  list.Skip();
  if (!list.Eof()) {
    std::string next(storage::AllTrim(list.GetText("JUG")));
    if (upper) next = storage::Upper(next);
    if (!next.empty() && storage::TextEquals(name, next)) {
      ++counts.NKAMBIGUOS;
      return storage::Status::Ok();
    }
  }
  list.GoTo(found);
  return write(bjugs, list);
}

storage::Status WriteNumericCode(storage::Table& bjugs, const storage::Table& list, const char* list_field,
                                 const char* code_field) {
  const double code = list.GetNumber(list_field);
  std::string text = std::to_string(static_cast<long long>(code));
  // The database keeps eight characters; a longer code would be cut into another player's.
  if (code < 0 || text.size() > 8) return storage::Status::Ok();
  text.insert(0, 8 - text.size(), ' ');
  return bjugs.Put(code_field, text);
}

}  // namespace

void ACTFVA(registry::WorkingState& state, ui::Control* brwBJugs) {
  ui::ActiveOperation op("ACTFVA");
  ListCounts counts;
  const bool done = OverList(
      state, kFva, "ffva->lic", [](storage::Table& b) { return HasText(b, "LIC"); },
      [&](storage::Table& bjugs, storage::Table& ffva) {
        // Whole licences only, over the list's own width of LIC.
        std::string wanted(storage::RTrim(bjugs.GetText("LIC")));
        const storage::NtxIndex* index = ffva.ControllingIndex();
        const size_t width = index == nullptr ? wanted.size() : static_cast<size_t>(index->expression().size());
        if (wanted.size() > width) return storage::Status::Ok();
        wanted.resize(width, ' ');
        return TakeRating(bjugs, ffva, wanted, "ELO", "ELO", counts);
      });
  Refresh(brwBJugs);
  if (done) ShowRatingCounts(state, counts);
}

void ACTFEDA(registry::WorkingState& state, ui::Control* brwBJugs) {
  ui::ActiveOperation op("ACTFEDA");
  ListCounts counts;
  const bool done = OverList(
      state, kFeda, "ffeda->clave", [](storage::Table& b) { return HasText(b, "COD_FEDA"); },
      [&](storage::Table& bjugs, storage::Table& ffeda) {
        return ByNumericCode(bjugs, ffeda, "COD_FEDA", "ELOFEDA", "RANKING", counts);
      });
  Refresh(brwBJugs);
  if (done) ShowRatingCounts(state, counts);
}

void ACTFIDE(registry::WorkingState& state, ui::Control* brwBJugs) {
  ui::ActiveOperation op("ACTFIDE");
  ListCounts counts;
  const bool done = OverList(
      state, kFide, "ffide->cod_fide", [](storage::Table& b) { return HasText(b, "COD_FIDE"); },
      [&](storage::Table& bjugs, storage::Table& ffide) {
        return ByNumericCode(bjugs, ffide, "COD_FIDE", "ELOFIDE", "ELO", counts);
      });
  Refresh(brwBJugs);
  if (done) ShowRatingCounts(state, counts);
}

void BUSCODFVA(registry::WorkingState& state, ui::Control* brwBJugs) {
  ui::ActiveOperation op("BUSCODFVA");
  ListCounts counts;
  const bool done = OverList(
      state, kFva, "upper(ffva->jug)", [](storage::Table& b) { return !HasText(b, "LIC"); },
      [&](storage::Table& bjugs, storage::Table& ffva) {
        return ByName(bjugs, ffva, /*upper=*/true, counts, [](storage::Table& b, const storage::Table& l) {
          return b.Put("LIC", l.GetText("LIC"));
        });
      });
  Refresh(brwBJugs);
  if (done) ShowCodeCounts(state, counts);
}

void BUSCODFIDE(registry::WorkingState& state, ui::Control* brwBJugs) {
  ui::ActiveOperation op("BUSCODFIDE");
  ListCounts counts;
  const bool done = OverList(
      state, kFide, "ffide->jug", [](storage::Table& b) { return !HasText(b, "COD_FIDE"); },
      [&](storage::Table& bjugs, storage::Table& ffide) {
        return ByName(bjugs, ffide, /*upper=*/false, counts, [](storage::Table& b, const storage::Table& l) {
          return WriteNumericCode(b, l, "COD_FIDE", "COD_FIDE");
        });
      });
  Refresh(brwBJugs);
  if (done) ShowCodeCounts(state, counts);
}

void BUSCODFEDA(registry::WorkingState& state, ui::Control* brwBJugs) {
  ui::ActiveOperation op("BUSCODFEDA");
  const std::string path = ListPath(kFeda);
  if (!path.empty() && storage::FileExists(path)) {
    // A first look at the list's fields: whether it has names at all.
    const std::string shown_path = storage::ResolvePath(path);
    auto list = state.workspace.Use(shown_path, kFeda.alias, /*shared=*/true, /*read_only=*/true);
    const bool names = !list.ok() || MissingField(**list, {{"JUG", 'C'}}).empty();
    state.workspace.Close(kFeda.alias);
    state.workspace.Select(kDatabaseAlias);
    if (!names) {
      state.dialogs->MsgInfo("La lista de Elo FEDA " + shown_path +
                                 " no tiene nombres de jugadores:\r\nno se pueden buscar los c\xF3"
                                 "digos FEDA por el nombre",
                             "");
      return;
    }
  }
  ListCounts counts;
  const bool done = OverList(
      state, kFeda, "ffeda->jug", [](storage::Table& b) { return !HasText(b, "COD_FEDA"); },
      [&](storage::Table& bjugs, storage::Table& ffeda) {
        return ByName(bjugs, ffeda, /*upper=*/false, counts, [](storage::Table& b, const storage::Table& l) {
          return WriteNumericCode(b, l, "CLAVE", "COD_FEDA");
        });
      },
      {{"JUG", 'C'}});
  Refresh(brwBJugs);
  if (done) ShowCodeCounts(state, counts);
}

}  // namespace movarel::playerbase
