#include "reports/standings_report.h"

#include <optional>

#include "register/file_names.h"
#include "reports/fide_columns.h"
#include "reports/html_writer.h"
#include "reports/report_fields.h"
#include "standings/fide_choice.h"
#include "standings/fide_standings.h"
#include "standings/zdclas.h"
#include "storage/value.h"
#include "storage/workspace.h"
#include "ui/dialogs.h"
#include "ui/platform.h"
#include "ui/run_time_error.h"

namespace movarel::reports {

namespace {

// Records of "cclas" by their place in the table.
constexpr int kNumber = 1;
constexpr int kName = 2;
constexpr int kClub = 3;
constexpr int kFide = 4;
constexpr int kPoints = 5;
constexpr int kOpponent = 6;
constexpr int kFirstRoundColumn = 6;
constexpr int kLastRoundColumn = 10;
constexpr int kResult = 8;
constexpr int kFirstTieBreak = 11;
constexpr int kTieBreakColumns = 5;
constexpr int kRatingVariation = 16;

// Width of a tie-break value, and of the system names the tie-break table offers ("BUC_T").
constexpr int kTieBreakWidth = 6;
constexpr size_t kSystemNameWidth = 5;

constexpr char kOrderFile[] = "suclas.tmp";

std::string Text(const storage::Table& table, std::string_view field) {
  return table.HasField(field) ? table.GetText(field) : std::string();
}

double Number(const storage::Table& table, std::string_view field) {
  return table.HasField(field) ? table.GetNumber(field) : 0.0;
}

// The value of a one-character per-round field (colour, forfeit or float mark) in lower case;
// a field of another type prints as the table layer formats it, a missing one as a blank.
std::string LowerFieldText(const storage::Table& cuadro, const std::string& field) {
  const int index = cuadro.layout().Find(field);
  if (index < 0) return " ";
  const storage::FieldDef& def = cuadro.fields()[static_cast<size_t>(index)];
  std::string text;
  const storage::Value value = cuadro.Get(index);
  if (const std::string* s = std::get_if<std::string>(&value)) {
    text = *s;
  } else if (const double* n = std::get_if<double>(&value)) {
    text = storage::Str(*n, def.length, def.decimals);
  } else if (const bool* b = std::get_if<bool>(&value)) {
    text = *b ? "T" : "F";
  } else {
    text = storage::Dtoc(std::get<storage::Date>(value));
  }
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The system of tie-break slot `slot` (1-based), or nothing when no system is in use there.
// The list keeps, after the systems in use, the name of an unused one and whatever earlier
// computations left; those slots print blanks instead of a stale name or value.
std::optional<std::string> SlotSystem(const registry::WorkingState& state, int slot) {
  if (slot >= state.NDS || slot > static_cast<int>(state.ADESEMPATES.size())) return std::nullopt;
  const std::string& name = state.ADESEMPATES[static_cast<size_t>(slot - 1)];
  if (storage::RTrim(name).empty()) return std::nullopt;
  return std::string(storage::RTrim(name));
}

// Width of one round's group of sub-columns, as the lines write it: 3 for the opponent, 1 for
// each other sub-column.
int RoundGroupWidth(const StandingsColumns& columns) {
  int width = 0;
  for (int record = kFirstRoundColumn; record <= kLastRoundColumn; ++record) {
    if (columns.shown[record]) width += record == kOpponent ? 3 : 1;
  }
  return width;
}

std::string RoundLabel(int round, int width) {
  switch (width) {
    case 0:
      return "";
    case 1:
      return std::string(1, static_cast<char>('0' + round % 10));
    case 2:
      return storage::Str(round, 2);
    case 3:
      return storage::Str(round, 2) + "\xAA";
    default:
      return storage::Str(round, 2) + "\xAAR" + std::string(static_cast<size_t>(width - 4), ' ');
  }
}

std::string LockRefusedText() {
  return "El Cuadro de jugadores est\xE1 siendo utiliado por otro programa\r\nNo se puede hacer el listado";
}

enum class Listing { kStandings, kCrosstable };

std::string Heading(Listing listing, int round, int rounds) {
  if (listing == Listing::kStandings) {
    return "Clasificaci\xF3n " +
           (round == rounds ? std::string("final") : "tras la " + RoundText(round) + "\xAA ronda");
  }
  return "Cuadro del torneo" +
         (round == rounds ? std::string() : " tras la " + RoundText(round) + "\xAA ronda");
}

bool WriteListing(registry::WorkingState& state, Listing listing, int round, std::string_view page_name,
                  bool open_afterwards) {
  double NPTOSANT = -999;
  storage::Table* cuadro = state.workspace.Find("cuadro");
  const storage::ScopedFileLock lock(cuadro);
  if (!lock.held()) {
    state.dialogs->MsgInfo(LockRefusedText());
    return false;
  }
  std::string folder = registry::FolderOfPath(cuadro->path());
  if (!folder.empty()) folder += '/';

  if (storage::Status computed = standings::ZDCLAS(state, round); !computed.ok()) {
    state.dialogs->MsgStop("No se puede hacer el listado\r\n" + computed.message());
    return false;
  }

  // The DOS-era listing stopped with a run-time error when the folder had no "cclas"; the
  // refusal names the file instead.
  storage::Result<storage::Table*> cclas = state.workspace.Use(folder + "cclas", "cclas", /*shared=*/true,
                                                               /*read_only=*/true);
  if (!cclas.ok()) {
    state.dialogs->MsgStop("No se puede hacer el listado\r\nNo se ha podido abrir el fichero " +
                           ui::PathAsText(folder) + "cclas.dbf\r\n" + cclas.status().message());
    return false;
  }
  const StandingsColumns columns = ReadStandingsColumns(**cclas);
  state.workspace.Close("cclas");

  storage::Result<std::optional<standings::FideChoice>> choice = standings::ReadOpenTournamentChoice(state);
  if (!choice.ok()) {
    state.dialogs->MsgStop("No se puede hacer el listado\r\n" + choice.status().message());
    return false;
  }
  std::optional<FideColumns> fide;
  if (choice->has_value())
    fide.emplace(standings::ComputeFideTable(*cuadro, round, **choice), (*choice)->list);

  if (listing == Listing::kStandings && !fide) {
    if (storage::Status ordered = cuadro->OrdListAdd(folder + kOrderFile); !ordered.ok()) {
      state.dialogs->MsgStop("No se puede hacer el listado\r\n" + ordered.message());
      return false;
    }
  }

  const storage::Table* torneos = state.workspace.Find("torneos");
  const int rounds = torneos != nullptr ? static_cast<int>(Number(*torneos, "N_RONDAS")) : 0;
  const std::string title = torneos != nullptr ? PageTitle(*torneos) : std::string();
  const std::string subtitle = torneos != nullptr ? PageSubtitle(*torneos) : std::string();
  const FideColumns* fide_columns = fide ? &*fide : nullptr;
  HtmlPage page =
      BeginListing(PagePath(page_name), title, subtitle, Heading(listing, round, rounds),
                   CABECERACLAS(state, round, columns, fide_columns, listing == Listing::kStandings));
  const std::string_view mode = listing == Listing::kCrosstable ? "cu" : "";
  if (fide && listing == Listing::kStandings) {
    for (uint32_t recno : fide->StandingsOrder()) {
      cuadro->GoTo(recno);
      PROCLINCLAS(state, page, round, columns, *cuadro, mode, NPTOSANT, fide_columns);
    }
  } else {
    for (cuadro->GoTop(); !cuadro->Eof(); cuadro->Skip()) {
      PROCLINCLAS(state, page, round, columns, *cuadro, mode, NPTOSANT, fide_columns);
    }
  }
  EndListing(state, page);

  if (listing == Listing::kStandings && !fide) {
    if (storage::Status cleared = cuadro->OrdListClear(); !cleared.ok()) {
      state.dialogs->MsgStop("No se puede hacer el listado\r\n" + cleared.message());
      return false;
    }
  }
  return FinishPage(state, page, open_afterwards);
}

}  // namespace

StandingsColumns ReadStandingsColumns(storage::Table& cclas) {
  StandingsColumns columns;
  const bool has_switch = cclas.HasField("SN");
  const bool has_campo = cclas.HasField("CAMPO");
  for (int record = 1; record <= kColumnRecords; ++record) {
    if (static_cast<uint32_t>(record) > cclas.LastRec()) break;
    cclas.GoTo(static_cast<uint32_t>(record));
    columns.shown[record] = has_switch && cclas.GetLogical("SN");
    if (has_campo) columns.campo[record] = std::string(storage::RTrim(cclas.GetText("CAMPO")));
  }
  return columns;
}

std::string CABECERACLAS(const registry::WorkingState& state, int rounds, const StandingsColumns& columns,
                         const FideColumns* fide, bool places) {
  std::string header = fide != nullptr && places ? fide->PlaceHeader() : "     ";
  if (columns.shown[kNumber]) header += "   # ";
  if (columns.shown[kName]) header += "Jugador" + std::string(24, ' ');
  // CLUB takes its 15 characters and a blank on the lines: the header is as wide, or "Cat"
  // would stand one place left of the categories.
  if (columns.shown[kClub]) header += "Procedencia     ";
  header += "Cat ";
  if (columns.shown[kFide]) header += "FIDE ";
  if (columns.shown[kPoints]) header += "Ptos ";
  const int width = RoundGroupWidth(columns);
  for (int round = 1; round <= rounds; ++round) header += RoundLabel(round, width);
  if (fide != nullptr) header += fide->Header();
  for (int slot = 1; slot <= kTieBreakColumns && fide == nullptr; ++slot) {
    if (!columns.shown[kFirstTieBreak + slot - 1]) continue;
    const std::optional<std::string> system = SlotSystem(state, slot);
    if (!system) {
      header += std::string(kTieBreakWidth, ' ');
    } else if (*system == "ELO_M") {
      header += "  " + *system;
    } else {
      // Padded to the width of the names the tie-break table offers, so that a shorter name
      // ("ACUM") does not pull the later headers one place left of their values.
      std::string name = *system;
      if (name.size() < kSystemNameWidth) name.resize(kSystemNameWidth, ' ');
      header += " " + name;
    }
  }
  if (columns.shown[kRatingVariation]) header += "  +ELO";
  return header;
}

void PROCLINCLAS(registry::WorkingState& state, HtmlPage& page, int rounds, const StandingsColumns& columns,
                 const storage::Table& cuadro, std::string_view mode, double& NPTOSANT,
                 const FideColumns* fide) {
  ++page.lines;
  std::string line =
      fide != nullptr && mode != "cu" ? fide->PlaceText(cuadro.RecNo()) : storage::Str(page.lines, 3) + ". ";
  if (columns.shown[kNumber]) line += "(" + storage::Str(Number(cuadro, "NUM"), 3) + ")";
  if (columns.shown[kName]) line += PageText(Text(cuadro, "JUG")) + " ";
  if (columns.shown[kClub]) line += PageText(Text(cuadro, "CLUB")) + " ";
  line += PageText(Text(cuadro, "CAT")) + "   ";  // as wide as the header's "Cat "
  if (columns.shown[kFide]) {
    const double elo = Number(cuadro, "ELOFIDE");
    line += (elo == 0 ? std::string(4, ' ') : storage::Str(elo, 4)) + " ";
  }
  const double points = Number(cuadro, "PTOS");
  if (columns.shown[kPoints]) {
    line += (mode == "cu" || points != NPTOSANT) ? storage::Str(points, 4, 1) : std::string("  \" ");
    line += " ";
  }
  NPTOSANT = points;

  if (RoundGroupWidth(columns) > 0) {
    for (int round = 1; round <= rounds; ++round) {
      for (int record = kFirstRoundColumn; record <= kLastRoundColumn; ++record) {
        if (!columns.shown[record]) continue;
        const std::string field = "r" + RoundText(round) + columns.campo[record];
        if (record == kOpponent) {
          const double opponent = Number(cuadro, field);
          line += opponent == 0 ? std::string(3, ' ') : storage::Str(opponent, 3);
        } else if (record == kResult) {
          line += ResultSymbol(Text(cuadro, field));
        } else {
          line += LowerFieldText(cuadro, field);
        }
      }
    }
  }

  if (fide != nullptr) line += fide->Values(cuadro.RecNo());
  for (int slot = 1; slot <= kTieBreakColumns && fide == nullptr; ++slot) {
    if (!columns.shown[kFirstTieBreak + slot - 1]) continue;
    const std::optional<std::string> system = SlotSystem(state, slot);
    if (!system || !cuadro.HasField(*system)) {
      line += std::string(kTieBreakWidth + (system && *system == "ELO_M" ? 1 : 0), ' ');
      continue;
    }
    if (*system == "ELO_M") line += " ";
    line += storage::Str(cuadro.GetNumber(*system), kTieBreakWidth, 1);
  }
  if (columns.shown[kRatingVariation]) line += storage::Str(Number(cuadro, "VAR_ELO"), 6, 1);

  WriteListingLine(page, line);
}

bool LISHTMCLAS(registry::WorkingState& state, int round, std::string_view page_name, bool open_afterwards) {
  ui::ActiveOperation op("LISHTMCLAS");
  return WriteListing(state, Listing::kStandings, round, page_name, open_afterwards);
}

bool LISHTMCU(registry::WorkingState& state, int round, std::string_view page_name, bool open_afterwards) {
  ui::ActiveOperation op("LISHTMCU");
  return WriteListing(state, Listing::kCrosstable, round, page_name, open_afterwards);
}

}  // namespace movarel::reports
