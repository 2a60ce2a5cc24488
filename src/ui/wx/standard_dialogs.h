#pragma once
// The standard dialogs shown as real toolkit windows, modal over `parent` (nullptr: over
// no window). Texts in and out are Windows-1252 bytes; an empty result means cancelled.

#include <string>
#include <vector>

#include "ui/dialogs.h"

class wxWindow;

namespace movarel::ui {

enum class MessageKind { kInfo, kStop, kExclamation };

void ShowMessage(wxWindow* parent, MessageKind kind, const std::string& text, const std::string& title);
bool AskYesNo(wxWindow* parent, const std::string& text, const std::string& title);
std::string AskText(wxWindow* parent, const std::string& prompt, const std::string& title,
                    const std::string& initial);
std::string ChooseFile(wxWindow* parent, const std::vector<FileFilter>& filters, const std::string& title,
                       const std::string& initial_folder, bool change_folder);
std::string ChooseFolder(wxWindow* parent, const std::string& title);
// Until printing is built, a print job goes into a PDF file chosen here.
std::string ChoosePdfFile(wxWindow* parent, const std::string& title);
void OpenWithDesktop(const std::string& path);

// "cu*.dbf" as a pattern that also matches "CUABC.DBF": the tables come from DOS, whose
// names have no case, and the file chooser compares names with case.
std::string CaseBlindPattern(const std::string& pattern);

}  // namespace movarel::ui
