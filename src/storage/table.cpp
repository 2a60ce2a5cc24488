#include "storage/table.h"

#include <cassert>
#include <chrono>
#include <cstring>
#include <thread>

#include "storage/dbf_file.h"
#include "storage/file_lock.h"
#include "storage/os_file.h"
#include "storage/files.h"
#include "storage/letter_case.h"
#include "storage/unreported_errors.h"
#include "storage/workspace.h"

namespace movarel::storage {

struct Table::Impl {
  std::unique_ptr<DbfFile> file;
  const TableSettings* settings = nullptr;
  uint32_t recno = 1;
  bool eof = true;
  bool bof = false;
  std::vector<std::unique_ptr<NtxIndex>> indexes;
  int order = -1;                       // controlling index, -1 = physical order
  size_t index_pos = NtxIndex::npos;    // a guess at the current record's position in it
  std::vector<uint32_t> locked_records;
  bool file_locked = false;
  std::string blank;                    // the values at the end of the table
  mutable int next_field = 0;           // where the next field lookup is expected

  // Callers mostly read and write a record's fields in their declared order, often reading
  // a field and then writing it, so the field last looked up and the one after it are tried
  // before the hash lookup.
  static bool SameName(const std::string& upper, std::string_view name) {
    if (upper.size() != name.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
      if (UpperAscii(name[i]) != upper[i]) return false;
    }
    return true;
  }
  int FieldIndex(std::string_view name) const {
    const RecordLayout& layout = file->layout();
    const auto& fields = layout.fields();
    const int count = static_cast<int>(fields.size());
    int guess = next_field < count ? next_field : 0;
    bool same = SameName(fields[guess].name, name);
    if (!same && next_field > 0 && next_field <= count && SameName(fields[next_field - 1].name, name)) {
      guess = next_field - 1;
      same = true;
    }
    int index = same ? guess : layout.Find(name);
    if (index >= 0) next_field = index + 1;
    return index;
  }

  bool shared() const { return !exclusive; }
  bool exclusive = false;

  const char* Record(uint32_t r) const { return file->Record(r); }
  bool Visible(uint32_t r) const {
    const char* record = file->Record(r);
    if (record == nullptr) return false;  // an index entry left over from a larger table
    return !settings->hide_deleted || record[0] != kDeletedFlag;
  }
  NtxIndex* Controlling() const { return order >= 0 ? indexes[order].get() : nullptr; }
  RecordScan Scanner() const {
    return [this](const RecordVisitor& visit) { return ScanRecords(visit); };
  }
  // In exclusive use nobody else writes the file and every write of ours goes through the
  // mapping, so the mapped records are the file's: they are visited in place, without
  // reading the table a second time into a buffer.
  Status ScanRecords(const RecordVisitor& visit) const {
    if (shared()) return file->Scan(visit);
    for (uint32_t r = 1;; ++r) {
      const char* record = file->Record(r);
      if (record == nullptr) break;
      visit(r, record);
    }
    return Status::Ok();
  }

  void SetEof() {
    recno = file->record_count() + 1;
    eof = true;
    index_pos = NtxIndex::npos;
  }
  void SetAt(uint32_t r, size_t pos = NtxIndex::npos) {
    recno = r;
    eof = false;
    index_pos = pos;
  }

  // Where the current record stands in the controlling index. A record the index does not
  // hold (a repeated key of a unique index) stands just before the next greater key.
  size_t CurrentPosition(bool* exact) const {
    const NtxIndex* index = Controlling();
    *exact = true;
    if (index_pos < index->size() && index->recno(index_pos) == recno) return index_pos;
    std::string key = index->expression().Evaluate(Record(recno));
    size_t pos = index->Find(key, recno);
    if (pos != NtxIndex::npos) return pos;
    *exact = false;
    return index->LowerBound(key);
  }

  void First() {
    bof = false;
    if (NtxIndex* index = Controlling()) {
      for (size_t p = 0; p < index->size(); ++p) {
        if (Visible(index->recno(p))) return SetAt(index->recno(p), p);
      }
    } else {
      for (uint32_t r = 1; r <= file->record_count(); ++r) {
        if (Visible(r)) return SetAt(r);
      }
    }
    SetEof();
    bof = true;
  }

