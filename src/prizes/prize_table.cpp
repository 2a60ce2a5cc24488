#include "prizes/prize_table.h"

#include "register/file_names.h"
#include "register/format_upgrade.h"
#include "register/table_refusal.h"
#include "storage/files.h"
#include "storage/value.h"
#include "storage/workspace.h"

namespace movarel::prizes {
namespace {

constexpr char kTemplate[] = "premios.mod";
constexpr char kUpgradeWork[] = "premios.tmp";

std::string TemplatePath(const registry::WorkingState& state) {
  return registry::TemplatesFolder(state.CCARPINI) + kTemplate;
}

storage::Result<storage::Table*> OpenExclusive(registry::WorkingState& state, const std::string& path) {
  return state.workspace.Use(path, kPrizeAlias, /*shared=*/false);
}

// Builds both orders, or gives up leaving nothing open.
storage::Result<storage::Table*> WithNewOrders(registry::WorkingState& state, storage::Table* premios) {
  if (storage::Status built = NTXPREMIOS(state, *premios); !built.ok()) {
    state.workspace.Close(kPrizeAlias);
    return built;
  }
  return premios;
}

}  // namespace

bool IsGeneralCode(std::string_view ID_CATEGOR) {
  const std::string_view code = storage::AllTrim(ID_CATEGOR);
  return code.empty() || code == "G" || code == "g";
}

std::string TournamentFolder(registry::WorkingState& state) {
  const storage::Table* cuadro = state.workspace.Find("cuadro");
  std::string folder = cuadro != nullptr ? registry::FolderOfPath(cuadro->path()) : std::string();
  if (!folder.empty()) folder += '/';
  return folder;
}

std::string PrizeTablePath(registry::WorkingState& state) {
  return TournamentFolder(state) + registry::PrizeTableName(state.CCLAVE) + ".dbf";
}

std::string NameOrderPath(registry::WorkingState& state) {
  return TournamentFolder(state) + registry::PrizeTableName(state.CCLAVE) + ".ntx";
}

std::string AmountOrderPath(registry::WorkingState& state) {
  return TournamentFolder(state) + registry::PrizeAmountIndexName(state.CCLAVE) + ".ntx";
}

storage::Result<storage::Table*> ABRPREMIOS(registry::WorkingState& state) {
  const std::string folder = TournamentFolder(state);
  const std::string stem = registry::PrizeTableName(state.CCLAVE);
  const std::string path = folder + stem + ".dbf";
  if (!storage::FileExists(path)) {
    // The template's structure and records: a template with prizes gives every new
    // tournament a starting set.
    if (storage::Status copied = storage::CopyFile(TemplatePath(state), path); !copied.ok()) {
      return copied.WithContext("creando " + stem + ".dbf");
    }
    auto opened = OpenExclusive(state, path);
    if (!opened.ok()) return opened.status();
    return WithNewOrders(state, *opened);
  }

  auto opened = OpenExclusive(state, path);
  if (!opened.ok()) return opened.status();
  if (!(*opened)->HasField("PREMIOS")) {
    // An earlier version's table: the winner's eligibility list was added since.
    state.workspace.Close(kPrizeAlias);
    storage::Status upgraded = registry::UpgradeByTemplate(state.workspace, path, TemplatePath(state),
                                                           folder + kUpgradeWork, folder + stem + ".bak");
    if (!upgraded.ok()) return upgraded;
    opened = OpenExclusive(state, path);
    if (!opened.ok()) return opened.status();
    return WithNewOrders(state, *opened);
  }

  const std::string name_order = NameOrderPath(state);
  const std::string amount_order = AmountOrderPath(state);
  if (storage::FileExists(name_order) && storage::FileExists(amount_order)) {
    storage::Status status = (*opened)->OrdListAdd(amount_order);
    if (status.ok()) status = (*opened)->OrdListAdd(name_order);
    if (status.ok()) {
      (*opened)->GoTop();
      return *opened;
    }
    // An unreadable index is rebuilt like a missing one: both are made from the table.
    (void)(*opened)->OrdListClear();
  }
  return WithNewOrders(state, *opened);
}

storage::Status NTXPREMIOS(registry::WorkingState& state, storage::Table& premios) {
  storage::Status status = premios.CreateIndex(AmountOrderPath(state), kAmountOrderKey);
  // Creating an index closes the open ones: the amount order is added back behind the name order.
  if (status.ok()) status = premios.CreateIndex(NameOrderPath(state), kNameOrderKey);
  if (status.ok()) status = premios.OrdListAdd(AmountOrderPath(state));
  if (status.ok()) premios.GoTop();
  return status;
}

storage::Status PONORDEN(storage::Table& premios, int n) {
  return premios.Put("ORDEN", storage::StrZero(n, 2));
}

std::string PrizeTableRefusal(registry::WorkingState& state, const std::string& what_cannot_be_done,
                              const storage::Status& status) {
  return registry::TableRefusalText(what_cannot_be_done, registry::PrizeTableName(state.CCLAVE) + ".dbf",
                                    status);
}

}  // namespace movarel::prizes
