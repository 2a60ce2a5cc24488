// Arbitrary bytes as an .ntx file opened against a fixed table layout, and (first byte
// odd) as a key expression compiled and evaluated over a fixed record. Neither may crash,
// hang or read outside its buffers; an index that opens must also survive being searched,
// changed and written back.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "storage/key_expression.h"
#include "storage/ntx_index.h"

namespace {

using namespace movarel::storage;

const RecordLayout& Layout() {
  static const RecordLayout layout({{"NUM", 'N', 3, 0},
                                    {"JUG", 'C', 30, 0},
                                    {"ELO", 'N', 4, 0},
                                    {"PTOS", 'N', 4, 1},
                                    {"CAT", 'C', 3, 0},
                                    {"NAC", 'D', 8, 0},
                                    {"OK", 'L', 1, 0}});
  return layout;
}

const std::string& SampleRecord() {
  static const std::string record = [] {
    std::string name = "Garc\xED" "a, Ana";
    name.resize(30, ' ');
    std::string r = "   7" + name + "2150" + " 3.5" + "SUB" + "19871109" + "T";
    if (r.size() != static_cast<size_t>(Layout().record_length())) __builtin_trap();
    return r;
  }();
  return record;
}

std::string TempPath(const char* what) {
  return "/tmp/fuzz_ntx_" + std::to_string(::getpid()) + what;
}

void FuzzExpression(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  Result<KeyExpression> e = KeyExpression::Compile(text, "cuadro", Layout());
  if (!e.ok()) return;
  std::string key = e->Evaluate(SampleRecord().data());
  if (key.size() != static_cast<size_t>(e->size())) __builtin_trap();
  e->EvaluateValue(SampleRecord().data());
}

void FuzzIndex(const uint8_t* data, size_t size) {
  const std::string path = TempPath(".ntx");
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  Result<std::unique_ptr<NtxIndex>> index = NtxIndex::Open(path, "cuadro", Layout());
  if (index.ok()) {
    NtxIndex& ntx = **index;
    for (size_t i = 1; i < ntx.size(); ++i) {
      if (ntx.key(i - 1) > ntx.key(i)) __builtin_trap();
    }
    ntx.LowerBound("G");
    std::string key = ntx.expression().Evaluate(SampleRecord().data());
    ntx.Insert(4000000000u, key);
    // A unique index keeps the first record of a key, so a later record may rightly stay out.
    if (!ntx.unique() && ntx.Find(key, 4000000000u) == NtxIndex::npos) __builtin_trap();
    if (!ntx.Flush().ok()) __builtin_trap();
    if (!NtxIndex::Open(path, "cuadro", Layout()).ok()) __builtin_trap();
  }
  ::unlink(path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  if (data[0] & 1) {
    FuzzExpression(data + 1, size - 1);
  } else {
    FuzzIndex(data + 1, size - 1);
  }
  return 0;
}
