#include <windows.h>
#include <io.h>
#include <fcntl.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "storage/os_file.h"

namespace movarel::storage {
// file_lock_windows.cpp: a closed handle's locks are gone, and so must be their record.
void ForgetLocks(int fd);
}  // namespace movarel::storage

namespace movarel::storage::os {
namespace {

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Utf8(const wchar_t* wide) {
  int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return std::string();
  std::string utf8(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), n, nullptr, nullptr);
  utf8.pop_back();  // the terminating zero
  return utf8;
}

// errno for the last Windows error, so that callers test ENOENT as on POSIX.
void SetErrnoFromLastError() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      errno = ENOENT;
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      errno = EACCES;
      break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      errno = EEXIST;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      errno = ENOSPC;
      break;
    default:
      errno = EIO;
  }
}

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

// Every file is opened sharing reading, writing and deleting, so that other programs on a
// shared folder open it as they would on Linux (their locks, not the open, decide) and a
// replacement can be renamed over it.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

int DescriptorFor(HANDLE handle, int flags) {
  if (handle == INVALID_HANDLE_VALUE) {
    SetErrnoFromLastError();
    return -1;
  }
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY | _O_NOINHERIT);
  if (fd < 0) CloseHandle(handle);
  return fd;
}

bool Position(HANDLE handle, int64_t offset, DWORD method, int64_t* now) {
  LARGE_INTEGER to, at;
  to.QuadPart = offset;
  if (!SetFilePointerEx(handle, to, &at, method)) {
    SetErrnoFromLastError();
    return false;
  }
  if (now != nullptr) *now = at.QuadPart;
  return true;
}

DWORD Chunk(size_t size) { return size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size); }

// ReadFile and WriteFile at an offset move the file pointer; pread and pwrite do not.
template <class Transfer>
int64_t AtOffset(int fd, uint64_t offset, Transfer transfer) {
  HANDLE handle = HandleOf(fd);
  int64_t saved = 0;
  if (!Position(handle, 0, FILE_CURRENT, &saved)) return -1;
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD moved = 0;
  bool ok = transfer(handle, &at, &moved);
  DWORD error = GetLastError();
  Position(handle, saved, FILE_BEGIN, nullptr);
  if (!ok) {
    if (error == ERROR_HANDLE_EOF) return 0;
    SetLastError(error);
    SetErrnoFromLastError();
    return -1;
  }
  return moved;
}

}  // namespace

const char* const kPathSeparators = "/\\";
const bool kNamesIgnoreCase = true;

std::filesystem::path FileSystemPath(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string PathString(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(utf8.begin(), utf8.end());
}

int OpenFile(const std::string& path, OpenMode mode) {
  std::wstring wide = Wide(path);
  switch (mode) {
    case OpenMode::kRead:
      return DescriptorFor(CreateFileW(wide.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr),
                           _O_RDONLY);
    case OpenMode::kReadWrite:
      return DescriptorFor(CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                           _O_RDWR);
    case OpenMode::kCreate:
      return DescriptorFor(CreateFileW(wide.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr),
                           _O_WRONLY);
  }
  return -1;
}

bool CloseFile(int fd) {
  ForgetLocks(fd);
  return _close(fd) == 0;
}

int64_t ReadSome(int fd, char* data, size_t size) {
  DWORD moved = 0;
  if (!ReadFile(HandleOf(fd), data, Chunk(size), &moved, nullptr)) {
    if (GetLastError() == ERROR_HANDLE_EOF) return 0;
    SetErrnoFromLastError();
    return -1;
  }
  return moved;
}

int64_t WriteSome(int fd, const char* data, size_t size) {
  DWORD moved = 0;
  if (!WriteFile(HandleOf(fd), data, Chunk(size), &moved, nullptr)) {
    SetErrnoFromLastError();
    return -1;
  }
  return moved;
}

int64_t ReadAt(int fd, char* data, size_t size, uint64_t offset) {
  return AtOffset(fd, offset, [&](HANDLE h, OVERLAPPED* at, DWORD* moved) {
    return ReadFile(h, data, Chunk(size), moved, at) != 0;
  });
}

int64_t WriteAt(int fd, const char* data, size_t size, uint64_t offset) {
  return AtOffset(fd, offset, [&](HANDLE h, OVERLAPPED* at, DWORD* moved) {
    return WriteFile(h, data, Chunk(size), moved, at) != 0;
  });
}

int64_t Seek(int fd, int64_t offset, Origin origin) {
  DWORD method = origin == Origin::kStart ? FILE_BEGIN : origin == Origin::kCurrent ? FILE_CURRENT : FILE_END;
  int64_t now = 0;
  if (!Position(HandleOf(fd), offset, method, &now)) return -1;
  return now;
}

bool SyncFile(int fd) {
  if (FlushFileBuffers(HandleOf(fd))) return true;
  SetErrnoFromLastError();
  return false;
}

bool SyncData(int fd) { return SyncFile(fd); }

bool Truncate(int fd, uint64_t size) {
  HANDLE handle = HandleOf(fd);
  int64_t saved = 0;
  if (!Position(handle, 0, FILE_CURRENT, &saved)) return false;
  bool ok = Position(handle, static_cast<int64_t>(size), FILE_BEGIN, nullptr) && SetEndOfFile(handle);
  if (!ok) SetErrnoFromLastError();
  Position(handle, saved, FILE_BEGIN, nullptr);
  return ok;
}

bool RegularFileSize(int fd, uint64_t* size) {
  HANDLE handle = HandleOf(fd);
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info)) {
    SetErrnoFromLastError();
    return false;
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    errno = EISDIR;
    return false;
  }
  *size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  return true;
}

