#pragma once
// An opened table (a work area): the file, its alias, the current record, the found flag
// and the open indexes with one controlling order. Deleted records are hidden from
// navigation, search, location and copying while Workspace::settings().hide_deleted is on,
// and still count in LastRec() until the table is packed.
//
// Field changes are written to the file at once (the DOS program may read it meanwhile);
// the header's record count and date are kept current on every append. Whole-table
// rewrites (Pack) write a new file completely before it replaces the old one.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/field.h"
#include "storage/ntx_index.h"
#include "storage/status.h"
#include "storage/value.h"

namespace movarel::storage {

class Workspace;
struct TableSettings;

enum class OpenMode { kShared, kExclusive };

class Table {
 public:
  ~Table();
  Table(const Table&) = delete;
  Table& operator=(const Table&) = delete;

  const std::string& alias() const { return alias_; }  // upper case
  const std::string& path() const { return path_; }
  const RecordLayout& layout() const;
  const std::vector<FieldDef>& fields() const { return layout().fields(); }  // DBSTRUCT
  bool read_only() const { return read_only_; }
  OpenMode mode() const { return mode_; }

  // Navigation in the controlling order (physical order when there is none).
  void GoTop();                 // DBGOTOP
  void GoBottom();              // DBGOBOTTOM
  void GoTo(uint32_t recno);    // DBGOTO: any number, deleted or not; out of range = end
  void Skip(long count = 1);    // DBSKIP
  bool Eof() const;             // EOF
  bool Bof() const;             // BOF
  uint32_t RecNo() const;       // RECNO: LastRec() + 1 at the end
  uint32_t LastRec() const;     // LASTREC: hidden deleted records included
  bool Found() const { return found_; }  // FOUND

  // DBSEEK in the controlling index. Text keys match over the length of the searched
  // text. `soft` picks the next greater key when no key is equal; without it a failed
  // search leaves the table at its end. Without a controlling index it is an error.
  Result<bool> Seek(const Value& key, bool soft);
  Result<bool> Seek(const Value& key);  // soft per the workspace setting
  // __DBLOCATE: scans from the first record; sets FOUND.
  bool Locate(const std::function<bool(Table&)>& condition);
  // DBEVAL: from the top in the controlling order to the end; `action` may move the pointer
  // only if it puts it back.
  Status Eval(const std::function<Status(Table&)>& action,
              const std::function<bool(Table&)>& condition = nullptr);

  // Field access by name (without regard to case) or by index; an unknown name is a bug in
  // the caller (asserted) for Get*, an error for Put. At the end of the table the values
  // are blank.
  Value Get(std::string_view field) const;
  Value Get(int field_index) const;
  std::string GetText(std::string_view field) const;  // C as stored (padded)
  double GetNumber(std::string_view field) const;
  Date GetDate(std::string_view field) const;
  bool GetLogical(std::string_view field) const;
  bool HasField(std::string_view field) const { return layout().Find(field) >= 0; }
  Status Put(std::string_view field, const Value& value);
  Status Put(int field_index, const Value& value);  // for bulk writers that looked the field up once
  // The field's bytes exactly as stored (its whole width), for bulk writers that formatted
  // them already; any other length is an error.
  Status PutBytes(int field_index, std::string_view bytes);
  bool Deleted() const;  // DELETED

  Status Append();   // DBAPPEND: blank record, made current, indexes follow
  Status Delete();   // DBDELETE
  Status Recall();   // DBRECALL
  Status Pack();     // __DBPACK: exclusive use only; indexes rebuilt
  Status Zap();      // __DBZAP: exclusive use only
  Status Commit();   // DBCOMMIT: header and indexes to disk

  // Locks; a refused lock returns false at once.
  bool RLock();      // RLOCK / DBRLOCK of the current record
  bool FLock();      // FLOCK
  void Unlock();     // DBUNLOCK (ScopedFileLock below does it on every path)

  // Indexes.
  Status CreateIndex(const std::string& path, std::string_view key_text, bool unique = false);  // DBCREATEINDEX
  Status OrdListAdd(const std::string& path);   // ORDLISTADD
  Status OrdListClear();                         // ORDLISTCLEAR / DBCLEARINDEX
  Status OrdListRebuild();                       // ORDLISTREBUILD
  Status OrdSetFocus(std::string_view order);    // ORDSETFOCUS by order name ("" = physical)
  const NtxIndex* ControllingIndex() const;

  // Structure and bulk copies.
  Status CopyStructure(const std::string& path) const;           // __DBCOPYSTRUCT
  Status CopyTo(const std::string& path);                        // __DBCOPY: live records, controlling order
  Status AppendFrom(const std::string& path);                    // __DBAPP: fields matched by name
  Status ExportSdf(const std::string& path);                     // __DBSDF: fixed width, CR LF, final 0x1A

  // Visits every record in physical order, deleted ones included, with its raw bytes
  // (deletion flag first) and without a copy per record: the fast path for bulk readers.
  Status Scan(const RecordVisitor& visit) const;

 private:
  struct Impl;
  friend class Workspace;
  Table();
  // Opens `path` (already resolved) with the OS lock of its mode; `settings` outlives the table.
  static Result<std::unique_ptr<Table>> Open(const std::string& path, std::string_view alias, bool shared,
                                             bool read_only, const TableSettings* settings);
  // Whether another program would refuse opening this table's file again in that mode once
  // this table is closed.
  bool OthersWouldRefuse(bool shared, bool read_only) const;
  // Changes field `index` of the current record through `encode`, which writes the field's
  // bytes, and keeps the open indexes in step with the change.
  template <typename Encode>
  Status WriteField(int index, Encode encode);
  Status SetDeletionFlag(char flag);
  std::unique_ptr<Impl> impl_;
  std::string alias_;
  std::string path_;
  bool read_only_ = false;
  OpenMode mode_ = OpenMode::kShared;
  bool found_ = false;
};

// Creates an empty dBase III table with these fields (replacing an existing file only once
// the new one is complete).
Status CreateTable(const std::string& path, const std::vector<FieldDef>& fields);

// FLOCK for a scope: the locks of `table` are released (DBUNLOCK) when it ends, whichever
// way it is left. `held()` says whether the lock was taken.
class ScopedFileLock {
 public:
  explicit ScopedFileLock(Table* table) : table_(table != nullptr && table->FLock() ? table : nullptr) {}
  ~ScopedFileLock() {
    if (table_ != nullptr) table_->Unlock();
  }
  ScopedFileLock(const ScopedFileLock&) = delete;
  ScopedFileLock& operator=(const ScopedFileLock&) = delete;
  bool held() const { return table_ != nullptr; }

 private:
  Table* table_;
};

}  // namespace movarel::storage
