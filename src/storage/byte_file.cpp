#include "storage/byte_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "storage/files.h"

namespace movarel::storage {
namespace {

std::string ErrnoText() { return std::strerror(errno); }

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
  int fd = open(actual.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
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
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temp_path_.empty()) unlink(temp_path_.c_str());
  temp_path_.clear();
}

Status ByteFile::Write(std::string_view bytes) {
  if (fd_ < 0) return Status::InvalidArgument(path_ + ": el archivo est\xE1 cerrado");
  while (!bytes.empty()) {
    ssize_t n = write(fd_, bytes.data(), bytes.size());
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
    ssize_t n = read(fd_, bytes.data() + done, count - done);
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
  int whence = origin == Origin::kStart ? SEEK_SET : origin == Origin::kCurrent ? SEEK_CUR : SEEK_END;
  off_t position = lseek(fd_, static_cast<off_t>(offset), whence);
  if (position < 0) return Status::InvalidArgument(path_ + ": posici\xF3n no v\xE1lida");
  return static_cast<uint64_t>(position);
}

Status ByteFile::Close() {
  if (fd_ < 0) return Status::Ok();
  Status status;
  if (!temp_path_.empty() && fsync(fd_) != 0) {
    status = Status::IoError(path_ + ": no se pudo escribir en disco: " + ErrnoText());
  }
  if (close(fd_) != 0 && status.ok()) status = Status::IoError(path_ + ": " + ErrnoText());
  fd_ = -1;
  if (temp_path_.empty()) return status;
  std::string temp = std::move(temp_path_);
  temp_path_.clear();
  if (!status.ok()) {
    unlink(temp.c_str());
    return status;
  }
  return ReplaceWithTemp(temp, path_);
}

}  // namespace movarel::storage
