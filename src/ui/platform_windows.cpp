#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <system_error>

#include "storage/os_file.h"
#include "ui/platform.h"

namespace movarel::ui {
namespace {

std::string Utf8(const wchar_t* wide) { return storage::os::PathString(std::filesystem::path(wide)); }

std::string Environment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value != nullptr ? Utf8(value) : std::string();
}

}  // namespace

// Settings go with the user, in %APPDATA%\movarel, not beside the program: a program
// unpacked under "Archivos de programa" may not write there.
std::string GetWindowsFolder() {
  std::string folder = Environment(L"MOVAREL_WINDOWS_DIR");
  if (folder.empty()) {
    folder = Environment(L"APPDATA");
    if (folder.empty()) folder = Environment(L"USERPROFILE");
    folder += "/movarel";
  }
  while (folder.size() > 3 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  std::error_code ec;
  std::filesystem::create_directories(storage::os::FileSystemPath(folder), ec);  // a failure shows later as an unwritable tq.ini
  return folder;
}

std::string CurDrive() {
  std::string folder = GetCurrentFolder();
  return folder.size() >= 2 && folder[1] == ':' ? folder.substr(0, 2) : std::string();
}

std::string CurDir() {
  std::string folder = GetCurrentFolder();
  size_t start = folder.size() >= 2 && folder[1] == ':' ? 2 : 0;
  start = folder.find_first_not_of("/\\", start);
  return start == std::string::npos ? std::string() : folder.substr(start);
}

bool OpenWithDefaultProgram(const std::string& path) {
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", storage::os::FileSystemPath(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
}

std::string HomeFolder() { return Environment(L"USERPROFILE"); }

bool HasScreen() { return true; }

std::vector<std::string> StartProgram(int, char**) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8(wide[i]));
  LocalFree(wide);
  return args;
}

}  // namespace movarel::ui
