#include "storage/files.h"

#include <algorithm>
#include <cerrno>

#include "storage/os_file.h"

namespace movarel::storage {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

void SplitPath(const std::string& path, std::string* folder, std::string* name) {
  size_t slash = path.find_last_of(os::kPathSeparators);
  if (slash == std::string::npos) {
    *folder = "";
    *name = path;
  } else {
    *folder = path.substr(0, slash + 1);
    *name = path.substr(slash + 1);
  }
}

bool Exists(const std::string& path) { return os::PathExists(path); }

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names = os::FolderEntries(folder);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ErrnoText() { return os::ErrorText(); }

void SyncFolder(const std::string& path) {
  std::string folder, name;
  SplitPath(path, &folder, &name);
  os::SyncFolder(folder);
}

bool MatchFrom(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::string ResolvePath(const std::string& path) {
  if (!os::kNamesIgnoreCase && Exists(path)) return path;
  std::string folder, name;
  SplitPath(path, &folder, &name);
  for (const std::string& entry : FolderEntries(folder)) {
    if (SameNameIgnoringCase(entry, name)) return folder + entry;
  }
  return path;
}

bool FileExists(const std::string& path) { return os::IsRegularFile(ResolvePath(path)); }

Status EraseFile(const std::string& path) {
  std::string actual = ResolvePath(path);
  if (!os::RemoveFile(actual)) {
    if (errno == ENOENT) return Status::NotFound(path + ": no existe");
    return Status::IoError(path + ": no se pudo borrar: " + ErrnoText());
  }
  return Status::Ok();
}

Status RenameFile(const std::string& from, const std::string& to) {
  std::string source = ResolvePath(from);
  if (!Exists(source)) return Status::NotFound(from + ": no existe");
  std::string target = ResolvePath(to);
  // Like the DOS rename, an existing target is refused rather than overwritten; a change
  // of case only (CUOP.DBF to cuop.dbf) names the same file and goes ahead.
  if (Exists(target)) {
    if (!os::SameFile(source, target)) return Status::IoError(to + ": ya existe");
    target = to;
  }
  if (!os::RenameReplacing(source, target)) {
    return Status::IoError(from + ": no se pudo renombrar a " + to + ": " + ErrnoText());
  }
  SyncFolder(target);
  return Status::Ok();
}

Status CopyFile(const std::string& from, const std::string& to) {
  auto bytes = ReadWholeFile(from);
  if (!bytes.ok()) return bytes.status();
  return WriteFileAtomically(to, *bytes);
}

Result<std::string> ReadWholeFile(const std::string& path) {
  std::string actual = ResolvePath(path);
  int fd = os::OpenFile(actual, os::OpenMode::kRead);
  if (fd < 0) {
    if (errno == ENOENT) return Status::NotFound(path + ": no existe");
    return Status::IoError(path + ": no se pudo abrir: " + ErrnoText());
  }
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    int64_t n = os::ReadSome(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      Status error = Status::IoError(path + ": no se pudo leer: " + ErrnoText());
      os::CloseFile(fd);
      return error;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  os::CloseFile(fd);
  return bytes;
}

Result<TempFile> CreateTempBeside(const std::string& path) {
  std::string folder, name;
  SplitPath(path, &folder, &name);
  std::string temp;
  int fd = os::CreateUniqueFile(folder + "." + name + ".", &temp);
  if (fd < 0) return Status::IoError(path + ": no se pudo crear un archivo temporal: " + ErrnoText());
  return TempFile{fd, temp};
}

bool TryReplaceWithTemp(const std::string& temp, const std::string& path) {
  if (!os::RenameReplacing(temp, path)) return false;
  SyncFolder(path);
  return true;
}

Status ReplaceWithTemp(const std::string& temp, const std::string& path) {
  if (!os::RenameReplacing(temp, path)) {
    Status error = Status::IoError(path + ": no se pudo reemplazar: " + ErrnoText());
    os::RemoveFile(temp);
    return error;
  }
  SyncFolder(path);
  return Status::Ok();
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target = ResolvePath(path);
  auto temp = CreateTempBeside(target);
  if (!temp.ok()) return temp.status();
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    int64_t n = os::WriteSome(temp->fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      Status error = Status::IoError(path + ": no se pudo escribir: " + ErrnoText());
      os::CloseFile(temp->fd);
      os::RemoveFile(temp->path);
      return error;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  if (!os::SyncFile(temp->fd) || !os::CloseFile(temp->fd)) {
    Status error = Status::IoError(path + ": no se pudo escribir en disco: " + ErrnoText());
    os::RemoveFile(temp->path);
    return error;
  }
  return ReplaceWithTemp(temp->path, target);
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) {
  std::string prefix = folder;
  if (!prefix.empty() && std::string_view(os::kPathSeparators).find(prefix.back()) == std::string_view::npos) {
    prefix.push_back('/');
  }
  std::vector<std::string> matches;
  for (const std::string& name : FolderEntries(prefix)) {
    if (name[0] == '.') continue;  // our own temporary files and other hidden entries
    if (WildcardMatch(pattern, name) && os::IsRegularFile(prefix + name)) matches.push_back(name);
  }
  return matches;
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (MatchFrom(pattern, name)) return true;
  // In DOS "NAME.*" also matches a name that has no extension at all.
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      name.find('.') == std::string_view::npos) {
    return MatchFrom(pattern.substr(0, pattern.size() - 2), name);
  }
  return false;
}

std::string WithDefaultExtension(const std::string& path, std::string_view extension) {
  size_t slash = path.find_last_of(os::kPathSeparators);
  size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) return path;
  return path + std::string(extension);
}

}  // namespace movarel::storage
