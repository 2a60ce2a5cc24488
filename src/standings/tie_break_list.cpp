#include "standings/tie_break_list.h"

#include "register/file_names.h"
#include "storage/files.h"
#include "storage/value.h"

namespace movarel::standings {
namespace {
constexpr char kTieBreakAlias[] = "desemps";
// The key text an .ntx header holds: 256 bytes with the closing NUL.
constexpr size_t kKeyTextRoom = 255;

std::string OrderKey(const std::vector<std::string>& systems, bool full) {
  std::string key = full ? "descend(str(cuadro->ptos,4,1)" : "descend(str(PTOS)";
  for (const std::string& system : systems) key += "+str(" + system + (full ? ",6,1)" : ")");
  return key + (full ? "+str(1000-cuadro->num,3))" : "+str(1000-NUM,3))");
}
}  // namespace

std::string StandingsOrderKey(const std::vector<std::string>& systems) {
  std::string key = OrderKey(systems, /*full=*/true);
  return key.size() <= kKeyTextRoom ? key : OrderKey(systems, /*full=*/false);
}

bool StandingsKeyHolds(const std::vector<std::string>& systems) {
  return systems.size() <= kTieBreakSlots && StandingsOrderKey(systems).size() <= kKeyTextRoom;
}

void PROCDS(std::string_view ORDEN, std::string_view SISTEMA,
            const storage::RecordLayout& player_layout, TieBreakWalk& walk,
            std::array<std::string, kTieBreakSlots>& ADESEMPATES) {
  if (walk.NDS < 1 || static_cast<size_t>(walk.NDS) > kTieBreakSlots) return;
  ADESEMPATES[static_cast<size_t>(walk.NDS - 1)] = std::string(storage::RTrim(SISTEMA));
  const double position = storage::Val(ORDEN);
  if (position != walk.NDS || position >= 99) return;
  const std::string name(storage::AllTrim(SISTEMA));
  const int field = name.empty() ? -1 : player_layout.Find(name);
  if (field >= 0 && player_layout.fields()[static_cast<size_t>(field)].type == 'N') {
    walk.systems.push_back(name);
    if (!StandingsKeyHolds(walk.systems)) walk.systems.pop_back();
  }
  ++walk.NDS;
}

storage::Result<storage::Table*> OpenTieBreakTable(registry::WorkingState& state, const std::string& folder,
                                                   const std::string& templates_folder, bool shared) {
  state.CFICHDS = registry::TieBreakTableName(state.CCLAVE);
  const std::string table_path = folder + state.CFICHDS + ".dbf";
  if (!storage::FileExists(table_path)) {
    // Structure and records of the template: a copy of its bytes is exactly that.
    storage::Status copied = storage::CopyFile(templates_folder + "desempsw.mod", table_path);
    if (!copied.ok()) return copied.WithContext("creando " + state.CFICHDS + ".dbf");
  }
  auto opened = state.workspace.Use(table_path, kTieBreakAlias, shared);
  if (!opened.ok()) return opened.status();
  storage::Table* desemps = *opened;
  storage::Status status = desemps->CreateIndex(folder + state.CFICHDS + ".ntx", "desemps->orden");
  if (status.ok() && !(desemps->HasField("ORDEN") && desemps->HasField("SISTEMA"))) {
    status = storage::Status::Corrupt(state.CFICHDS + ".dbf no tiene los campos ORDEN y SISTEMA");
  }
  if (!status.ok()) {
    state.workspace.Close(kTieBreakAlias);
    return status;
  }
  return desemps;
}

storage::Result<TieBreakWalk> ReadTieBreaks(registry::WorkingState& state, const std::string& folder,
                                            const std::string& templates_folder,
                                            const storage::RecordLayout& player_layout) {
  auto opened = OpenTieBreakTable(state, folder, templates_folder, /*shared=*/true);
  if (!opened.ok()) return opened.status();
  storage::Table* desemps = *opened;
  TieBreakWalk walk;
  for (desemps->GoTop(); !desemps->Eof(); desemps->Skip()) {
    PROCDS(desemps->GetText("ORDEN"), desemps->GetText("SISTEMA"), player_layout, walk, state.ADESEMPATES);
  }
  state.workspace.Close(kTieBreakAlias);
  walk.CDS = StandingsOrderKey(walk.systems);
  state.NDS = walk.NDS;
  return walk;
}

}  // namespace movarel::standings
