#include "storage/byte_file.h"

#include <cerrno>
#include <utility>

#include "storage/files.h"
#include "storage/os_file.h"

namespace movarel::storage {
namespace {

std::string ErrnoText() { return os::ErrorText(); }

}  // namespace

Result<ByteFile> ByteFile::Create(const std::string& path) {
  std::string target = ResolvePath(path);
  auto temp = CreateTempBeside(target);
  if (!temp.ok()) return temp.status();
  ByteFile file;
  file.fd_ = temp->fd;
  file.path_ = target;
  file.temp_path_ = temp->path;
  return file;
}

Result<ByteFile> ByteFile::Open(const std::string& path, bool writable) {
  std::string actual = ResolvePath(path);
  int fd = os::OpenFile(actual, writable ? os::OpenMode::kReadWrite : os::OpenMode::kRead);
  if (fd < 0) {
    if (errno == ENOENT) return Status::NotFound(path + ": no existe");
    return Status::IoError(path + ": no se pudo abrir: " + ErrnoText());
  }
  ByteFile file;
  file.fd_ = fd;
  file.path_ = actual;
  return file;
}

ByteFile::ByteFile(ByteFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)), temp_path_(std::move(other.temp_path_)) {
  other.temp_path_.clear();
}

ByteFile& ByteFile::operator=(ByteFile&& other) noexcept {
  if (this != &other) {
    Discard();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    temp_path_ = std::move(other.temp_path_);
    other.temp_path_.clear();
  }
  return *this;
}

ByteFile::~ByteFile() { Discard(); }

void ByteFile::Discard() {
  if (fd_ >= 0) os::CloseFile(fd_);
  fd_ = -1;
  if (!temp_path_.empty()) os::RemoveFile(temp_path_);
  temp_path_.clear();
}

Status ByteFile::Write(std::string_view bytes) {
  if (fd_ < 0) return Status::InvalidArgument(path_ + ": el archivo est\xE1 cerrado");
  while (!bytes.empty()) {
    int64_t n = os::WriteSome(fd_, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return Status::IoError(path_ + ": no se pudo escribir: " + ErrnoText());
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return Status::Ok();
}

Result<std::string> ByteFile::Read(size_t count) {
  if (fd_ < 0) return Status::InvalidArgument(path_ + ": el archivo est\xE1 cerrado");
  std::string bytes(count, '\0');
  size_t done = 0;
  while (done < count) {
    int64_t n = os::ReadSome(fd_, bytes.data() + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Status::IoError(path_ + ": no se pudo leer: " + ErrnoText());
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  bytes.resize(done);
  return bytes;
}

Result<uint64_t> ByteFile::Seek(int64_t offset, Origin origin) {
  if (fd_ < 0) return Status::InvalidArgument(path_ + ": el archivo est\xE1 cerrado");
  os::Origin from = origin == Origin::kStart     ? os::Origin::kStart
                   : origin == Origin::kCurrent ? os::Origin::kCurrent
                                                : os::Origin::kEnd;
  int64_t position = os::Seek(fd_, offset, from);
  if (position < 0) return Status::InvalidArgument(path_ + ": posici\xF3n no v\xE1lida");
  return static_cast<uint64_t>(position);
}

Status ByteFile::Close() {
  if (fd_ < 0) return Status::Ok();
  Status status;
  if (!temp_path_.empty() && !os::SyncFile(fd_)) {
    status = Status::IoError(path_ + ": no se pudo escribir en disco: " + ErrnoText());
  }
  if (!os::CloseFile(fd_) && status.ok()) status = Status::IoError(path_ + ": " + ErrnoText());
  fd_ = -1;
  if (temp_path_.empty()) return status;
  std::string temp = std::move(temp_path_);
  temp_path_.clear();
  if (!status.ok()) {
    os::RemoveFile(temp);
    return status;
  }
  return ReplaceWithTemp(temp, path_);
}

}  // namespace movarel::storage
