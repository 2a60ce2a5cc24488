#pragma once
// The headless backend: nothing is drawn; forms exist only in the model, every dialog
// writes its transcript line and takes its answer from the script.

#include <string>

#include "ui/backend.h"
#include "ui/script_driver.h"

namespace movarel::ui {

class ScriptBackend : public Backend {
 public:
  explicit ScriptBackend(ScriptDriver& driver) : driver_(&driver) {}

  // Dialogs.
  void MsgInfo(const std::string& text, const std::string& title) override;
  void MsgStop(const std::string& text, const std::string& title) override;
  void MsgExclamation(const std::string& text, const std::string& title) override;
  bool MsgYesNo(const std::string& text, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title, const std::string& initial) override;
  std::string GetFile(const std::vector<FileFilter>& filters, const std::string& title,
                      const std::string& initial_folder, bool change_folder) override;
  std::string GetFolder(const std::string& title) override;
  void OpenDocument(const std::string& path) override;

  // Backend.
  void RunMain(Form& form) override;
  void RunModal(Form& form) override;
  void FormReleased(Form& form) override;
  void Reflect(Form& form, const Change& change) override;
  std::string ChoosePrintTarget(const std::string& title) override;

 private:
  ScriptDriver* driver_;
};

}  // namespace movarel::ui
