#pragma once
// The program's name and the maker's addresses, shown in the title, the hyperlink of the
// main window and the about box. Windows-1252 bytes like every text of the program.

namespace movarel::shell {

inline constexpr char kProgramTitle[] = "Movarel v3.0-beta3";
inline constexpr char kMakerWeb[] = "https://www.movarel.example";
inline constexpr char kMakerEmail[] = "soporte@movarel.example";

}  // namespace movarel::shell
