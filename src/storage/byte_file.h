#pragma once
// Low-level byte files (FCREATE, FOPEN, FREAD, FWRITE, FSEEK, FCLOSE). A created file is
// written under a temporary name beside its own and takes that name only when Close
// succeeds, so an interrupted export never leaves half a file; a file that is dropped
// without Close is discarded. Opened files are read-only unless asked otherwise.

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/status.h"

namespace movarel::storage {

class ByteFile {
 public:
  enum class Origin { kStart, kCurrent, kEnd };

  static Result<ByteFile> Create(const std::string& path);                      // FCREATE
  static Result<ByteFile> Open(const std::string& path, bool writable = false);  // FOPEN

  ByteFile(ByteFile&& other) noexcept;
  ByteFile& operator=(ByteFile&& other) noexcept;
  ByteFile(const ByteFile&) = delete;
  ByteFile& operator=(const ByteFile&) = delete;
  ~ByteFile();

  Status Write(std::string_view bytes);                    // FWRITE
  Result<std::string> Read(size_t count);                   // FREAD: fewer bytes at the end
  Result<uint64_t> Seek(int64_t offset, Origin origin);     // FSEEK: the new position
  Status Close();                                           // FCLOSE

 private:
  ByteFile() = default;
  void Discard();
  int fd_ = -1;
  std::string path_;       // the name the file has, or will have after Close
  std::string temp_path_;  // non-empty while a created file is being written
};

}  // namespace movarel::storage
