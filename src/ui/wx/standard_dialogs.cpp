#include "ui/wx/standard_dialogs.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/textdlg.h>
#include <wx/utils.h>

#include <cctype>
#include <filesystem>

#include "storage/letter_case.h"
#include "ui/platform.h"
#include "ui/wx/wx_text.h"

namespace movarel::ui {

void ShowMessage(wxWindow* parent, MessageKind kind, const std::string& text, const std::string& title) {
  long style = wxOK | wxCENTRE;
  switch (kind) {
    case MessageKind::kInfo: style |= wxICON_INFORMATION; break;
    case MessageKind::kStop: style |= wxICON_ERROR; break;
    case MessageKind::kExclamation: style |= wxICON_EXCLAMATION; break;
  }
  wxMessageDialog dialog(parent, ToWxMultiline(text), ToWx(title), style);
  dialog.ShowModal();
}

bool AskYesNo(wxWindow* parent, const std::string& text, const std::string& title) {
  wxMessageDialog dialog(parent, ToWxMultiline(text), ToWx(title), wxYES_NO | wxICON_QUESTION | wxCENTRE);
  dialog.SetYesNoLabels(wxString::FromUTF8("&S\xC3\xAD"), "&No");
  return dialog.ShowModal() == wxID_YES;
}

std::string AskText(wxWindow* parent, const std::string& prompt, const std::string& title,
                    const std::string& initial) {
  wxTextEntryDialog dialog(parent, ToWxMultiline(prompt), ToWx(title), ToWx(initial));
  if (dialog.ShowModal() != wxID_OK) return std::string();
  return FromWx(dialog.GetValue());
}

std::string CaseBlindPattern(const std::string& pattern) {
  std::string out;
  for (char c : pattern) {
    if (storage::LowerAscii(c) != storage::UpperAscii(c)) {
      out += '[';
      out += storage::LowerAscii(c);
      out += storage::UpperAscii(c);
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

std::string ChooseFile(wxWindow* parent, const std::vector<FileFilter>& filters, const std::string& title,
                       const std::string& initial_folder, bool change_folder) {
  wxString wildcard;
  for (const FileFilter& filter : filters) {
    if (!wildcard.empty()) wildcard += "|";
    wildcard += ToWx(filter.description) + " (" + ToWx(filter.pattern) + ")|" + ToWx(CaseBlindPattern(filter.pattern));
  }
  if (wildcard.empty()) wildcard = wxFileSelectorDefaultWildcardStr;
  wxFileDialog dialog(parent, ToWx(title), PathToWx(initial_folder), wxString(), wildcard,
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return std::string();
  std::string path = PathFromWx(dialog.GetPath());
  if (change_folder) SetCurrentFolder(std::filesystem::path(path).parent_path().string());
  return path;
}

std::string ChooseFolder(wxWindow* parent, const std::string& title) {
  wxDirDialog dialog(parent, ToWx(title), wxGetCwd(), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return std::string();
  return PathFromWx(dialog.GetPath());
}

std::string ChoosePdfFile(wxWindow* parent, const std::string& title) {
  wxFileDialog dialog(parent, ToWx(title), wxGetCwd(), "papeletas.pdf", "PDF (*.pdf)|*.pdf",
                      wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialog.ShowModal() != wxID_OK) return std::string();
  wxFileName name(dialog.GetPath());
  if (!name.HasExt()) name.SetExt("pdf");
  return PathFromWx(name.GetFullPath());
}

void OpenWithDesktop(const std::string& path) {
  if (!wxLaunchDefaultApplication(PathToWx(path))) OpenWithDefaultProgram(path);
}

}  // namespace movarel::ui
