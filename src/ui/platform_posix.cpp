#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ui/platform.h"

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

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home != nullptr ? home : "";
}

bool HasScreen() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

std::vector<std::string> StartProgram(int argc, char** argv) { return std::vector<std::string>(argv + 1, argv + argc); }

}  // namespace movarel::ui