  void Last() {
    bof = false;
    if (NtxIndex* index = Controlling()) {
      for (size_t p = index->size(); p-- > 0;) {
        if (Visible(index->recno(p))) return SetAt(index->recno(p), p);
      }
    } else {
      for (uint32_t r = file->record_count(); r >= 1; --r) {
        if (Visible(r)) return SetAt(r);
      }
    }
    SetEof();
    bof = true;
  }

  // One step forward; false (and at the end) when there is no further visible record.
  bool Next() {
    if (NtxIndex* index = Controlling()) {
      bool exact;
      size_t p = CurrentPosition(&exact);
      for (p = exact ? p + 1 : p; p < index->size(); ++p) {
        if (Visible(index->recno(p))) {
          SetAt(index->recno(p), p);
          return true;
        }
      }
    } else {
      for (uint32_t r = recno + 1; r <= file->record_count(); ++r) {
        if (Visible(r)) {
          SetAt(r);
          return true;
        }
      }
    }
    SetEof();
    return false;
  }

  // One step back; false (staying on the current record) when it is the first.
  bool Previous() {
    if (NtxIndex* index = Controlling()) {
      bool exact;
      size_t p = CurrentPosition(&exact);
      while (p-- > 0) {
        if (Visible(index->recno(p))) {
          SetAt(index->recno(p), p);
          return true;
        }
      }
    } else {
      for (uint32_t r = recno; r-- > 1;) {
        if (Visible(r)) {
          SetAt(r);
          return true;
        }
      }
    }
    return false;
  }

  struct Position {
    uint32_t recno;
    bool eof, bof;
    size_t index_pos;
  };
  Position Save() const { return {recno, eof, bof, index_pos}; }
  void Restore(const Position& p) {
    recno = p.recno;
    eof = p.eof;
    bof = p.bof;
    index_pos = p.index_pos;
  }

  void ReleaseLocks() {
    if (!shared() || (locked_records.empty() && !file_locked)) return;
    UnlockRange(file->fd(), kRecordBase, 0);
    locked_records.clear();
    file_locked = false;
  }

  LockKind WriteKind() const { return file->writable() ? LockKind::kWrite : LockKind::kRead; }

  // Adds records after the last one. In shared use the table grows under a short lock so
  // that two programs appending at once get different record numbers, and the new record
  // is locked for the caller as xBase programs do on an append.
  Status AppendRecords(const char* records, uint32_t count) {
    if (!shared()) return file->Append(records, count);
    bool have = false;
    for (int attempt = 0; attempt < 200 && !have; ++attempt) {
      have = TryLockRange(file->fd(), kAppendMarker, 1, LockKind::kWrite);
      if (!have) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!have) return Status::Locked(file->path() + ": otro programa est\xE1 a\xF1" "adiendo registros");
    Status status = file->Refresh();
    if (status.ok() && !file_locked) {
      uint32_t first = file->record_count() + 1;
      if (!TryLockRange(file->fd(), kRecordBase + first, count, LockKind::kWrite)) {
        status = Status::Locked(file->path() + ": la tabla est\xE1 bloqueada por otro programa");
      } else {
        for (uint32_t i = 0; i < count; ++i) locked_records.push_back(first + i);
      }
    }
    if (status.ok()) status = file->Append(records, count, /*trim=*/false);
    UnlockRange(file->fd(), kAppendMarker, 1);
    return status;
  }

  void IndexNewRecords(uint32_t first, uint32_t count) {
    for (auto& index : indexes) {
      for (uint32_t r = first; r < first + count; ++r) index->Insert(r, index->expression().Evaluate(Record(r)));
    }
  }

