#include "storage/file_lock.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

namespace movarel::storage {
namespace {

bool SetLock(int fd, short type, int64_t offset, int64_t length) {
  struct flock lock;
  std::memset(&lock, 0, sizeof lock);
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = offset;
  lock.l_len = length;
  lock.l_pid = 0;  // required for open-file-description locks
  for (;;) {
    if (fcntl(fd, F_OFD_SETLK, &lock) == 0) return true;
    if (errno != EINTR) return false;
  }
}

}  // namespace

bool TryLockRange(int fd, int64_t offset, int64_t length, LockKind kind) {
  return SetLock(fd, kind == LockKind::kWrite ? F_WRLCK : F_RDLCK, offset, length);
}

void UnlockRange(int fd, int64_t offset, int64_t length) { SetLock(fd, F_UNLCK, offset, length); }

bool OthersHoldConflictingLock(int fd, int64_t offset, int64_t length, LockKind kind) {
  struct flock lock;
  std::memset(&lock, 0, sizeof lock);
  lock.l_type = kind == LockKind::kWrite ? F_WRLCK : F_RDLCK;
  lock.l_whence = SEEK_SET;
  lock.l_start = offset;
  lock.l_len = length;
  lock.l_pid = 0;
  if (fcntl(fd, F_OFD_GETLK, &lock) != 0) return true;
  return lock.l_type != F_UNLCK;
}

}  // namespace movarel::storage
