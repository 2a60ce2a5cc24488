#include "ui/platform.h"

#include "ui/cp1252.h"

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace movarel::ui {

std::string GetWindowsFolder() {
  std::string folder;
  if (const char* dir = std::getenv("MOVAREL_WINDOWS_DIR"); dir != nullptr && *dir != '\0') {
    folder = dir;
  } else {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
      folder = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr) {
      folder = std::string(home) + "/.config";
    } else {
      folder = ".config";
    }
    folder += "/movarel";
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);  // a failure shows later as an unwritable tq.ini
  return folder;
}

std::string GetCurrentFolder() {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::current_path(ec);
  return ec ? std::string() : path.string();
}

bool SetCurrentFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::current_path(folder, ec);
  return !ec;
}

std::string PathAsText(const std::string& path) { return Utf8ToCp1252(path); }

std::string PathFromText(const std::string& text) { return Cp1252ToUtf8(text); }

std::string CurDrive() { return ""; }

std::string CurDir() {
  std::string folder = GetCurrentFolder();
  size_t start = folder.find_first_not_of('/');
  return start == std::string::npos ? std::string() : folder.substr(start);
}

bool OpenWithDefaultProgram(const std::string& path) {
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    // Detach through a second fork so the browser never becomes our zombie.
    if (fork() == 0) {
      execlp("xdg-open", "xdg-open", path.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace movarel::ui
