#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "storage/os_file.h"

namespace movarel::storage::os {

const char* const kPathSeparators = "/";
const bool kNamesIgnoreCase = false;

std::filesystem::path FileSystemPath(const std::string& path) { return std::filesystem::path(path); }
std::string PathString(const std::filesystem::path& path) { return path.string(); }

int OpenFile(const std::string& path, OpenMode mode) {
  switch (mode) {
    case OpenMode::kRead: return open(path.c_str(), O_RDONLY | O_CLOEXEC);
    case OpenMode::kReadWrite: return open(path.c_str(), O_RDWR | O_CLOEXEC);
    case OpenMode::kCreate: return open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  }
  return -1;
}

bool CloseFile(int fd) { return close(fd) == 0; }
int64_t ReadSome(int fd, char* data, size_t size) { return read(fd, data, size); }
int64_t WriteSome(int fd, const char* data, size_t size) { return write(fd, data, size); }
int64_t ReadAt(int fd, char* data, size_t size, uint64_t offset) {
  return pread(fd, data, size, static_cast<off_t>(offset));
}
int64_t WriteAt(int fd, const char* data, size_t size, uint64_t offset) {
  return pwrite(fd, data, size, static_cast<off_t>(offset));
}

int64_t Seek(int fd, int64_t offset, Origin origin) {
  int whence = origin == Origin::kStart ? SEEK_SET : origin == Origin::kCurrent ? SEEK_CUR : SEEK_END;
  return lseek(fd, static_cast<off_t>(offset), whence);
}

bool SyncFile(int fd) { return fsync(fd) == 0; }
bool SyncData(int fd) { return fdatasync(fd) == 0; }
bool Truncate(int fd, uint64_t size) { return ftruncate(fd, static_cast<off_t>(size)) == 0; }

bool RegularFileSize(int fd, uint64_t* size) {
  struct stat st;
  if (fstat(fd, &st) != 0) return false;
  if (!S_ISREG(st.st_mode)) {
    errno = EISDIR;
    return false;
  }
  *size = static_cast<uint64_t>(st.st_size);
  return true;
}

void CopyPermissions(int from, int to) {
  struct stat st;
  if (fstat(from, &st) == 0) fchmod(to, st.st_mode & 07777);
}

bool PathExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

bool IsRegularFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }
bool RenameReplacing(const std::string& from, const std::string& to) { return rename(from.c_str(), to.c_str()) == 0; }

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(std::move(name));
  }
  closedir(dir);
  return names;
}

void SyncFolder(const std::string& folder) {
  int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

int CreateUniqueFile(const std::string& prefix, std::string* path) {
  std::string pattern = prefix + "XXXXXX";
  int fd = mkstemp(pattern.data());
  if (fd < 0) return -1;
  fchmod(fd, 0644);
  *path = std::move(pattern);
  return fd;
}

std::string ErrorText() { return std::strerror(errno); }

bool FileMap::Map(int fd, uint64_t needed, uint64_t room, bool writable) {
  // The old view stays until the new one exists: a refused remap leaves the table readable.
  uint64_t length = needed + room;
  void* map = mmap(nullptr, length, PROT_READ | (writable ? PROT_WRITE : 0), MAP_SHARED, fd, 0);
  if (map == MAP_FAILED) return false;
  Unmap();
  data_ = static_cast<char*>(map);
  length_ = length;
  return true;
}

void FileMap::Unmap() {
  if (data_ != nullptr) munmap(data_, length_);
  data_ = nullptr;
  length_ = 0;
}

bool FileMap::Sync(uint64_t size) { return data_ == nullptr || msync(data_, size, MS_SYNC) == 0; }

}  // namespace movarel::storage::os
