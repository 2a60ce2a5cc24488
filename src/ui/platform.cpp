#include "ui/platform.h"

#include "ui/cp1252.h"

#include <filesystem>
#include <system_error>

#include "storage/os_file.h"

namespace movarel::ui {

std::string GetCurrentFolder() {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::current_path(ec);
  return ec ? std::string() : storage::os::PathString(path);
}

bool SetCurrentFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::current_path(storage::os::FileSystemPath(folder), ec);
  return !ec;
}

std::string PathAsText(const std::string& path) { return Utf8ToCp1252(path); }

std::string PathFromText(const std::string& text) { return Cp1252ToUtf8(text); }

}  // namespace movarel::ui
