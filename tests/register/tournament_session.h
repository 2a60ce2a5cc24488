#pragma once
// End-to-end sessions of the register: the shared program session with the DOS program's
// folder at hand, and the raw bytes of tables for what python3-dbf does not show (deletion
// flags, code-page bytes).

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/program_session.h"
#include "test_support.h"

namespace movarel::registry::testing {

using movarel::testing::ReadBytes;
inline std::string ReadFileBytes(const std::string& path) { return ReadBytes(path); }
inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  movarel::testing::WriteBytes(path, bytes);
}

class Session : public movarel::testing::ProgramSession {
 public:
  Session() : ProgramSession("movarel-register") {}
  // Copies the DOS program's folder, writable, into `name`.
  std::string CopyDosFixture(const std::string& name) const { return CopyFixture("dos-old-format", name); }
};

// The deletion flags of a table's records, read from its bytes: "*" deleted, " " live.
inline std::string DeletionFlags(const std::string& path) {
  const std::string b = ReadFileBytes(path);
  if (b.size() < 32) return "?";
  auto u16 = [&b](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
  };
  const uint32_t count = u16(4) | u16(6) << 16;
  std::string flags;
  for (uint32_t i = 0; i < count; ++i) flags += b.at(u16(8) + i * u16(10));
  return flags;
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace movarel::registry::testing
