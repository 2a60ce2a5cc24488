#include "register/format_upgrade.h"

#include "storage/files.h"
#include "storage/workspace.h"

namespace movarel::registry {
namespace {

constexpr char kTemplateAlias[] = "ZDPLANTILLA";
constexpr char kNewTableAlias[] = "ZDNUEVA";

storage::Status FillFromOldTable(storage::Workspace& workspace, const std::string& temp_path,
                                 const std::string& table_path) {
  auto opened = workspace.Use(temp_path, kNewTableAlias, /*shared=*/false);
  if (!opened.ok()) return opened.status();
  storage::TableSettings& settings = workspace.settings();
  const bool hide_deleted = settings.hide_deleted;
  settings.hide_deleted = false;
  storage::Status status = (*opened)->AppendFrom(table_path);
  settings.hide_deleted = hide_deleted;
  if (status.ok()) status = (*opened)->Commit();
  workspace.Close(kNewTableAlias);
  return status;
}

}  // namespace

storage::Status UpgradeByTemplate(storage::Workspace& workspace, const std::string& table_path,
                                  const std::string& template_path, const std::string& temp_path,
                                  const std::string& backup_path) {
  const std::string old_table = storage::ResolvePath(table_path);
  if (!storage::FileExists(template_path)) {
    return storage::Status::NotFound(template_path + ": no se ha encontrado la plantilla");
  }
  {
    auto model = workspace.Use(template_path, kTemplateAlias, /*shared=*/true, /*read_only=*/true);
    if (!model.ok()) return model.status();
    storage::Status made = (*model)->CopyStructure(temp_path);
    workspace.Close(kTemplateAlias);
    if (!made.ok()) return made;
  }
  const std::string temp = storage::ResolvePath(temp_path);
  auto give_up = [&](const storage::Status& status) {
    (void)storage::EraseFile(temp);
    return status;
  };
  if (storage::Status s = FillFromOldTable(workspace, temp, old_table); !s.ok()) return give_up(s);
  if (storage::FileExists(backup_path)) {
    if (storage::Status s = storage::EraseFile(backup_path); !s.ok()) return give_up(s);
  }
  if (storage::Status s = storage::RenameFile(old_table, backup_path); !s.ok()) return give_up(s);
  if (storage::Status s = storage::RenameFile(temp, old_table); !s.ok()) {
    (void)storage::RenameFile(backup_path, old_table);
    return give_up(s);
  }
  return storage::Status::Ok();
}

}  // namespace movarel::registry
