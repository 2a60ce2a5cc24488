// Byte-range locks with LockFileEx at the same offsets as on POSIX, so a Windows and a
// Linux program, or the DOS program, on one shared folder see each other's locks. Windows
// locks stack instead of replacing each other and are released only range by range as
// they were taken, so the locks held through each descriptor are recorded here to give
// the POSIX behaviour the tables rely on: locking a range again changes its kind, and an
// unlock releases every lock inside its range.
#include <windows.h>
#include <io.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "storage/file_lock.h"

namespace movarel::storage {
namespace {

struct HeldLock {
  uint64_t length;  // never 0: "to every later offset" is stored as its real length
  LockKind kind;
};

std::mutex held_mutex;
std::map<int, std::map<uint64_t, HeldLock>> held;  // descriptor -> offset -> lock

uint64_t RealLength(int64_t offset, int64_t length) {
  return length > 0 ? static_cast<uint64_t>(length) : UINT64_MAX - static_cast<uint64_t>(offset);
}

OVERLAPPED At(uint64_t offset) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return at;
}

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

bool Lock(int fd, uint64_t offset, uint64_t length, LockKind kind) {
  OVERLAPPED at = At(offset);
  DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (kind == LockKind::kWrite ? LOCKFILE_EXCLUSIVE_LOCK : 0);
  return LockFileEx(HandleOf(fd), flags, 0, static_cast<DWORD>(length & 0xFFFFFFFFu),
                    static_cast<DWORD>(length >> 32), &at) != 0;
}

void Unlock(int fd, uint64_t offset, uint64_t length) {
  OVERLAPPED at = At(offset);
  UnlockFileEx(HandleOf(fd), 0, static_cast<DWORD>(length & 0xFFFFFFFFu), static_cast<DWORD>(length >> 32), &at);
}

// The locks of `fd` that overlap [offset, offset + length).
std::vector<std::pair<uint64_t, HeldLock>> Overlapping(int fd, uint64_t offset, uint64_t length) {
  std::vector<std::pair<uint64_t, HeldLock>> found;
  auto it = held.find(fd);
  if (it == held.end()) return found;
  for (const auto& [start, lock] : it->second) {
    if (start < offset + length && offset < start + lock.length) found.emplace_back(start, lock);
  }
  return found;
}

}  // namespace

void ForgetLocks(int fd) {
  std::lock_guard<std::mutex> guard(held_mutex);
  held.erase(fd);
}

bool TryLockRange(int fd, int64_t offset, int64_t length, LockKind kind) {
  std::lock_guard<std::mutex> guard(held_mutex);
  uint64_t start = static_cast<uint64_t>(offset), size = RealLength(offset, length);
  auto own = Overlapping(fd, start, size);
  if (own.size() == 1 && own[0].first == start && own[0].second.length == size && own[0].second.kind == kind) {
    return true;
  }
  // The own locks in the way are given up for the new one, and taken back if it is refused.
  for (const auto& [at, lock] : own) Unlock(fd, at, lock.length);
  if (!Lock(fd, start, size, kind)) {
    for (const auto& [at, lock] : own) Lock(fd, at, lock.length, lock.kind);
    return false;
  }
  auto& mine = held[fd];
  for (const auto& [at, lock] : own) mine.erase(at);
  mine[start] = HeldLock{size, kind};
  return true;
}

void UnlockRange(int fd, int64_t offset, int64_t length) {
  std::lock_guard<std::mutex> guard(held_mutex);
  auto own = Overlapping(fd, static_cast<uint64_t>(offset), RealLength(offset, length));
  for (const auto& [at, lock] : own) {
    Unlock(fd, at, lock.length);
    held[fd].erase(at);
  }
}

bool OthersHoldConflictingLock(int fd, int64_t offset, int64_t length, LockKind kind) {
  std::lock_guard<std::mutex> guard(held_mutex);
  uint64_t start = static_cast<uint64_t>(offset), size = RealLength(offset, length);
  auto own = Overlapping(fd, start, size);
  for (const auto& [at, lock] : own) {
    if (lock.kind == LockKind::kWrite) return false;  // nobody else can hold any
  }
  // A trial lock through the same handle: own read locks stack under a trial read lock, but
  // would refuse a trial write lock, so for that they step aside for the moment of the trial.
  bool step_aside = kind == LockKind::kWrite;
  if (step_aside) {
    for (const auto& [at, lock] : own) Unlock(fd, at, lock.length);
  }
  bool free = Lock(fd, start, size, kind);
  if (free) Unlock(fd, start, size);
  if (step_aside) {
    for (const auto& [at, lock] : own) Lock(fd, at, lock.length, lock.kind);
  }
  return !free;
}

}  // namespace movarel::storage
