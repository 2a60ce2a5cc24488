// A second program for the lock test between processes (run by scripts/windows.sh, under
// Wine and natively): "hold" takes a lock and keeps it until its input ends; "try" says
// whether the same lock can be had now.
//   lock_probe hold|try TABLE open|record
// "open" opens the table for exclusive use; "record" opens it shared and locks record 1.
// Exit status of "try": 0 when it got the lock, 3 when another program holds it, 1 on error.

#include <cstdio>
#include <iostream>
#include <string>

#include "storage/workspace.h"
#include "ui/platform.h"

namespace {

using movarel::storage::Status;
using movarel::storage::Table;
using movarel::storage::Workspace;

constexpr int kRefused = 3;

// Takes the lock `what` names on `path` through `ws`: 0, kRefused, or 1 on another failure.
int TakeLock(Workspace& ws, const std::string& path, const std::string& what) {
  const bool shared = what == "record";
  auto table = ws.Use(path, "t", shared);
  if (!table.ok()) {
    std::cerr << table.status().message() << "\n";
    return table.status().code() == Status::Code::kLocked ? kRefused : 1;
  }
  if (shared) {
    (*table)->GoTo(1);
    if (!(*table)->RLock()) return kRefused;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args = movarel::ui::StartProgram(argc, argv);
  if (args.size() != 3 || (args[0] != "hold" && args[0] != "try") || (args[2] != "open" && args[2] != "record")) {
    std::cerr << "uso: lock_probe hold|try TABLA open|record\n";
    return 1;
  }
  Workspace ws;
  const int taken = TakeLock(ws, args[1], args[2]);
  if (args[0] == "try") return taken;
  if (taken != 0) return 1;
  std::cout << "held" << std::endl;
  std::string line;
  std::getline(std::cin, line);  // until told, or until the input closes
  return 0;
}
