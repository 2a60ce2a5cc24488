#pragma once
// The standard dialogs and message boxes the operations call. The core sees only this
// interface; the wx backend shows real windows, the script backend answers from a script
// and writes the transcript. All texts are Windows-1252 bytes; CR LF breaks lines.

#include <cstdint>
#include <string>
#include <vector>

namespace movarel::ui {

struct FileFilter {
  std::string description;  // "Archivos de cuadro"
  std::string pattern;      // "cu*.dbf"
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual void MsgInfo(const std::string& text, const std::string& title = "") = 0;         // MSGINFO
  virtual void MsgStop(const std::string& text, const std::string& title = "") = 0;         // MSGSTOP
  virtual void MsgExclamation(const std::string& text, const std::string& title = "") = 0;  // MSGEXCLAMATION
  virtual bool MsgYesNo(const std::string& text, const std::string& title = "") = 0;        // MSGYESNO: true = Yes
  // INPUTBOX: the edited text, or "" when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& initial) = 0;
  // GETFILE: the chosen full path, or "" when cancelled. With `change_folder` the chosen
  // file's folder becomes the current folder.
  virtual std::string GetFile(const std::vector<FileFilter>& filters, const std::string& title,
                              const std::string& initial_folder, bool change_folder) = 0;
  virtual std::string GetFolder(const std::string& title) = 0;  // GETFOLDER: "" when cancelled
  // _EXECUTE: opens a written document (an HTML page) with its associated program.
  virtual void OpenDocument(const std::string& path) = 0;
  // Long work (seconds): a progress window with the step's text and a bar at `done` of
  // `total`, shown on the first call and updated by later ones; ProgressEnd closes it. A
  // headless run shows nothing and writes nothing to its transcript.
  virtual void Progress(const std::string& step, uint64_t done, uint64_t total) {
    (void)step;
    (void)done;
    (void)total;
  }
  virtual void ProgressEnd() {}
};

}  // namespace movarel::ui
