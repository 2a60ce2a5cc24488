#include "storage/dbf_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "storage/letter_case.h"
#include "storage/os_file.h"

namespace movarel::storage {
namespace {

constexpr size_t kScanBlock = 1 << 20;

uint32_t Le16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8);
}
uint32_t Le32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}
void PutLe16(char* p, uint32_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>((v >> 8) & 0xFF);
}
void PutLe32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The three date bytes of the header: year - 1900, month, day.
void PutToday(char* p) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  p[0] = static_cast<char>(local.tm_year & 0xFF);
  p[1] = static_cast<char>(local.tm_mon + 1);
  p[2] = static_cast<char>(local.tm_mday);
}

std::string ErrnoText() { return os::ErrorText(); }

Status WriteAll(int fd, const char* data, size_t size, uint64_t offset, const std::string& name) {
  while (size > 0) {
    int64_t n = os::WriteAt(fd, data, size, offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Status::IoError(name + ": no se pudo escribir: " + ErrnoText());
    }
    data += n;
    size -= static_cast<size_t>(n);
    offset += static_cast<uint64_t>(n);
  }
  return Status::Ok();
}

// Reads up to `size` bytes; fewer only at the end of the file.
Result<size_t> ReadAt(int fd, char* data, size_t size, uint64_t offset, const std::string& name) {
  size_t done = 0;
  while (done < size) {
    int64_t n = os::ReadAt(fd, data + done, size - done, offset + done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Status::IoError(name + ": no se pudo leer: " + ErrnoText());
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

}  // namespace

Result<DbfHeader> ParseDbfHeader(const char* data, size_t size, uint64_t file_size, const std::string& name) {
  auto corrupt = [&name](const std::string& what) { return Status::Corrupt(name + ": " + what); };
  if (size < 32 || file_size < 32) return corrupt("archivo truncado: la cabecera est\xE1 incompleta");
  unsigned char version = static_cast<unsigned char>(data[0]);
  // 0x83 marks a table with memo fields; its fields are refused below as unknown types.
  if (version != kDbfVersion && version != 0x83) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", version);
    return corrupt(std::string("no es una tabla dBase III (versi\xF3n ") + hex + ")");
  }
  DbfHeader header;
  header.record_count = Le32(data + 4);
  header.header_length = Le16(data + 8);
  header.record_length = Le16(data + 10);
  if (header.header_length < 32 + 32 + 1) {
    return corrupt("la tabla no tiene campos (longitud de cabecera " + std::to_string(header.header_length) + ")");
  }
  if (file_size < header.header_length || size < header.header_length) {
    return corrupt("archivo truncado: la cabecera declara " + std::to_string(header.header_length) +
                   " bytes y el archivo tiene " + std::to_string(file_size));
  }

  std::vector<FieldDef> fields;
  uint32_t offset = 32;
  while (offset < header.header_length && data[offset] != kDbfTerminator) {
    if (offset + 32 > header.header_length) {
      return corrupt("la longitud de cabecera " + std::to_string(header.header_length) +
                     " no coincide con los descriptores de campo");
    }
    const char* d = data + offset;
    FieldDef field;
    size_t name_length = 0;
    while (name_length < 11 && d[name_length] != '\0') ++name_length;
    field.name.assign(d, name_length);
    while (!field.name.empty() && field.name.back() == ' ') field.name.pop_back();
    field.name = UpperAscii(field.name);
    field.type = UpperAscii(d[11]);
    field.length = static_cast<unsigned char>(d[16]);
    field.decimals = static_cast<unsigned char>(d[17]);
    if (field.type == 'C') {
      // Clipper keeps the high byte of long text fields in the decimals byte.
      field.length += field.decimals * 256;
      field.decimals = 0;
    }
    fields.push_back(std::move(field));
    offset += 32;
  }
  if (offset >= header.header_length) {
    return corrupt("la longitud de cabecera " + std::to_string(header.header_length) +
                   " no coincide con los descriptores de campo (falta el byte 0x0D)");
  }
  if (Status s = ValidateFields(fields); !s.ok()) return s.WithContext(name);

  header.layout = RecordLayout(std::move(fields));
  if (header.record_length != static_cast<uint32_t>(header.layout.record_length())) {
    return corrupt("la longitud de registro " + std::to_string(header.record_length) +
                   " no coincide con la suma de los campos (" +
                   std::to_string(header.layout.record_length()) + ")");
  }

  uint64_t available = file_size - header.header_length;
  uint64_t whole = available / header.record_length;
  if (header.record_count > whole) {
    // A writer stopped in the middle of its last append: the header already counts a
    // record of which only part reached the disk. That record is left out.
    bool last_cut_short = header.record_count == whole + 1 && available % header.record_length != 0;
    if (!last_cut_short) {
      return corrupt("la cabecera declara " + std::to_string(header.record_count) +
                     " registros y el archivo solo contiene " + std::to_string(whole));
    }
    header.record_count = static_cast<uint32_t>(whole);
  } else if (header.record_count < whole) {
    // Whole records beyond the count are players, boards or prizes that every reader would
    // miss, and the next append would write over them: the table is not used at all.
    return corrupt("la cabecera declara " + std::to_string(header.record_count) +
                   " registros y el archivo contiene " + std::to_string(whole));
  }
  return header;
}

std::string BuildDbfHeader(const RecordLayout& layout, uint32_t count) {
  const auto& fields = layout.fields();
  uint32_t header_length = 32 + 32 * static_cast<uint32_t>(fields.size()) + 1;
  std::string header(header_length, '\0');
  header[0] = static_cast<char>(kDbfVersion);
  PutToday(&header[1]);
  PutLe32(&header[4], count);
  PutLe16(&header[8], header_length);
  PutLe16(&header[10], static_cast<uint32_t>(layout.record_length()));
  for (size_t i = 0; i < fields.size(); ++i) {
    char* d = &header[32 + 32 * i];
    std::memcpy(d, fields[i].name.data(), std::min<size_t>(fields[i].name.size(), 10));
    d[11] = fields[i].type;
    if (fields[i].type == 'C') {
      d[16] = static_cast<char>(fields[i].length & 0xFF);
      d[17] = static_cast<char>((fields[i].length >> 8) & 0xFF);
    } else {
      d[16] = static_cast<char>(fields[i].length);
      d[17] = static_cast<char>(fields[i].decimals);
    }
  }
  header[header_length - 1] = kDbfTerminator;
  return header;
}

DbfFile::~DbfFile() {
  map_.Unmap();
  if (fd_ >= 0) os::CloseFile(fd_);
}

Result<std::unique_ptr<DbfFile>> DbfFile::Open(const std::string& path, bool writable) {
  std::unique_ptr<DbfFile> file(new DbfFile());
  file->path_ = path;
  file->writable_ = writable;
  file->fd_ = os::OpenFile(path, writable ? os::OpenMode::kReadWrite : os::OpenMode::kRead);
  if (file->fd_ < 0) {
    if (errno == ENOENT) return Status::NotFound(path + ": no existe");
    return Status::IoError(path + ": no se pudo abrir: " + ErrnoText());
  }
  if (!os::RegularFileSize(file->fd_, &file->file_size_)) {
    if (errno == EISDIR) return Status::IoError(path + ": no es un archivo");
    return Status::IoError(path + ": " + ErrnoText());
  }

  std::string head(std::min<uint64_t>(file->file_size_, 32), '\0');
  auto got = ReadAt(file->fd_, head.data(), head.size(), 0, path);
  if (!got.ok()) return got.status();
  if (*got >= 32) {
    size_t header_length = Le16(head.data() + 8);
    head.resize(std::min<uint64_t>(file->file_size_, std::max<size_t>(header_length, 32)));
    got = ReadAt(file->fd_, head.data(), head.size(), 0, path);
    if (!got.ok()) return got.status();
  }
  head.resize(*got);
  auto header = ParseDbfHeader(head.data(), head.size(), file->file_size_, path);
  if (!header.ok()) return header.status();
  file->header_ = std::move(header.value());
  if (Status s = file->Map(file->file_size_); !s.ok()) return s;
  return file;
}

Status DbfFile::Map(uint64_t needed) {
  if (map_.data() != nullptr && needed <= map_.length()) return Status::Ok();
  // A growing table gets room ahead so that appends seldom remap; the pages past the end of
  // the file are never touched until a write has put the file there.
  uint64_t room = writable_ ? needed / 2 + (1 << 16) : 0;
  if (!map_.Map(fd_, needed, room, writable_)) {
    return Status::IoError(path_ + ": no se pudo proyectar en memoria: " + ErrnoText());
  }
  return Status::Ok();
}

void DbfFile::Touch() {
  if (touched_) return;
  touched_ = true;
  PutToday(map_.data() + 1);
}

char* DbfFile::MutableRecord(uint32_t recno) {
  assert(writable_);
  if (recno == 0 || recno > header_.record_count) return nullptr;
  Touch();
  return map_.data() + header_.header_length + static_cast<uint64_t>(recno - 1) * header_.record_length;
}

Status ReadOnlyRefusal(const std::string& path) {
  return Status::IoError(path + ": la tabla est\xE1 abierta solo para lectura");
}

Status DbfFile::Append(const char* records, uint32_t count, bool trim) {
  if (!writable_) return ReadOnlyRefusal(path_);
  if (count == 0) return Status::Ok();
  uint64_t offset = header_.header_length + static_cast<uint64_t>(header_.record_count) * header_.record_length;
  uint64_t bytes = static_cast<uint64_t>(count) * header_.record_length;
  std::string block;
  block.reserve(bytes + 1);
  block.append(records, bytes);
  block.push_back(kDbfEndOfFile);
  if (Status s = WriteAll(fd_, block.data(), block.size(), offset, path_); !s.ok()) return s;
  uint64_t end = offset + block.size();
  if (trim && file_size_ > end) {
    map_.Unmap();  // some systems refuse to shorten a mapped file
    if (!os::Truncate(fd_, end)) return Status::IoError(path_ + ": " + ErrnoText());
    file_size_ = end;
  }
  file_size_ = std::max(file_size_, end);
  if (Status s = Map(file_size_); !s.ok()) return s;
  Touch();
  header_.record_count += count;
  PutLe32(map_.data() + 4, header_.record_count);
  return Status::Ok();
}

Status DbfFile::Truncate() {
  if (!writable_) return ReadOnlyRefusal(path_);
  Touch();
  // The count goes first: a failure after it leaves an empty table with stray bytes behind it.
  PutLe32(map_.data() + 4, 0);
  header_.record_count = 0;
  map_.Unmap();  // some systems refuse to shorten a mapped file
  if (!os::Truncate(fd_, header_.header_length)) return Status::IoError(path_ + ": " + ErrnoText());
  char eof = kDbfEndOfFile;
  if (Status s = WriteAll(fd_, &eof, 1, header_.header_length, path_); !s.ok()) return s;
  file_size_ = header_.header_length + 1;
  return Map(file_size_);
}

Status DbfFile::Refresh() {
  if (!os::RegularFileSize(fd_, &file_size_)) return Status::IoError(path_ + ": " + ErrnoText());
  if (Status s = Map(file_size_); !s.ok()) return s;
  uint64_t whole = file_size_ >= header_.header_length
                       ? (file_size_ - header_.header_length) / header_.record_length
                       : 0;
  header_.record_count = static_cast<uint32_t>(std::min<uint64_t>(Le32(map_.data() + 4), whole));
  return Status::Ok();
}

Status DbfFile::Sync() {
  if (!writable_) return Status::Ok();
  if (!map_.Sync(file_size_) || !os::SyncData(fd_)) {
    return Status::IoError(path_ + ": no se pudo escribir en disco: " + ErrnoText());
  }
  return Status::Ok();
}

Status DbfFile::Scan(const RecordVisitor& visit) const {
  const uint32_t length = header_.record_length;
  if (header_.record_count == 0) return Status::Ok();
  // Sized to the table when it is smaller than a block, and left uninitialised: every byte
  // visited is read first. A table of a few hundred kilobytes is scanned on every standings
  // computation, and clearing a whole block for it cost more than reading it.
  const uint32_t per_block = std::min(std::max<uint32_t>(1, kScanBlock / length), header_.record_count);
  std::unique_ptr<char[]> block(new char[static_cast<size_t>(per_block) * length]);
  char* const buffer = block.get();
  uint32_t recno = 1;
  while (recno <= header_.record_count) {
    uint32_t n = std::min(per_block, header_.record_count - recno + 1);
    uint64_t offset = header_.header_length + static_cast<uint64_t>(recno - 1) * length;
    auto got = ReadAt(fd_, buffer, static_cast<size_t>(n) * length, offset, path_);
    if (!got.ok()) return got.status();
    if (*got < static_cast<size_t>(n) * length) {
      return Status::Corrupt(path_ + ": el archivo se ha acortado mientras se le\xED" "a");
    }
    for (uint32_t i = 0; i < n; ++i) visit(recno + i, buffer + static_cast<size_t>(i) * length);
    recno += n;
  }
  return Status::Ok();
}

DbfWriter::DbfWriter(int fd, std::string name, RecordLayout layout)
    : fd_(fd), name_(std::move(name)), layout_(std::move(layout)) {
  std::string header = BuildDbfHeader(layout_, 0);
  offset_ = header.size();
  buffer_ = std::move(header);
  offset_ = 0;
}

Status DbfWriter::FlushBuffer() {
  if (Status s = WriteAll(fd_, buffer_.data(), buffer_.size(), offset_, name_); !s.ok()) return s;
  offset_ += buffer_.size();
  buffer_.clear();
  return Status::Ok();
}

Status DbfWriter::Add(const char* record) {
  buffer_.append(record, layout_.record_length());
  ++count_;
  if (buffer_.size() >= kScanBlock) return FlushBuffer();
  return Status::Ok();
}

Status DbfWriter::Finish() {
  buffer_.push_back(kDbfEndOfFile);
  if (Status s = FlushBuffer(); !s.ok()) return s;
  std::string header = BuildDbfHeader(layout_, count_);
  if (Status s = WriteAll(fd_, header.data(), header.size(), 0, name_); !s.ok()) return s;
  if (!os::SyncFile(fd_)) return Status::IoError(name_ + ": no se pudo escribir en disco: " + ErrnoText());
  return Status::Ok();
}

}  // namespace movarel::storage
