#pragma once
// The version texts of the libraries the program is built with (status bar and about box),
// and the about box itself.

#include <string>
#include <vector>

namespace movarel::ui {
class Dialogs;
}

namespace movarel::shell {

// The libraries every build links whatever its backend: the C++ runtime and, on glibc
// systems, the C library, e.g. {"libstdc++ 12", "glibc 2.36"}. The program adds the
// toolkit's own text in front when it is built with windows.
std::vector<std::string> RuntimeLibraryVersions();

// The texts joined by " & ".
std::string JoinVersions(const std::vector<std::string>& versions);

// Three lines: the program, the maker's web and e-mail addresses, "Realizado con " and the
// library versions.
std::string AboutText(const std::string& versions);

// The information box titled "Acerca de...".
void ACERCADE(ui::Dialogs& dialogs, const std::string& versions);

}  // namespace movarel::shell
