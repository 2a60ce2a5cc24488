// Arbitrary bytes as a table file: opening, navigating, reading every field, appending and
// changing a record must end in a value or a clear error, never in a crash.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "storage/workspace.h"

using movarel::storage::Table;
using movarel::storage::Workspace;

namespace {

const std::string& ScratchFile() {
  static const std::string path = "/tmp/movarel_fuzz_dbf_" + std::to_string(getpid()) + ".dbf";
  return path;
}

void ReadEverything(Table& table) {
  uint32_t visited = 0;
  for (table.GoTop(); !table.Eof() && visited < 5000; table.Skip(), ++visited) {
    for (int i = 0; i < static_cast<int>(table.fields().size()); ++i) (void)table.Get(i);
    (void)table.Deleted();
  }
  table.GoBottom();
  table.Skip(-3);
  table.GoTo(table.LastRec() / 2);
  (void)table.Scan([](uint32_t, const char* record) { (void)record[0]; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = ScratchFile();
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  Workspace ws;
  ws.settings().hide_deleted = size % 2 == 0;
  auto read_only = ws.Use(path, "t", true, true);
  if (read_only.ok()) ReadEverything(**read_only);
  ws.CloseAll();

  auto writable = ws.Use(path, "t", false);
  if (writable.ok()) {
    Table& table = **writable;
    if (table.Append().ok()) {
      const auto& field = table.fields().front();
      (void)table.Put(field.name, table.Get(0));
      (void)table.Delete();
    }
    if (size % 31 == 0) (void)table.Pack();  // a rewrite with fsync: now and then, not every run
    ReadEverything(table);
  }
  ws.CloseAll();
  unlink(path.c_str());
  return 0;
}