  Status FlushIndexes() {
    Status first_error;
    for (auto& index : indexes) {
      Status s = index->Flush();
      if (!s.ok() && first_error.ok()) first_error = s;
    }
    return first_error;
  }
};

namespace {

// A file another program holds open may not be replaced under it: the replacement waits
// for a lock on the existing file, as a DOS program's create would fail on a shared file.
Status CheckNotInUse(const std::string& path) {
  auto existing = DbfFile::Open(path, true);
  if (!existing.ok()) return Status::Ok();  // missing, or not a table we could be sharing
  if (!TryLockRange(existing.value()->fd(), kOpenMarker, 1, LockKind::kWrite)) {
    return Status::Locked(path + ": est\xE1 abierto por otro programa");
  }
  return Status::Ok();
}

// Writes a complete table through `fill` to a temporary file and puts it in place of `path`.
Status WriteTable(const std::string& path, const RecordLayout& layout,
                  const std::function<Status(DbfWriter&)>& fill) {
  std::string target = ResolvePath(path);
  if (Status s = CheckNotInUse(target); !s.ok()) return s;
  auto temp = CreateTempBeside(target);
  if (!temp.ok()) return temp.status();
  DbfWriter writer(temp->fd, path, layout);
  Status status = fill(writer);
  if (status.ok()) status = writer.Finish();
  if (!os::CloseFile(temp->fd) && status.ok()) status = Status::IoError(path + ": no se pudo cerrar");
  if (!status.ok()) {
    os::RemoveFile(temp->path);
    return status;
  }
  return ReplaceWithTemp(temp->path, target);
}

// Converts one field of another table's record into a field of this one (APPEND FROM):
// equal types are copied as stored, text and numbers read each other as xBase does.
void ConvertField(const FieldDef& from, const char* source, const FieldDef& to, char* target) {
  if (from.type == to.type && (to.type != 'N' || (from.length == to.length && from.decimals == to.decimals))) {
    int n = std::min(from.length, to.length);
    std::memcpy(target, source, n);
    std::memset(target + n, ' ', to.length - n);
    return;
  }
  Value value;
  switch (to.type) {
    case 'C':
      value = std::string(AllTrim(std::string_view(source, from.length)));
      break;
    case 'N':
      value = from.type == 'L' ? 0.0 : Val(std::string_view(source, from.length));
      break;
    case 'D': {
      FieldDef as_date{from.name, 'D', 8, 0};
      value = from.length == 8 ? std::get<Date>(DecodeField(as_date, source)) : Date{};
      break;
    }
    default: {
      FieldDef as_logical{from.name, 'L', 1, 0};
      value = std::get<bool>(DecodeField(as_logical, source));
      break;
    }
  }
  if (!EncodeField(to, value, target).ok()) std::memset(target, ' ', to.length);
}

}  // namespace

Table::Table() : impl_(std::make_unique<Impl>()) {}

Table::~Table() {
  if (!impl_->file) return;
  LogUnreported(impl_->FlushIndexes().WithContext(alias_ + ": al cerrar"));
  impl_->ReleaseLocks();
}

Result<std::unique_ptr<Table>> Table::Open(const std::string& path, std::string_view alias, bool shared,
                                           bool read_only, const TableSettings* settings) {
  auto file = DbfFile::Open(path, !read_only);
  if (!file.ok()) return file.status();
  // A read-only descriptor cannot hold a write lock, so a read-only exclusive open takes
  // the read lock: it still keeps out every program that means to write.
  LockKind kind = (shared || read_only) ? LockKind::kRead : LockKind::kWrite;
  if (!TryLockRange(file.value()->fd(), kOpenMarker, 1, kind)) {
    return Status::Locked(path + ": est\xE1 abierto por otro programa");
  }
  std::unique_ptr<Table> table(new Table());
  Impl& impl = *table->impl_;
  impl.file = std::move(file.value());
  impl.settings = settings;
  impl.exclusive = !shared;
  impl.blank.assign(impl.file->record_length(), ' ');
  table->alias_ = UpperAscii(alias);
  table->path_ = path;
  table->read_only_ = read_only;
  table->mode_ = shared ? OpenMode::kShared : OpenMode::kExclusive;
  impl.First();
  return table;
}

bool Table::OthersWouldRefuse(bool shared, bool read_only) const {
  LockKind kind = (shared || read_only) ? LockKind::kRead : LockKind::kWrite;
  return OthersHoldConflictingLock(impl_->file->fd(), kOpenMarker, 1, kind);
}

const RecordLayout& Table::layout() const { return impl_->file->layout(); }

// Navigation cannot fail, so a shared table that cannot see what others appended moves
// over the records it already knew and the failure goes to the log.
void Table::GoTop() {
  if (impl_->shared()) LogUnreported(impl_->file->Refresh());
  impl_->First();
}

void Table::GoBottom() {
  if (impl_->shared()) LogUnreported(impl_->file->Refresh());
  impl_->Last();
}

void Table::GoTo(uint32_t recno) {
  if (impl_->shared() && recno > impl_->file->record_count()) LogUnreported(impl_->file->Refresh());
  impl_->bof = false;
  if (recno >= 1 && recno <= impl_->file->record_count()) {
    impl_->SetAt(recno);
  } else {
    impl_->SetEof();
  }
}

void Table::Skip(long count) {
  Impl& impl = *impl_;
  impl.bof = false;
  if (count == 0) return;
  if (count > 0) {
    if (impl.eof) return;
    for (long i = 0; i < count; ++i) {
      if (!impl.Next()) return;
    }
    return;
  }
  if (impl.eof) {
    // Stepping back from the end lands on the last record.
    impl.Last();
    if (impl.eof) return;
    ++count;
  }
  for (long i = 0; i > count; --i) {
    if (!impl.Previous()) {
      impl.bof = true;
      return;
    }
  }
}

bool Table::Eof() const { return impl_->eof; }
bool Table::Bof() const { return impl_->bof; }
uint32_t Table::RecNo() const { return impl_->eof ? impl_->file->record_count() + 1 : impl_->recno; }
uint32_t Table::LastRec() const { return impl_->file->record_count(); }

Result<bool> Table::Seek(const Value& key, bool soft) {
  Impl& impl = *impl_;
  NtxIndex* index = impl.Controlling();
  if (index == nullptr) return Status::InvalidArgument(alias_ + ": b\xFAsqueda sin \xEDndice activo");
  static constexpr char kTypes[] = {'C', 'N', 'D', 'L'};
  if (kTypes[key.index()] != index->expression().type()) {
    return Status::InvalidArgument(alias_ + ": el valor buscado no es del tipo de la clave " +
                                   index->expression().text());
  }
  std::string search = index->expression().EncodeSearch(key);
  if (search.size() > static_cast<size_t>(index->expression().size())) search.resize(index->expression().size());
  size_t p = index->LowerBound(search);
  while (p < index->size() && !impl.Visible(index->recno(p))) ++p;
  found_ = p < index->size() && index->key(p).substr(0, search.size()) == search;
  impl.bof = false;
  if (found_ || (soft && p < index->size())) {
    impl.SetAt(index->recno(p), p);
  } else {
    impl.SetEof();
  }
  return found_;
}

Result<bool> Table::Seek(const Value& key) { return Seek(key, impl_->settings->soft_seek); }

bool Table::Locate(const std::function<bool(Table&)>& condition) {
  for (GoTop(); !Eof(); Skip(1)) {
    if (condition(*this)) return found_ = true;
  }
  return found_ = false;
}

Status Table::Eval(const std::function<Status(Table&)>& action, const std::function<bool(Table&)>& condition) {
  for (GoTop(); !Eof(); Skip(1)) {
    if (condition && !condition(*this)) continue;
    if (Status s = action(*this); !s.ok()) return s;
  }
  return Status::Ok();
}

Value Table::Get(int field_index) const {
  const RecordLayout& l = layout();
  assert(field_index >= 0 && field_index < static_cast<int>(l.fields().size()));
  if (field_index < 0 || field_index >= static_cast<int>(l.fields().size())) return std::string();
  const char* record = impl_->eof ? impl_->blank.data() : impl_->Record(impl_->recno);
  return DecodeField(l.fields()[field_index], record + l.offset(field_index));
}

Value Table::Get(std::string_view field) const {
  int index = impl_->FieldIndex(field);
  assert(index >= 0 && "unknown field");
  return Get(index);  // an unknown field reads as empty text when assertions are off
}

std::string Table::GetText(std::string_view field) const {
  int index = impl_->FieldIndex(field);
  assert(index >= 0 && "unknown field");
  if (index < 0) return std::string();
  const char* record = impl_->eof ? impl_->blank.data() : impl_->Record(impl_->recno);
  return std::string(record + layout().offset(index), layout().fields()[index].length);
}

double Table::GetNumber(std::string_view field) const {
  int index = impl_->FieldIndex(field);
  if (index >= 0 && layout().fields()[index].type == 'N') {
    const char* record = impl_->eof ? impl_->blank.data() : impl_->Record(impl_->recno);
    return DecodeNumber(layout().fields()[index], record + layout().offset(index));
  }
  Value value = Get(field);
  const double* number = std::get_if<double>(&value);
  assert(number != nullptr && "not a numeric field");
  return number ? *number : 0;
}

Date Table::GetDate(std::string_view field) const {
  Value value = Get(field);
  const Date* date = std::get_if<Date>(&value);
  assert(date != nullptr && "not a date field");
  return date ? *date : Date{};
}

bool Table::GetLogical(std::string_view field) const {
  Value value = Get(field);
  const bool* flag = std::get_if<bool>(&value);
  assert(flag != nullptr && "not a logical field");
  return flag ? *flag : false;
}

Status Table::Put(std::string_view field, const Value& value) {
  int index = impl_->FieldIndex(field);
  if (index < 0) return Status::InvalidArgument(alias_ + ": no existe el campo " + std::string(field));
  return Put(index, value);
}

template <typename Encode>
Status Table::WriteField(int index, Encode encode) {
  Impl& impl = *impl_;
  const RecordLayout& layout = this->layout();
  if (index < 0 || static_cast<size_t>(index) >= layout.fields().size()) {
    return Status::InvalidArgument(alias_ + ": no existe el campo n\xFAmero " + std::to_string(index + 1));
  }
  if (read_only_) return ReadOnlyRefusal(path_);
  if (impl.eof) return Status::InvalidArgument(alias_ + ": no hay registro actual (fin de la tabla)");
  const FieldDef& def = layout.fields()[index];
  char* record = impl.file->MutableRecord(impl.recno);
  if (impl.indexes.empty()) {
    Status s = encode(def, record + layout.offset(index));
    return s.ok() ? s : s.WithContext(path_);
  }
  std::vector<std::string> old_keys;
  old_keys.reserve(impl.indexes.size());
  for (auto& ntx : impl.indexes) old_keys.push_back(ntx->expression().Evaluate(record));
  if (Status s = encode(def, record + layout.offset(index)); !s.ok()) return s.WithContext(path_);
  for (size_t i = 0; i < impl.indexes.size(); ++i) {
    std::string new_key = impl.indexes[i]->expression().Evaluate(record);
    if (new_key != old_keys[i]) impl.indexes[i]->Update(impl.recno, old_keys[i], new_key);
  }
  return Status::Ok();
}

Status Table::Put(int index, const Value& value) {
  return WriteField(index, [&](const FieldDef& def, char* bytes) { return EncodeField(def, value, bytes); });
}

Status Table::PutBytes(int index, std::string_view bytes) {
  return WriteField(index, [&](const FieldDef& def, char* field) {
    if (bytes.size() != static_cast<size_t>(def.length)) {
      return Status::InvalidArgument(def.name + ": se esperaban " + std::to_string(def.length) + " bytes");
    }
    std::memcpy(field, bytes.data(), bytes.size());
    return Status::Ok();
  });
}

bool Table::Deleted() const {
  if (impl_->eof) return false;
  return impl_->Record(impl_->recno)[0] == kDeletedFlag;
}

Status Table::SetDeletionFlag(char flag) {
  if (read_only_) return ReadOnlyRefusal(path_);
  if (impl_->eof) return Status::InvalidArgument(alias_ + ": no hay registro actual (fin de la tabla)");
  impl_->file->MutableRecord(impl_->recno)[0] = flag;
  return Status::Ok();
}

Status Table::Delete() { return SetDeletionFlag(kDeletedFlag); }
Status Table::Recall() { return SetDeletionFlag(kLiveFlag); }

Status Table::Append() {
  Impl& impl = *impl_;
  if (read_only_) return ReadOnlyRefusal(path_);
  if (impl.shared() && !impl.file_locked) impl.ReleaseLocks();  // as RLOCK: the new record's lock replaces them
  if (Status s = impl.AppendRecords(impl.blank.data(), 1); !s.ok()) return s;
  uint32_t recno = impl.file->record_count();
  impl.IndexNewRecords(recno, 1);
  impl.bof = false;
  impl.SetAt(recno);
  return Status::Ok();
}

Status Table::Pack() {
  Impl& impl = *impl_;
  if (read_only_ || impl.shared()) {
    return Status::InvalidArgument(path_ + ": compactar la tabla exige uso exclusivo");
  }
  auto temp = CreateTempBeside(path_);
  if (!temp.ok()) return temp.status();
  os::CopyPermissions(impl.file->fd(), temp->fd);  // the packed table keeps its permissions
  DbfWriter writer(temp->fd, path_, layout());
  Status status;
  Status scanned = impl.file->Scan([&](uint32_t, const char* record) {
    if (status.ok() && record[0] != kDeletedFlag) status = writer.Add(record);
  });
  if (status.ok()) status = scanned;
  if (status.ok()) status = writer.Finish();
  // A close that fails may have lost the last writes: the packed file is not used then.
  if (!os::CloseFile(temp->fd) && status.ok()) {
    status = Status::IoError(path_ + ": no se pudo cerrar la copia compactada");
  }
  std::unique_ptr<DbfFile> packed;
  if (status.ok()) {
    auto opened = DbfFile::Open(temp->path, true);
    if (opened.ok()) {
      packed = std::move(opened.value());
      // The new file is locked before it takes the table's name, so no other program can
      // open it in between.
      if (!TryLockRange(packed->fd(), kOpenMarker, 1, LockKind::kWrite)) {
        status = Status::Locked(path_ + ": no se pudo bloquear la tabla compactada");
      }
    } else {
      status = opened.status();
    }
  }
  // Windows never replaces a file that is open: there the old table is closed (the packed
  // one is locked already) and opened again if the replacement still fails. Elsewhere the
  // first replacement succeeds and the table is never without its file.
  if (status.ok() && !TryReplaceWithTemp(temp->path, path_)) {
    impl.file.reset();
    status = ReplaceWithTemp(temp->path, path_);
    if (!status.ok()) {
      auto reopened = DbfFile::Open(path_, true);
      if (reopened.ok() && TryLockRange(reopened.value()->fd(), kOpenMarker, 1, LockKind::kWrite)) {
        impl.file = std::move(reopened.value());
      } else {
        status = Status::IoError(path_ + ": la tabla no se pudo volver a abrir tras fallar la compactaci\xF3n");
      }
    }
  }
  if (!status.ok()) {
    os::RemoveFile(temp->path);
    return status.WithContext("compactando " + path_);
  }
  packed->Renamed(path_);
  impl.file = std::move(packed);
  return OrdListRebuild();
}

Status Table::Zap() {
  Impl& impl = *impl_;
  if (read_only_ || impl.shared()) {
    return Status::InvalidArgument(path_ + ": vaciar la tabla exige uso exclusivo");
  }
  if (Status s = impl.file->Truncate(); !s.ok()) return s;
  return OrdListRebuild();
}

Status Table::Commit() {
  Status status = impl_->file->Sync();
  Status indexes = impl_->FlushIndexes();
  return status.ok() ? indexes : status;
}

bool Table::RLock() {
  Impl& impl = *impl_;
  if (!impl.shared() || impl.file_locked) return true;
  if (impl.eof) return false;
  for (uint32_t r : impl.locked_records) {
    if (r == impl.recno) return true;
  }
  impl.ReleaseLocks();
  if (!TryLockRange(impl.file->fd(), kRecordBase + impl.recno, 1, impl.WriteKind())) return false;
  impl.locked_records.push_back(impl.recno);
  return true;
}

bool Table::FLock() {
  Impl& impl = *impl_;
  if (!impl.shared() || impl.file_locked) return true;
  impl.ReleaseLocks();
  if (!TryLockRange(impl.file->fd(), kRecordBase, 0, impl.WriteKind())) return false;
  impl.file_locked = true;
  // Writing under the lock on a view that misses others' records could overwrite them, so
  // a table that cannot be brought up to date is not locked.
  if (Status refreshed = impl.file->Refresh(); !refreshed.ok()) {
    LogUnreported(refreshed);
    impl.ReleaseLocks();
    return false;
  }
  return true;
}

void Table::Unlock() { impl_->ReleaseLocks(); }

Status Table::CreateIndex(const std::string& path, std::string_view key_text, bool unique) {
  Impl& impl = *impl_;
  auto expression = KeyExpression::Compile(key_text, alias_, layout());
  if (!expression.ok()) return expression.status();
  std::string target = ResolvePath(WithDefaultExtension(path, ".ntx"));
  auto index = NtxIndex::Create(target, std::move(expression.value()), unique, impl.Scanner());
  if (!index.ok()) return index.status();
  index.value()->set_shared_access(impl.shared());
  // As in xBase, the new index replaces the open ones and becomes the controlling order.
  Status closed = OrdListClear();
  impl.indexes.push_back(std::move(index.value()));
  impl.order = 0;
  GoTop();
  return closed;
}

Status Table::OrdListAdd(const std::string& path) {
  Impl& impl = *impl_;
  std::string target = ResolvePath(WithDefaultExtension(path, ".ntx"));
  if (!FileExists(target)) return Status::NotFound(target + ": no existe");
  auto index = NtxIndex::Open(target, alias_, layout());
  if (!index.ok()) return index.status();
  index.value()->set_shared_access(impl.shared());
  impl.indexes.push_back(std::move(index.value()));
  if (impl.order < 0) {
    impl.order = 0;
    impl.index_pos = NtxIndex::npos;
  }
  return Status::Ok();
}

Status Table::OrdListClear() {
  Impl& impl = *impl_;
  Status status = impl.FlushIndexes();
  impl.indexes.clear();
  impl.order = -1;
  impl.index_pos = NtxIndex::npos;
  return status;
}

Status Table::OrdListRebuild() {
  Impl& impl = *impl_;
  Status status;
  for (auto& index : impl.indexes) {
    Status s = index->Rebuild(impl.Scanner());
    if (s.ok()) s = index->Flush();
    if (!s.ok() && status.ok()) status = s;
  }
  GoTop();
  return status;
}

Status Table::OrdSetFocus(std::string_view order) {
  Impl& impl = *impl_;
  if (order.empty()) {
    impl.order = -1;
    impl.index_pos = NtxIndex::npos;
    return Status::Ok();
  }
  std::string wanted(order);
  size_t slash = wanted.find_last_of('/');
  if (slash != std::string::npos) wanted = wanted.substr(slash + 1);
  size_t dot = wanted.find('.');
  if (dot != std::string::npos) wanted.resize(dot);
  wanted = UpperAscii(wanted);
  for (size_t i = 0; i < impl.indexes.size(); ++i) {
    if (UpperAscii(impl.indexes[i]->OrderName()) == wanted) {
      impl.order = static_cast<int>(i);
      impl.index_pos = NtxIndex::npos;
      return Status::Ok();
    }
  }
  return Status::InvalidArgument(alias_ + ": no hay ning\xFAn \xEDndice abierto llamado " + std::string(order));
}

const NtxIndex* Table::ControllingIndex() const { return impl_->Controlling(); }

Status Table::CopyStructure(const std::string& path) const {
  return CreateTable(WithDefaultExtension(path, ".dbf"), fields());
}

Status Table::CopyTo(const std::string& path) {
  Impl& impl = *impl_;
  Impl::Position saved = impl.Save();
  Status status = WriteTable(WithDefaultExtension(path, ".dbf"), layout(), [&](DbfWriter& writer) {
    for (impl.First(); !impl.eof; impl.Next()) {
      if (Status s = writer.Add(impl.Record(impl.recno)); !s.ok()) return s;
    }
    return Status::Ok();
  });
  impl.Restore(saved);
  return status;
}

Status Table::AppendFrom(const std::string& path) {
  Impl& impl = *impl_;
  if (read_only_) return ReadOnlyRefusal(path_);
  std::string source_path = ResolvePath(WithDefaultExtension(path, ".dbf"));
  auto source = DbfFile::Open(source_path, false);
  if (!source.ok()) return source.status();
  const DbfFile& from = *source.value();
  if (!TryLockRange(from.fd(), kOpenMarker, 1, LockKind::kRead)) {
    return Status::Locked(source_path + ": est\xE1 abierto por otro programa");
  }
  const RecordLayout& target = layout();
  std::vector<int> matches(target.fields().size());
  for (size_t i = 0; i < matches.size(); ++i) matches[i] = from.layout().Find(target.fields()[i].name);

  std::string records;
  uint32_t count = 0;
  Status status = from.Scan([&](uint32_t, const char* record) {
    if (record[0] == kDeletedFlag && impl.settings->hide_deleted) return;
    size_t start = records.size();
    records.append(impl.blank);
    char* out = &records[start];
    out[0] = record[0];
    for (size_t i = 0; i < matches.size(); ++i) {
      if (matches[i] < 0) continue;
      ConvertField(from.layout().fields()[matches[i]], record + from.layout().offset(matches[i]),
                   target.fields()[i], out + target.offset(static_cast<int>(i)));
    }
    ++count;
  });
  if (!status.ok() || count == 0) return status;
  uint32_t first = impl.file->record_count() + 1;
  if (impl.shared() && !impl.file_locked) impl.ReleaseLocks();
  if (Status s = impl.AppendRecords(records.data(), count); !s.ok()) return s;
  first = impl.file->record_count() - count + 1;
  impl.IndexNewRecords(first, count);
  impl.bof = false;
  impl.SetAt(impl.file->record_count());
  return Status::Ok();
}

Status Table::ExportSdf(const std::string& path) {
  Impl& impl = *impl_;
  Impl::Position saved = impl.Save();
  const RecordLayout& l = layout();
  std::string text;
  for (impl.First(); !impl.eof; impl.Next()) {
    const char* record = impl.Record(impl.recno);
    for (size_t i = 0; i < l.fields().size(); ++i) {
      const FieldDef& field = l.fields()[i];
      const char* bytes = record + l.offset(static_cast<int>(i));
      if (field.type == 'L') {
        text.push_back(std::get<bool>(DecodeField(field, bytes)) ? 'T' : 'F');
      } else {
        // Numbers as stored, dates as their stored yyyymmdd, text blank padded.
        text.append(bytes, field.length);
      }
    }
    text.append("\r\n");
  }
  text.push_back(kDbfEndOfFile);
  impl.Restore(saved);
  return WriteFileAtomically(WithDefaultExtension(path, ".txt"), text);
}

Status Table::Scan(const RecordVisitor& visit) const { return impl_->ScanRecords(visit); }

Status CreateTable(const std::string& path, const std::vector<FieldDef>& fields) {
  std::vector<FieldDef> upper = fields;
  for (FieldDef& field : upper) field.name = UpperAscii(field.name);
  if (Status s = ValidateFields(upper); !s.ok()) return Status::InvalidArgument(path + ": " + s.message());
  RecordLayout layout(std::move(upper));
  return WriteTable(WithDefaultExtension(path, ".dbf"), layout, [](DbfWriter&) { return Status::Ok(); });
}

}  // namespace movarel::storage
