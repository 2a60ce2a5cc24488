#pragma once
// Operating-system locks on a table file. They are open-file-description locks, so two opens
// of one file inside this process conflict exactly as two programs do, and a refused lock
// returns at once instead of waiting.
//
// Byte ranges (far beyond any real table, so they never touch data):
//   open marker   kOpenMarker, 1 byte: read lock = shared open, write lock = exclusive open
//   append lock   kAppendMarker, 1 byte: held only while a shared table grows
//   record n      kRecordBase + n, 1 byte
//   whole file    kRecordBase to the end of every possible offset
// The record range starts at 1,000,000,000 as the DOS-era xBase programs lock it.

#include <cstdint>

namespace movarel::storage {

enum class LockKind { kRead, kWrite };

inline constexpr int64_t kRecordBase = 1'000'000'000;
inline constexpr int64_t kOpenMarker = kRecordBase - 2;
inline constexpr int64_t kAppendMarker = kRecordBase - 1;

// Tries to lock [offset, offset + length) of `fd`; length 0 means "to every later offset".
// False when another open of the file holds a conflicting lock (or locking failed).
bool TryLockRange(int fd, int64_t offset, int64_t length, LockKind kind);
void UnlockRange(int fd, int64_t offset, int64_t length);
// True when another open of the file holds a lock that would refuse this one; locks held
// through `fd` itself are not counted.
bool OthersHoldConflictingLock(int fd, int64_t offset, int64_t length, LockKind kind);

}  // namespace movarel::storage
