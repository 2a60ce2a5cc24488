#pragma once
// A Clipper .ntx index. The whole key list is held in memory in key order (byte order,
// then record number); the file is written completely, to a temporary name that then
// replaces the old file, whenever Flush() finds the list changed. Existing files written
// by the DOS program or other xBase tools are read through each page's offset table.
//
// The keys lie in one store of fixed-size slots (key bytes and record number), in the
// order they arrived, and a list of slot numbers gives the key order: a rating list of
// 1.5 million players then costs about 40 bytes a player and no allocation per key.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/field.h"
#include "storage/key_expression.h"
#include "storage/status.h"

namespace movarel::storage {

// Calls `visit(recno, record_bytes)` for every record of a table, deleted ones included.
using RecordVisitor = std::function<void(uint32_t recno, const char* record)>;
using RecordScan = std::function<Status(const RecordVisitor& visit)>;

class NtxIndex {
 public:
  struct Entry {
    std::string key;
    uint32_t recno = 0;
  };
  static constexpr size_t npos = static_cast<size_t>(-1);

  // Builds the index over every record that `scan` visits and writes `path`. A unique
  // index keeps the first record (lowest record number) of each key. With `shared_access`
  // the first write already takes the index lock (see set_shared_access).
  static Result<std::unique_ptr<NtxIndex>> Create(const std::string& path, KeyExpression expression,
                                                  bool unique, const RecordScan& scan,
                                                  bool shared_access = false);
  // Reads an existing .ntx and compiles its key text for the table. A file that is not an
  // index, or whose key cannot be evaluated, is a Corrupt / InvalidArgument error naming it.
  static Result<std::unique_ptr<NtxIndex>> Open(const std::string& path, std::string_view alias,
                                                const RecordLayout& layout);

  const std::string& path() const { return path_; }
  // The order name used by ORDSETFOCUS: the file name without folder and extension, upper case.
  std::string OrderName() const;
  const KeyExpression& expression() const { return expression_; }
  bool unique() const { return unique_; }

  size_t size() const { return order_.size(); }
  // The entry at a position in key order (a copy; key() and recno() read it without one).
  Entry at(size_t position) const { return Entry{std::string(key(position)), recno(position)}; }
  std::string_view key(size_t position) const {
    return std::string_view(Slot(order_[position]), static_cast<size_t>(key_size_));
  }
  uint32_t recno(size_t position) const;
  // First position whose key is >= `key` over the length of `key` (a prefix search); size()
  // when there is none.
  size_t LowerBound(std::string_view key) const;
  // Position of the entry of `recno`, whose current key is `key`; npos when it is not indexed.
  size_t Find(std::string_view key, uint32_t recno) const;

  // Keeps the list in step with the table: a new record, or a record whose key changed.
  void Insert(uint32_t recno, const std::string& key);
  void Update(uint32_t recno, const std::string& old_key, const std::string& new_key);
  // Rebuilds from the table (ORDLISTREBUILD, and after a pack).
  Status Rebuild(const RecordScan& scan);
  // Writes the file when the list changed since it was read or last written.
  Status Flush();

  // With shared access the file is locked at byte 1,000,000,000 while it is rewritten, as
  // the DOS-era programs lock an index they update; a lock held elsewhere is kLocked.
  void set_shared_access(bool shared) { shared_access_ = shared; }

 private:
  static constexpr size_t kSlotsPerChunk = 65536;

  NtxIndex() = default;
  const char* Slot(uint32_t slot) const {
    return chunks_[slot / kSlotsPerChunk].get() + (slot % kSlotsPerChunk) * slot_size_;
  }
  char* MutableSlot(uint32_t slot) {
    return chunks_[slot / kSlotsPerChunk].get() + (slot % kSlotsPerChunk) * slot_size_;
  }
  // Adds a slot after the last one; returns its number.
  uint32_t AddSlot(const char* key, uint32_t recno);
  void ClearKeys();
  void Configure(KeyExpression expression, bool unique);
  // Sorts order_ by key then record number; with `unique` keeps the first of each key.
  void SortOrder();
  struct SortItem;
  void SortRange(SortItem* begin, SortItem* end, size_t depth) const;
  // First position whose (key, recno) is not less than the given pair; `key` is key_size_ bytes.
  size_t LowerBoundEntry(const char* key, uint32_t recno) const;
  std::string NormalizeKey(const std::string& key) const;
  Status Write();

  std::string path_;
  KeyExpression expression_;
  bool unique_ = false;
  bool dirty_ = false;
  bool shared_access_ = false;
  uint16_t version_ = 0;
  int key_size_ = 0;
  size_t slot_size_ = 0;  // key bytes + 4-byte record number
  uint32_t slot_count_ = 0;
  std::vector<std::unique_ptr<char[]>> chunks_;
  std::vector<uint32_t> order_;
};

// Maximum keys per page for a key size, as xBase programs compute it.
int NtxMaxKeysPerPage(int key_size);

}  // namespace movarel::storage