// A replacement created in the same folder inherits the folder's permissions already.
void CopyPermissions(int, int) {}

bool PathExists(const std::string& path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsRegularFile(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool RemoveFile(const std::string& path) {
  if (DeleteFileW(Wide(path).c_str())) return true;
  SetErrnoFromLastError();
  return false;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  SetErrnoFromLastError();
  return false;
}

bool SameFile(const std::string& a, const std::string& b) {
  auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION* info) {
    HANDLE handle = CreateFileW(Wide(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    bool ok = GetFileInformationByHandle(handle, info) != 0;
    CloseHandle(handle);
    return ok;
  };
  BY_HANDLE_FILE_INFORMATION ia, ib;
  return identify(a, &ia) && identify(b, &ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
         ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  std::wstring pattern = Wide(folder);
  if (!pattern.empty() && pattern.back() != L'/' && pattern.back() != L'\\') pattern.push_back(L'\\');
  pattern.push_back(L'*');
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW(pattern.c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = Utf8(entry.cFileName);
    if (name != "." && name != "..") names.push_back(std::move(name));
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  return names;
}

// MoveFileEx with MOVEFILE_WRITE_THROUGH has made the rename durable already.
void SyncFolder(const std::string&) {}

int CreateUniqueFile(const std::string& prefix, std::string* path) {
  static std::atomic<uint32_t> counter{0};
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  for (int attempt = 0; attempt < 1000; ++attempt) {
    uint32_t seed = (GetCurrentProcessId() * 2654435761u) ^ GetTickCount() ^ (counter++ * 40503u);
    std::string name = prefix;
    for (int i = 0; i < 6; ++i, seed /= 36) name.push_back(kDigits[seed % 36]);
    HANDLE handle = CreateFileW(Wide(name).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) continue;
    int fd = DescriptorFor(handle, _O_RDWR);
    if (fd >= 0) *path = std::move(name);
    return fd;
  }
  errno = EEXIST;
  return -1;
}

std::string ErrorText() { return std::strerror(errno); }

// Windows grows a file to the size of a writable mapping, so the map never reaches past
// the end of the file: `room` is ignored and a growing file is mapped again.
bool FileMap::Map(int fd, uint64_t needed, uint64_t, bool writable) {
  // The old view stays until the new one exists: a refused remap leaves the table readable.
  HANDLE mapping = CreateFileMappingW(HandleOf(fd), nullptr, writable ? PAGE_READWRITE : PAGE_READONLY, 0, 0, nullptr);
  if (mapping == nullptr) {
    SetErrnoFromLastError();
    return false;
  }
  void* view = MapViewOfFile(mapping, writable ? FILE_MAP_WRITE : FILE_MAP_READ, 0, 0, 0);
  if (view == nullptr) {
    SetErrnoFromLastError();
    CloseHandle(mapping);
    return false;
  }
  Unmap();
  mapping_ = mapping;
  data_ = static_cast<char*>(view);
  length_ = needed;
  return true;
}

void FileMap::Unmap() {
  if (data_ != nullptr) UnmapViewOfFile(data_);
  if (mapping_ != nullptr) CloseHandle(static_cast<HANDLE>(mapping_));
  data_ = nullptr;
  mapping_ = nullptr;
  length_ = 0;
}

bool FileMap::Sync(uint64_t size) {
  if (data_ == nullptr || FlushViewOfFile(data_, static_cast<SIZE_T>(size))) return true;
  SetErrnoFromLastError();
  return false;
}

}  // namespace movarel::storage::os
