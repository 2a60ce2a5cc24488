#pragma once
// Helpers for the table-layer tests: a scratch folder, raw file bytes, little-endian
// builders for hand-made table files, and running /usr/bin/python3 (the interpreter that
// has python3-dbf; the first python3 on the PATH may not).

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace movarel::storage::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("movarel_storage_" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string Le16(uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
inline std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }

// A 32-byte field descriptor as dBase III lays it out.
inline std::string Descriptor(const std::string& name, char type, int length, int decimals = 0) {
  std::string d(32, '\0');
  d.replace(0, name.size(), name);
  d[11] = type;
  d[16] = static_cast<char>(length);
  d[17] = static_cast<char>(decimals);
  return d;
}

// A 32-byte header: version 3, update date 2004-03-05.
inline std::string Header(uint32_t count, uint32_t header_length, uint32_t record_length) {
  std::string h(32, '\0');
  h[0] = 0x03;
  h[1] = 104;
  h[2] = 3;
  h[3] = 5;
  h.replace(4, 4, Le32(count));
  h.replace(8, 2, Le16(header_length));
  h.replace(10, 2, Le16(record_length));
  return h;
}

struct CommandResult {
  int status = -1;
  std::string output;
};

// Runs a Python program with /usr/bin/python3; stdout is captured, stderr goes to the log.
inline CommandResult RunPython(const std::string& folder, const std::string& program) {
  std::string script = folder + "/script.py";
  WriteBytes(script, program);
  CommandResult result;
  FILE* pipe = popen(("cd '" + folder + "' && /usr/bin/python3 script.py").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  result.status = pclose(pipe);
  return result;
}

}  // namespace movarel::storage::testing
