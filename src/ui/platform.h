#pragma once
// The folders the program asks the operating system for. On systems without drive letters
// the drive is empty.

#include <string>
#include <vector>

#include "storage/status.h"

namespace movarel::ui {

// GETWINDOWSFOLDER: the home of "tq.ini". $MOVAREL_WINDOWS_DIR when set, else the user's
// configuration folder + "/movarel" ($XDG_CONFIG_HOME or ~/.config on Linux, %APPDATA% on
// Windows), created when missing. No trailing separator.
std::string GetWindowsFolder();
// GETCURRENTFOLDER / SETCURRENTFOLDER.
std::string GetCurrentFolder();
bool SetCurrentFolder(const std::string& folder);
// CURDRIVE: the drive of the current folder ("C:"), "" on systems without drive letters.
std::string CurDrive();
// CURDIR: the current folder without drive and without leading separator
// ("home/ana/torneos"); "" at the root.
std::string CurDir();
// Paths are the file system's own bytes (UTF-8 here), never table text: the file and folder
// dialogs give them so and they reach the file system unchanged ("Año 2024"). A path shown in
// a message, a caption, a page or the transcript is first made Windows-1252 text; a file name
// typed in a text box or a script (Windows-1252 text) is made a path before it is used.
std::string PathAsText(const std::string& path);
std::string PathFromText(const std::string& text);

// The separator the program puts between folder and file names.
inline constexpr char kPathSeparator = '/';

// The program's settings file "tq.ini" in the Windows folder.
inline std::string SettingsFilePath() { return GetWindowsFolder() + kPathSeparator + "tq.ini"; }

// Opens a document with the desktop's default program (xdg-open; the shell on Windows),
// without waiting. Returns false when it could not be started.
bool OpenWithDefaultProgram(const std::string& path);

// The user's home folder ($HOME, %USERPROFILE%), "" when unknown.
std::string HomeFolder();
// Whether there is a screen to open windows on (an X or Wayland display on Linux).
bool HasScreen();
// The command-line arguments after the program's name, as paths of this system (UTF-8 on
// Windows, whatever the code page); standard output and error are set to pass bytes
// exactly as written (no line-ending translation). Called once, at the start of main.
std::vector<std::string> StartProgram(int argc, char** argv);

}  // namespace movarel::ui
