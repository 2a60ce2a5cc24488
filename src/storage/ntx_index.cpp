#include "storage/ntx_index.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "storage/file_lock.h"
#include "storage/os_file.h"

namespace movarel::storage {

namespace {

// The .ntx header page (all little-endian): signature, update counter, root page offset,
// first free page, item size, key size, key decimals, maximum keys per page, half of it,
// the key text (256 bytes, NUL padded), unique flag, descending flag, FOR condition text.
constexpr size_t kPageSize = 1024;
constexpr uint16_t kSignature = 0x0006;
constexpr size_t kVersionAt = 2;
constexpr size_t kRootAt = 4;
constexpr size_t kFreeAt = 8;
constexpr size_t kItemSizeAt = 12;
constexpr size_t kKeySizeAt = 14;
constexpr size_t kDecimalsAt = 16;
constexpr size_t kMaxKeysAt = 18;
constexpr size_t kHalfAt = 20;
constexpr size_t kKeyTextAt = 22;
constexpr size_t kKeyTextLength = 256;
constexpr size_t kUniqueAt = 278;
constexpr size_t kDescendingAt = 280;
constexpr size_t kConditionAt = 282;
// Beyond this a key no longer leaves room for two items in a page.
constexpr int kMaxNtxKeySize = 256;

uint16_t Get16(const char* p) {
  return static_cast<uint16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
}
uint32_t Get32(const char* p) {
  return static_cast<uint32_t>(Get16(p)) | (static_cast<uint32_t>(Get16(p + 2)) << 16);
}
void Put16(char* p, uint32_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(char* p, uint32_t v) {
  Put16(p, v & 0xFFFF);
  Put16(p + 2, v >> 16);
}

std::string Errno() { return os::ErrorText(); }

// Closes a descriptor on every way out.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) os::CloseFile(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

bool ReadAt(int fd, char* buffer, size_t length, uint64_t offset) {
  while (length > 0) {
    int64_t n = os::ReadAt(fd, buffer, length, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    buffer += n;
    length -= static_cast<size_t>(n);
    offset += static_cast<uint64_t>(n);
  }
  return true;
}

bool WriteAll(int fd, const char* data, size_t length) {
  while (length > 0) {
    int64_t n = os::WriteSome(fd, data, length);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    length -= static_cast<size_t>(n);
  }
  return true;
}

// Pages go out through one buffer so that writing an index of a million keys costs a
// few hundred system calls.
class PageWriter {
 public:
  explicit PageWriter(int fd) : fd_(fd) { buffer_.reserve(kBufferSize); }
  bool Add(const char* page) {
    buffer_.append(page, kPageSize);
    pages_++;
    return buffer_.size() < kBufferSize || Drain();
  }
  bool Drain() {
    bool ok = WriteAll(fd_, buffer_.data(), buffer_.size());
    buffer_.clear();
    return ok;
  }
  uint32_t next_offset() const { return static_cast<uint32_t>(pages_ * kPageSize); }

 private:
  static constexpr size_t kBufferSize = 1 << 20;
  int fd_;
  std::string buffer_;
  uint64_t pages_ = 0;
};

}  // namespace

int NtxMaxKeysPerPage(int key_size) {
  int max = 1022 / (key_size + 10) - 1;
  if (max % 2 == 1 && max > 2) --max;
  return max;
}

uint32_t NtxIndex::recno(size_t position) const {
  uint32_t recno;
  std::memcpy(&recno, Slot(order_[position]) + key_size_, sizeof recno);
  return recno;
}

std::string NtxIndex::OrderName() const {
  size_t slash = path_.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
  size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return Upper(name);
}

void NtxIndex::Configure(KeyExpression expression, bool unique) {
  expression_ = std::move(expression);
  unique_ = unique;
  key_size_ = expression_.size();
  slot_size_ = static_cast<size_t>(key_size_) + sizeof(uint32_t);
  ClearKeys();
}

void NtxIndex::ClearKeys() {
  chunks_.clear();
  order_.clear();
  slot_count_ = 0;
}

uint32_t NtxIndex::AddSlot(const char* key, uint32_t recno) {
  uint32_t slot = slot_count_++;
  if (slot / kSlotsPerChunk >= chunks_.size()) {
    // Not zeroed: every slot is written before it is read, and a chunk is megabytes.
    chunks_.push_back(std::make_unique_for_overwrite<char[]>(kSlotsPerChunk * slot_size_));
  }
  char* p = MutableSlot(slot);
  std::memcpy(p, key, static_cast<size_t>(key_size_));
  std::memcpy(p + key_size_, &recno, sizeof recno);
  return slot;
}

struct NtxIndex::SortItem {
  uint64_t part;  // eight key bytes as one big-endian number, or the record number
  uint32_t slot;
};

// Sorts [begin, end) by the key bytes from `depth` on, then by record number. Each round
// reads eight key bytes per item into SortItem::part and sorts on that number alone; runs
// that tie go one round deeper. Comparing slot numbers with memcmp instead spends its time
// fetching keys from all over the store, and names share long beginnings.
void NtxIndex::SortRange(SortItem* begin, SortItem* end, size_t depth) const {
  const size_t size = static_cast<size_t>(key_size_);
  const bool by_recno = depth >= size;
  for (SortItem* it = begin; it != end; ++it) {
    const char* slot = Slot(it->slot);
    if (by_recno) {
      uint32_t recno;
      std::memcpy(&recno, slot + size, sizeof recno);
      it->part = recno;
    } else {
      const unsigned char* k = reinterpret_cast<const unsigned char*>(slot) + depth;
      size_t avail = std::min<size_t>(size - depth, 8);
      uint64_t part = 0;
      for (size_t b = 0; b < 8; ++b) part = part << 8 | (b < avail ? k[b] : 0);
      it->part = part;
    }
  }
  std::sort(begin, end, [](const SortItem& a, const SortItem& b) { return a.part < b.part; });
  if (by_recno) return;
  for (SortItem* run = begin; run != end;) {
    SortItem* next = run + 1;
    while (next != end && next->part == run->part) ++next;
    if (next - run > 1) SortRange(run, next, depth + 8);
    run = next;
  }
}

void NtxIndex::SortOrder() {
  const size_t size = static_cast<size_t>(key_size_);
  std::vector<SortItem> items(order_.size());
  for (size_t i = 0; i < order_.size(); ++i) items[i] = SortItem{0, order_[i]};
  if (!items.empty()) SortRange(items.data(), items.data() + items.size(), 0);
  order_.clear();
  for (size_t i = 0; i < items.size(); ++i) {
    // A unique index keeps the first record of each key: the lowest record number.
    if (unique_ && i > 0 && std::memcmp(Slot(items[i].slot), Slot(items[i - 1].slot), size) == 0) continue;
    order_.push_back(items[i].slot);
  }
}

Result<std::unique_ptr<NtxIndex>> NtxIndex::Create(const std::string& path, KeyExpression expression,
                                                   bool unique, const RecordScan& scan,
                                                   bool shared_access) {
  // Cut short to fit the header, the key text could not be read back: refused instead.
  if (expression.text().size() > kKeyTextLength - 1) {
    return Status::InvalidArgument(path + ": la expresi\xF3n de la clave tiene " +
                                   std::to_string(expression.text().size()) +
                                   " caracteres y el \xEDndice admite " + std::to_string(kKeyTextLength - 1));
  }
  std::unique_ptr<NtxIndex> index(new NtxIndex());
  index->path_ = path;
  index->shared_access_ = shared_access;
  index->Configure(std::move(expression), unique);
  Status status = index->Rebuild(scan);
  if (!status.ok()) return status;
  return index;
}

Status NtxIndex::Rebuild(const RecordScan& scan) {
  ClearKeys();
  std::string key(static_cast<size_t>(key_size_), ' ');
  Status status = scan([&](uint32_t recno, const char* record) {
    expression_.EvaluateInto(record, key.data());
    AddSlot(key.data(), recno);
  });
  if (!status.ok()) return status.WithContext("indexando " + path_);
  order_.resize(slot_count_);
  for (uint32_t i = 0; i < slot_count_; ++i) order_[i] = i;
  SortOrder();
  dirty_ = true;
  return Flush();
}

std::string NtxIndex::NormalizeKey(const std::string& key) const {
  std::string normal = key;
  normal.resize(static_cast<size_t>(key_size_), ' ');
  return normal;
}

size_t NtxIndex::LowerBoundEntry(const char* key, uint32_t recno) const {
  const size_t size = static_cast<size_t>(key_size_);
  auto it = std::lower_bound(order_.begin(), order_.end(), 0u, [&](uint32_t slot, uint32_t) {
    const char* k = Slot(slot);
    int c = std::memcmp(k, key, size);
    if (c != 0) return c < 0;
    uint32_t r;
    std::memcpy(&r, k + size, sizeof r);
    return r < recno;
  });
  return static_cast<size_t>(it - order_.begin());
}

size_t NtxIndex::LowerBound(std::string_view key) const {
  const size_t size = static_cast<size_t>(key_size_);
  const size_t compared = std::min(size, key.size());
  auto it = std::lower_bound(order_.begin(), order_.end(), 0u, [&](uint32_t slot, uint32_t) {
    int c = std::memcmp(Slot(slot), key.data(), compared);
    if (c != 0) return c < 0;
    // A search text longer than the key: the key, being its shorter prefix, is less.
    return key.size() > size;
  });
  return static_cast<size_t>(it - order_.begin());
}

size_t NtxIndex::Find(std::string_view key, uint32_t recno) const {
  std::string normal = NormalizeKey(std::string(key));
  size_t position = LowerBoundEntry(normal.data(), recno);
  if (position < order_.size() && this->recno(position) == recno &&
      this->key(position) == std::string_view(normal)) {
    return position;
  }
  return npos;
}

void NtxIndex::Insert(uint32_t recno, const std::string& key) {
  std::string normal = NormalizeKey(key);
  size_t position = LowerBoundEntry(normal.data(), recno);
  if (unique_) {
    // The first record of each key stays; a later one with the same key is not indexed.
    size_t first = LowerBound(normal);
    if (first < order_.size() && this->key(first) == std::string_view(normal)) return;
  }
  uint32_t slot = AddSlot(normal.data(), recno);
  order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(position), slot);
  dirty_ = true;
}

void NtxIndex::Update(uint32_t recno, const std::string& old_key, const std::string& new_key) {
  std::string old_normal = NormalizeKey(old_key);
  std::string new_normal = NormalizeKey(new_key);
  if (old_normal == new_normal) return;
  size_t position = Find(old_normal, recno);
  if (position != npos) {
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(position));
    dirty_ = true;
  }
  Insert(recno, new_normal);
}

Status NtxIndex::Flush() {
  if (!dirty_) return Status::Ok();
  Status status = Write();
  if (status.ok()) dirty_ = false;
  return status;
}

Status NtxIndex::Write() {
  // While the file is rewritten under shared access, other programs see it locked the
  // way DOS-era xBase programs lock an index they update.
  Fd lock_fd(shared_access_ ? os::OpenFile(path_, os::OpenMode::kReadWrite) : -1);
  if (shared_access_) {
    if (lock_fd.get() >= 0 && !TryLockRange(lock_fd.get(), kRecordBase, 1, LockKind::kWrite)) {
      return Status::Locked(path_ + ": el \xED" "ndice est\xE1 bloqueado por otro programa");
    }
  }

  const int max_keys = NtxMaxKeysPerPage(key_size_);
  const size_t item_size = static_cast<size_t>(key_size_) + 8;
  const size_t items_at = 2 + 2 * static_cast<size_t>(max_keys + 1);

  std::string temp = path_ + "~";
  Fd fd(os::OpenFile(temp, os::OpenMode::kCreate));
  if (fd.get() < 0) return Status::IoError(temp + ": " + Errno());
  auto fail = [&](const std::string& what) {
    os::RemoveFile(temp);
    return Status::IoError(temp + ": " + what);
  };

  PageWriter writer(fd.get());
  char page[kPageSize];
  std::memset(page, 0, kPageSize);
  if (!writer.Add(page)) return fail(Errno());  // the header, rewritten at the end

  // Builds the tree bottom-up, one level at a time. A level of K keys gets
  // P = ceil((K + 1) / (max + 1)) pages; the keys are dealt out evenly, and the key after
  // each page but the last goes up to the next level, where it separates the two pages.
  // Every page thus holds real keys and children, every leaf lies at the same depth and
  // every page but the root is at least half full, as xBase readers and updaters expect.
  std::vector<uint32_t> level;       // positions in key order of the keys of this level
  bool leaves = true;
  size_t key_count = order_.size();  // keys of this level (the leaf level holds them all)
  uint32_t children_at = 0;          // offset of the first page of the level below
  uint32_t root = 0;
  for (;;) {
    size_t pages = key_count == 0 ? 1 : (key_count + 1 + static_cast<size_t>(max_keys)) / (max_keys + 1);
    size_t in_pages = key_count - (pages - 1);
    size_t base = in_pages / pages;
    size_t extra = in_pages % pages;
    std::vector<uint32_t> up;
    up.reserve(pages - 1);
    uint32_t level_at = writer.next_offset();
    size_t next = 0;   // next key of this level
    size_t child = 0;  // next page of the level below
    for (size_t p = 0; p < pages; ++p) {
      size_t n = base + (p < extra ? 1 : 0);
      std::memset(page, 0, kPageSize);
      Put16(page, static_cast<uint32_t>(n));
      for (size_t i = 0; i <= static_cast<size_t>(max_keys); ++i) {
        Put16(page + 2 + 2 * i, static_cast<uint32_t>(items_at + i * item_size));
      }
      for (size_t i = 0; i <= n; ++i) {
        char* item = page + items_at + i * item_size;
        if (!leaves) Put32(item, children_at + static_cast<uint32_t>(child++ * kPageSize));
        if (i == n) break;
        size_t position = leaves ? next : level[next];
        ++next;
        Put32(item + 4, recno(position));
        std::memcpy(item + 8, key(position).data(), static_cast<size_t>(key_size_));
      }
      if (p + 1 < pages) {
        up.push_back(static_cast<uint32_t>(leaves ? next : level[next]));
        ++next;
      }
      if (!writer.Add(page)) return fail(Errno());
    }
    if (pages == 1) {
      root = level_at;
      break;
    }
    level = std::move(up);
    key_count = level.size();
    children_at = level_at;
    leaves = false;
  }
  if (!writer.Drain()) return fail(Errno());

  std::memset(page, 0, kPageSize);
  uint16_t version = static_cast<uint16_t>(version_ + 1);
  Put16(page, kSignature);
  Put16(page + kVersionAt, version);
  Put32(page + kRootAt, root);
  Put32(page + kFreeAt, 0);
  Put16(page + kItemSizeAt, static_cast<uint32_t>(item_size));
  Put16(page + kKeySizeAt, static_cast<uint32_t>(key_size_));
  Put16(page + kDecimalsAt, static_cast<uint32_t>(expression_.decimals()));
  Put16(page + kMaxKeysAt, static_cast<uint32_t>(max_keys));
  Put16(page + kHalfAt, static_cast<uint32_t>(max_keys / 2));
  std::memcpy(page + kKeyTextAt, expression_.text().data(), std::min(expression_.text().size(), kKeyTextLength - 1));
  page[kUniqueAt] = unique_ ? 1 : 0;
  page[kDescendingAt] = 0;
  if (os::WriteAt(fd.get(), page, kPageSize, 0) != static_cast<int64_t>(kPageSize)) return fail(Errno());
  // No fsync: an index is derived data, and one found damaged is rebuilt from its table.
  if (!os::CloseFile(fd.release())) return fail(Errno());
  // Windows never replaces a file that is open: the lock ends here, as it does on POSIX
  // when the rename leaves the locked file behind.
  if (lock_fd.get() >= 0) os::CloseFile(lock_fd.release());
  if (!os::RenameReplacing(temp, path_)) {
    std::string error = Errno();
    os::RemoveFile(temp);
    return Status::IoError(path_ + ": no se pudo reemplazar: " + error);
  }
  version_ = version;
  return Status::Ok();
}

Result<std::unique_ptr<NtxIndex>> NtxIndex::Open(const std::string& path, std::string_view alias,
                                                 const RecordLayout& layout) {
  Fd fd(os::OpenFile(path, os::OpenMode::kRead));
  if (fd.get() < 0) {
    if (errno == ENOENT) return Status::NotFound(path + ": no existe");
    return Status::IoError(path + ": " + Errno());
  }
  uint64_t file_size = 0;
  if (!os::RegularFileSize(fd.get(), &file_size)) return Status::IoError(path + ": " + Errno());
  auto corrupt = [&](const std::string& why) {
    return Status::Corrupt(path + ": no es un \xED" "ndice .ntx v\xE1lido (" + why + ")");
  };
  if (file_size < kPageSize) return corrupt("fichero demasiado corto");

  char header[kPageSize];
  if (!ReadAt(fd.get(), header, kPageSize, 0)) return Status::IoError(path + ": " + Errno());
  if (Get16(header) != kSignature) return corrupt("firma " + std::to_string(Get16(header)));
  const int key_size = Get16(header + kKeySizeAt);
  const size_t item_size = Get16(header + kItemSizeAt);
  const int max_keys = Get16(header + kMaxKeysAt);
  if (key_size < 1 || key_size > kMaxNtxKeySize) return corrupt("longitud de clave " + std::to_string(key_size));
  if (item_size != static_cast<size_t>(key_size) + 8) return corrupt("longitud de elemento " + std::to_string(item_size));
  if (max_keys < 2 || 2 + 2 * static_cast<size_t>(max_keys + 1) + item_size > kPageSize) {
    return corrupt("m\xE1ximo de claves por p\xE1gina " + std::to_string(max_keys));
  }
  if (header[kConditionAt] != 0) {
    return Status::NotSupported(path + ": \xED" "ndice con condici\xF3n FOR");
  }
  if (header[kDescendingAt] != 0) return Status::NotSupported(path + ": \xED" "ndice descendente");

  std::string text(header + kKeyTextAt, kKeyTextLength);
  text.resize(std::strlen(text.c_str()));
  Result<KeyExpression> expression = KeyExpression::Compile(AllTrim(text), alias, layout);
  if (!expression.ok()) return expression.status().WithContext(path);
  if (expression->size() != key_size) {
    return Status::InvalidArgument(path + ": la clave \"" + text + "\" da " + std::to_string(expression->size()) +
                                   " bytes y el \xED" "ndice guarda " + std::to_string(key_size));
  }

  std::unique_ptr<NtxIndex> index(new NtxIndex());
  index->path_ = path;
  index->Configure(std::move(*expression), header[kUniqueAt] != 0);
  index->version_ = Get16(header + kVersionAt);

  // Walks the tree in order: child 0, key 0, child 1, ..., key n-1, child n, every item
  // found through the page's offset table. Pages are checked to lie inside the file, and
  // a page met twice (a cycle, or two parents) makes the file corrupt.
  const uint64_t page_count = file_size / kPageSize;
  std::vector<bool> seen(page_count, false);
  struct Frame {
    char page[kPageSize];
    size_t n;
    size_t next;      // next item to visit
    bool descended;   // its child has been walked
  };
  std::vector<Frame> stack;
  auto enter = [&](uint32_t offset) -> Status {
    if (offset % kPageSize != 0 || offset == 0 || offset / kPageSize >= page_count) {
      return corrupt("p\xE1gina en " + std::to_string(offset) + " fuera del fichero");
    }
    if (seen[offset / kPageSize]) return corrupt("p\xE1gina en " + std::to_string(offset) + " enlazada dos veces");
    seen[offset / kPageSize] = true;
    stack.emplace_back();
    Frame& frame = stack.back();
    if (!ReadAt(fd.get(), frame.page, kPageSize, offset)) return Status::IoError(path + ": " + Errno());
    frame.n = Get16(frame.page);
    frame.next = 0;
    frame.descended = false;
    if (frame.n > static_cast<size_t>(max_keys)) {
      return corrupt("p\xE1gina en " + std::to_string(offset) + " con " + std::to_string(frame.n) + " claves");
    }
    for (size_t i = 0; i <= frame.n; ++i) {
      size_t at = Get16(frame.page + 2 + 2 * i);
      if (at < 2 || at + item_size > kPageSize) {
        return corrupt("elemento fuera de la p\xE1gina en " + std::to_string(offset));
      }
    }
    return Status::Ok();
  };
  auto item = [&](const Frame& frame, size_t i) { return frame.page + Get16(frame.page + 2 + 2 * i); };

  Status status = enter(Get32(header + kRootAt));
  if (!status.ok()) return status;
  std::string previous;
  bool have_previous = false;
  bool need_sort = false;
  while (!stack.empty()) {
    Frame& frame = stack.back();
    size_t i = frame.next;
    if (i > frame.n) {
      stack.pop_back();
      continue;
    }
    const char* it = item(frame, i);
    uint32_t child = Get32(it);
    if (child != 0 && !frame.descended) {
      frame.descended = true;
      status = enter(child);  // invalidates `frame`
      if (!status.ok()) return status;
      continue;
    }
    frame.next = i + 1;
    frame.descended = false;
    if (i == frame.n) continue;
    uint32_t recno = Get32(it + 4);
    if (recno == 0) return corrupt("registro 0");
    std::string_view key(it + 8, static_cast<size_t>(key_size));
    if (have_previous) {
      int c = std::memcmp(previous.data(), key.data(), static_cast<size_t>(key_size));
      if (c > 0) return corrupt("claves desordenadas");
      if (c == 0) need_sort = true;  // equal keys: record numbers checked by the sort below
    }
    previous.assign(key);
    have_previous = true;
    uint32_t slot = index->AddSlot(key.data(), recno);
    index->order_.push_back(slot);
  }
  // Equal keys may come in any record order from other writers; the list needs them
  // by record number.
  if (need_sort) {
    bool unique = index->unique_;
    index->unique_ = false;
    index->SortOrder();
    index->unique_ = unique;
  }
  return index;
}

}  // namespace movarel::storage
