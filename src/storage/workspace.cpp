#include "storage/workspace.h"

#include "storage/files.h"
#include "storage/letter_case.h"
#include "storage/os_file.h"

namespace movarel::storage {

Workspace::Workspace() = default;
Workspace::~Workspace() { CloseAll(); }

Result<Table*> Workspace::Use(const std::string& file, std::string_view alias, bool shared, bool read_only) {
  std::string path = ResolvePath(WithDefaultExtension(file, ".dbf"));
  std::string key = UpperAscii(alias);
  net_err_ = false;
  // Reopening the file an alias already holds closes it first, as USE in the same work area
  // does, but only once no other program would refuse the new mode; any other table under
  // the alias stays open until the new one has opened. A refused open changes nothing.
  auto held = tables_.find(key);
  if (held != tables_.end() && os::SameFile(held->second->path(), path)) {
    if (held->second->OthersWouldRefuse(shared, read_only)) {
      net_err_ = true;
      return Status::Locked(path + ": est\xE1 abierto por otro programa");
    }
    Close(key);
  }

  auto opened = Table::Open(path, key, shared, read_only, &settings_);
  if (!opened.ok()) {
    if (opened.status().code() == Status::Code::kLocked) net_err_ = true;
    return opened.status();
  }
  Table* table = opened.value().get();
  Close(key);
  tables_[key] = std::move(opened.value());
  selected_ = table;
  return table;
}

Table* Workspace::Select(std::string_view alias) {
  Table* table = Find(alias);
  if (table != nullptr) selected_ = table;
  return table;
}

Table* Workspace::Find(std::string_view alias) {
  auto it = tables_.find(UpperAscii(alias));
  return it == tables_.end() ? nullptr : it->second.get();
}

void Workspace::Close(std::string_view alias) {
  auto it = tables_.find(UpperAscii(alias));
  if (it == tables_.end()) return;
  if (selected_ == it->second.get()) selected_ = nullptr;
  tables_.erase(it);
}

void Workspace::CloseAll() {
  tables_.clear();
  selected_ = nullptr;
}

}  // namespace movarel::storage
