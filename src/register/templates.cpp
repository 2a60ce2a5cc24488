#include "register/templates.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "register/cp1252.h"
#include "register/prize_help_page.h"
#include "register/table_layouts.h"
#include "storage/files.h"
#include "storage/table.h"
#include "storage/workspace.h"
#include "storage/os_file.h"

namespace movarel::registry {
namespace {

using storage::FieldDef;
using storage::Status;
using storage::Value;

using Rows = std::vector<std::vector<Value>>;

// Creates `path` with `fields`, opens it exclusively under `alias` and appends `rows`, each
// holding one value per field in field order. The table is left open when `keep_open` is
// set, for an index to be built over it.
storage::Result<storage::Table*> WriteTable(storage::Workspace& workspace, const std::string& path,
                                            std::string_view alias, const std::vector<FieldDef>& fields,
                                            const Rows& rows) {
  if (Status s = storage::CreateTable(path, fields); !s.ok()) return s;
  storage::Result<storage::Table*> opened = workspace.Use(path, alias, /*shared=*/false);
  if (!opened.ok()) return opened.status();
  storage::Table* table = opened.value();
  for (const std::vector<Value>& row : rows) {
    if (Status s = table->Append(); !s.ok()) return s;
    for (size_t i = 0; i < row.size() && i < fields.size(); ++i) {
      if (Status s = table->Put(fields[i].name, row[i]); !s.ok()) return s;
    }
  }
  if (Status s = table->Commit(); !s.ok()) return s;
  return table;
}

Status WriteAndClose(storage::Workspace& workspace, const std::string& path, std::string_view alias,
                     const std::vector<FieldDef>& fields, const Rows& rows = {}) {
  storage::Result<storage::Table*> written = WriteTable(workspace, path, alias, fields, rows);
  workspace.Close(alias);
  return written.ok() ? Status::Ok() : written.status();
}

// The tie-breaks a new tournament starts with: median Buchholz, total Buchholz and
// Sonneborn-Berger; every other computed field is offered but unused ("99").
Rows TieBreakRows() {
  Rows rows;
  for (std::string_view field : kTieBreakFields) {
    std::string orden = "99";
    if (field == "BUC_R") orden = "01";
    if (field == "BUC_T") orden = "02";
    if (field == "SONEN") orden = "03";
    rows.push_back({orden, std::string(field)});
  }
  return rows;
}

// FIDE rating regulations, conversion of a rating difference D into the scoring probability
// of the higher-rated player. Each row is one class: the upper end of its differences and
// the expected score. Differences above 735 score 1.00; the last key stands for "any
// larger difference", so a soft search never runs past the table.
struct ExpectedScoreClass {
  int upper_difference;
  double expected_score;
};
constexpr ExpectedScoreClass kExpectedScores[] = {
    {3, 0.50},   {10, 0.51},  {17, 0.52},   {25, 0.53},  {32, 0.54},  {39, 0.55},  {46, 0.56},  {53, 0.57},
    {61, 0.58},  {68, 0.59},  {76, 0.60},   {83, 0.61},  {91, 0.62},  {98, 0.63},  {106, 0.64}, {113, 0.65},
    {121, 0.66}, {129, 0.67}, {137, 0.68},  {145, 0.69}, {153, 0.70}, {162, 0.71}, {170, 0.72}, {179, 0.73},
    {188, 0.74}, {197, 0.75}, {206, 0.76},  {215, 0.77}, {225, 0.78}, {235, 0.79}, {245, 0.80}, {256, 0.81},
    {267, 0.82}, {278, 0.83}, {290, 0.84},  {302, 0.85}, {315, 0.86}, {328, 0.87}, {344, 0.88}, {357, 0.89},
    {374, 0.90}, {391, 0.91}, {411, 0.92},  {432, 0.93}, {456, 0.94}, {484, 0.95}, {517, 0.96}, {559, 0.97},
    {619, 0.98}, {735, 0.99}, {9999, 1.00},
};

Rows T14Rows() {
  Rows rows;
  for (const ExpectedScoreClass& c : kExpectedScores) {
    rows.push_back({static_cast<double>(c.upper_difference), c.expected_score});
  }
  return rows;
}

// The 16 standings columns in the order the listings read them by record number: record 6
// must be the opponent ("j") and record 8 the points ("p").
Rows CclasRows() {
  struct Column {
    bool shown;
    const char* caption;  // UTF-8 here, Windows-1252 in the table
    const char* campo;
  };
  static constexpr Column kColumns[] = {
      {true, "Número", " "},        {true, "Jugador", " "},      {true, "Procedencia", " "},
      {true, "Elo FIDE", " "},      {true, "Puntos", " "},       {true, "Rival", "j"},
      {true, "Color", "c"},         {true, "Resultado", "p"},    {false, "Incomparecencia", "i"},
      {false, "Flotación", "f"},    {true, "Desempate 1", " "},  {true, "Desempate 2", " "},
      {true, "Desempate 3", " "},   {false, "Desempate 4", " "}, {false, "Desempate 5", " "},
      {true, "Variación Elo", " "},
  };
  Rows rows;
  for (const Column& c : kColumns) rows.push_back({c.shown, Cp1252(c.caption), std::string(c.campo)});
  return rows;
}

}  // namespace

Status MakeTemplates(const std::string& dir) {
  if (dir.empty()) return Status::InvalidArgument("falta la carpeta de las plantillas");
  std::error_code error;
  std::filesystem::create_directories(storage::os::FileSystemPath(dir), error);
  if (error || !std::filesystem::is_directory(storage::os::FileSystemPath(dir))) {
    return Status::IoError("no se puede crear la carpeta " + dir + ": " + error.message());
  }
  const std::string folder = (dir.back() == '/') ? dir : dir + "/";

  storage::Workspace workspace;
  struct Template {
    const char* file;
    std::vector<FieldDef> fields;
  };
  const Template empty_templates[] = {
      {"torneos.mod", TorneosFields()},   {"cuadrow.mod", CuadroFields()},
      {"ronda.mod", RondaFields()},       {"premios.mod", PremiosFields()},
      {"basejugs.mod", BasejugsFields()}, {"ZdFIDE.mod", ZdFideFields()},
      {"ZdFEDA.mod", ZdFedaFields()},     {"ZdFVA.mod", ZdFvaFields()},
      {"ZdFVANue.mod", ZdFvaNueFields()},
  };
  for (const Template& t : empty_templates) {
    const std::string path = folder + t.file;
    if (Status s = storage::CreateTable(path, t.fields); !s.ok()) return s.WithContext(path);
  }

  if (Status s =
          WriteAndClose(workspace, folder + "desempsw.mod", "desemps", DesempsFields(), TieBreakRows());
      !s.ok()) {
    return s.WithContext(folder + "desempsw.mod");
  }
  if (Status s = WriteAndClose(workspace, folder + "cclas.dbf", "cclas", CclasFields(), CclasRows());
      !s.ok()) {
    return s.WithContext(folder + "cclas.dbf");
  }

  // The key text is what other programs evaluate when they open the index: the alias must be
  // the one the table is opened under.
  storage::Result<storage::Table*> t14 =
      WriteTable(workspace, folder + "t14.dbf", "t14", T14Fields(), T14Rows());
  Status indexed = t14.ok() ? t14.value()->CreateIndex(folder + "t14d.ntx", "t14->dif") : t14.status();
  workspace.Close("t14");
  if (!indexed.ok()) return indexed.WithContext(folder + "t14.dbf");

  const std::string help = folder + "Ayuda_Premios.html";
  if (Status s = storage::WriteFileAtomically(help, PrizeHelpPage()); !s.ok()) return s.WithContext(help);
  return Status::Ok();
}

}  // namespace movarel::registry
