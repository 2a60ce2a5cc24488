#include "shell/about_box.h"

#include <version>

#if defined(__GLIBC__)
#include <gnu/libc-version.h>
#endif

#include "shell/program_texts.h"
#include "ui/dialogs.h"

namespace movarel::shell {

std::vector<std::string> RuntimeLibraryVersions() {
  std::vector<std::string> versions;
#if defined(_GLIBCXX_RELEASE)
  versions.push_back("libstdc++ " + std::to_string(_GLIBCXX_RELEASE));
#elif defined(_LIBCPP_VERSION)
  versions.push_back("libc++ " + std::to_string(_LIBCPP_VERSION / 10000));
#endif
#if defined(__GLIBC__)
  versions.push_back(std::string("glibc ") + gnu_get_libc_version());
#endif
  return versions;
}

std::string JoinVersions(const std::vector<std::string>& versions) {
  std::string joined;
  for (const std::string& version : versions) {
    if (!joined.empty()) joined += " & ";
    joined += version;
  }
  return joined;
}

std::string AboutText(const std::string& versions) {
  return std::string(kProgramTitle) + "\r\n" + kMakerWeb + " - " + kMakerEmail + "\r\nRealizado con " +
         versions;
}

void ACERCADE(ui::Dialogs& dialogs, const std::string& versions) {
  dialogs.MsgInfo(AboutText(versions), "Acerca de...");
}

}  // namespace movarel::shell
