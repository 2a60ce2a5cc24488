#pragma once
// The operating system's file calls, the same on every platform: one implementation per
// system (os_file_posix.cpp, os_file_windows.cpp), chosen by the build. Paths are the
// program's std::string paths: the file system's own bytes on POSIX, UTF-8 on Windows,
// where they become wide-character paths only here. Files are always binary: no byte is
// translated on the way in or out. Failures return -1 or false and leave errno set;
// ErrorText() says what it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace movarel::storage::os {

// The program's path as the standard library's path and back. The standard library reads
// a narrow string as the Windows code page, never as UTF-8: every std::filesystem and
// fstream use goes through these.
std::filesystem::path FileSystemPath(const std::string& path);
std::string PathString(const std::filesystem::path& path);

// Whether the file system finds a name in any case (Windows): a name that exists as
// spelled may then still be stored in another case.
extern const bool kNamesIgnoreCase;

// The characters that separate folders in a path ("/", and also "\\" on Windows).
extern const char* const kPathSeparators;

enum class OpenMode {
  kRead,       // existing file, read-only
  kReadWrite,  // existing file
  kCreate,     // new or emptied file, write-only
};

int OpenFile(const std::string& path, OpenMode mode);
bool CloseFile(int fd);
// One read or write at the current position or at `offset`: the bytes moved, 0 at the
// end, -1 on failure (errno EINTR means try again).
int64_t ReadSome(int fd, char* data, size_t size);
int64_t WriteSome(int fd, const char* data, size_t size);
int64_t ReadAt(int fd, char* data, size_t size, uint64_t offset);
int64_t WriteAt(int fd, const char* data, size_t size, uint64_t offset);
enum class Origin { kStart, kCurrent, kEnd };
int64_t Seek(int fd, int64_t offset, Origin origin);  // the new position
bool SyncFile(int fd);                                // data and metadata on disk
bool SyncData(int fd);                                // the data on disk
bool Truncate(int fd, uint64_t size);
// The size of the open file; false when it is not a regular file or the call failed.
bool RegularFileSize(int fd, uint64_t* size);
// Gives `to` the permissions of `from` (a replacement keeps the original's).
void CopyPermissions(int from, int to);

bool PathExists(const std::string& path);
bool IsRegularFile(const std::string& path);
bool RemoveFile(const std::string& path);
// Renames `from` to `to`, replacing a file already called `to`.
bool RenameReplacing(const std::string& from, const std::string& to);
// Both paths name one existing file (even when spelled differently).
bool SameFile(const std::string& a, const std::string& b);
// The names in `folder` ("" is the current folder), without "." and "..", unsorted.
std::vector<std::string> FolderEntries(const std::string& folder);
// Makes a rename inside `folder` durable, where the system needs that.
void SyncFolder(const std::string& folder);
// Creates a new file named `prefix` + six unique characters, read-write.
int CreateUniqueFile(const std::string& prefix, std::string* path);

std::string ErrorText();  // what the last failed call's errno says

// A file's bytes mapped into memory, shared with the file: writes through the map reach
// the file, and bytes written to the file are seen through it.
class FileMap {
 public:
  FileMap() = default;
  FileMap(const FileMap&) = delete;
  FileMap& operator=(const FileMap&) = delete;
  ~FileMap() { Unmap(); }

  // Maps the file from its start so that at least `needed` bytes (never more than the
  // file has) are reachable; `room` more may be reserved where the system can map beyond
  // the end of the file without growing it. False with errno on failure.
  bool Map(int fd, uint64_t needed, uint64_t room, bool writable);
  void Unmap();
  bool Sync(uint64_t size);  // the first `size` bytes on disk
  char* data() const { return data_; }
  uint64_t length() const { return length_; }

 private:
  char* data_ = nullptr;
  uint64_t length_ = 0;
  void* mapping_ = nullptr;  // the Windows section object; unused on POSIX
};

}  // namespace movarel::storage::os
