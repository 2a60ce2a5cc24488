#pragma once
// The set of work areas: tables opened under aliases, the selected one, the network-error
// flag and the program-wide table settings. One per program, inside the working state.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "storage/status.h"
#include "storage/table.h"

namespace movarel::storage {

struct TableSettings {
  bool hide_deleted = true;  // SET DELETED ON
  bool soft_seek = true;     // SET SOFTSEEK ON; switched off for good by the rating lookup
  bool exclusive_default = false;
};

class Workspace {
 public:
  Workspace();
  ~Workspace();

  TableSettings& settings() { return settings_; }

  // DBUSEAREA: opens `file` (".dbf" added when it has no extension; the name is looked up
  // without regard to case) under `alias`, replacing a table already open under that alias.
  // A file held by another program sets NetErr() and returns Locked; a missing file returns
  // NotFound; a corrupt file returns Corrupt naming it. The opened table is selected.
  Result<Table*> Use(const std::string& file, std::string_view alias, bool shared, bool read_only = false);
  bool NetErr() const { return net_err_; }  // NETERR: set by the last Use

  Table* Select(std::string_view alias);  // DBSELECTAREA; nullptr when none is open
  Table* Selected() { return selected_; }
  Table* Find(std::string_view alias);    // without selecting
  void Close(std::string_view alias);     // DBCLOSEAREA
  void CloseAll();                        // DBCLOSEALL

 private:
  TableSettings settings_;
  std::map<std::string, std::unique_ptr<Table>> tables_;  // by upper-case alias
  Table* selected_ = nullptr;
  bool net_err_ = false;
};

}  // namespace movarel::storage
