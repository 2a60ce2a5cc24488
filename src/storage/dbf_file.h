#pragma once
// The dBase III file itself: a 32-byte header (version, date of last update, record count,
// header length, record length), a 32-byte descriptor per field, 0x0D, fixed-length records
// that start with the deletion flag, and the end-of-file byte 0x1A.
//
// An open file is mapped into memory: records are read and changed in place, so a change is
// in the file (the page cache other programs read) the moment it is made, and a scan costs
// no copy. Appends grow the file with a write and then the mapping.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "storage/field.h"
#include "storage/ntx_index.h"
#include "storage/os_file.h"
#include "storage/status.h"

namespace movarel::storage {

inline constexpr uint8_t kDbfVersion = 0x03;
inline constexpr char kDbfTerminator = 0x0D;
inline constexpr char kDbfEndOfFile = 0x1A;
inline constexpr char kLiveFlag = ' ';
inline constexpr char kDeletedFlag = '*';

// What the header and descriptors say, checked against each other and the file size.
struct DbfHeader {
  uint32_t header_length = 0;
  uint32_t record_length = 0;
  uint32_t record_count = 0;  // whole records the file holds (see ParseDbfHeader)
  RecordLayout layout;
};

// Parses the start of a table file of `file_size` bytes (`data` holds at least the header,
// or the whole file when shorter). `name` goes into error messages. A last record cut short
// (a writer interrupted during an append) is left out of record_count; any other disagreement
// between the count and the file's length, more records or fewer, is Corrupt.
Result<DbfHeader> ParseDbfHeader(const char* data, size_t size, uint64_t file_size, const std::string& name);
// Header and descriptors of a new table with `count` records (the 0x0D included).
std::string BuildDbfHeader(const RecordLayout& layout, uint32_t count);

class DbfFile {
 public:
  ~DbfFile();
  DbfFile(const DbfFile&) = delete;
  DbfFile& operator=(const DbfFile&) = delete;

  // Opens an existing table; read-only files are opened O_RDONLY and refuse changes.
  static Result<std::unique_ptr<DbfFile>> Open(const std::string& path, bool writable);

  const std::string& path() const { return path_; }
  // The name in messages after the file has been renamed into place (a packed table).
  void Renamed(std::string path) { path_ = std::move(path); }
  int fd() const { return fd_; }
  bool writable() const { return writable_; }
  const RecordLayout& layout() const { return header_.layout; }
  uint32_t record_length() const { return header_.record_length; }
  uint32_t record_count() const { return header_.record_count; }

  // Record `recno` (1-based, deletion flag first); nullptr outside 1..record_count().
  const char* Record(uint32_t recno) const {
    if (recno == 0 || recno > header_.record_count) return nullptr;
    return map_.data() + header_.header_length + static_cast<uint64_t>(recno - 1) * header_.record_length;
  }
  // The same bytes for changing in place; the header date is brought up to today.
  // Only on a writable file.
  char* MutableRecord(uint32_t recno);

  // Adds `count` records of record_length() bytes each after the last one and raises the
  // record count in the header. With `trim`, bytes left beyond the new end (from a writer
  // that stopped short) are cut off; a shared table keeps them, as they may be another
  // program's append in progress.
  Status Append(const char* records, uint32_t count, bool trim = true);
  // Removes every record (ZAP).
  Status Truncate();
  // Takes up records another program appended since the file was opened.
  Status Refresh();
  // Writes the changed pages to disk (DBCOMMIT).
  Status Sync();
  // Visits every record in physical order, deleted ones included, without copying each.
  Status Scan(const RecordVisitor& visit) const;

 private:
  DbfFile() = default;
  Status Map(uint64_t needed);
  void Touch();

  std::string path_;
  int fd_ = -1;
  bool writable_ = false;
  bool touched_ = false;
  DbfHeader header_;
  os::FileMap map_;
  uint64_t file_size_ = 0;
};

// Writes a whole new table to an open, empty file: records are buffered and the header
// gets the final count in Finish, which also writes 0x1A and syncs the file.
class DbfWriter {
 public:
  DbfWriter(int fd, std::string name, RecordLayout layout);
  Status Add(const char* record);
  Status Finish();
  uint32_t count() const { return count_; }

 private:
  Status FlushBuffer();
  int fd_;
  std::string name_;
  RecordLayout layout_;
  std::string buffer_;
  uint64_t offset_ = 0;
  uint32_t count_ = 0;
};

// The refusal of a change to the table at `path`, opened for reading only.
Status ReadOnlyRefusal(const std::string& path);

}  // namespace movarel::storage
