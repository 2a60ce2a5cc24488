#include "ui/script/script_backend.h"

#include <filesystem>
#include <system_error>

#include "ui/form.h"
#include "ui/platform.h"
#include "storage/os_file.h"

namespace movarel::ui {

namespace {

// What a real file or folder dialog returns: a full path, in the file system's bytes (the
// script's answer is text like every other argument).
std::string FullPath(const std::string& answer) {
  if (answer.empty()) return answer;
  const std::string given = PathFromText(answer);
  std::error_code ec;
  std::filesystem::path path = std::filesystem::absolute(storage::os::FileSystemPath(given), ec);
  return ec ? given : storage::os::PathString(path.lexically_normal());
}

}  // namespace

void ScriptBackend::MsgInfo(const std::string& text, const std::string& title) {
  driver_->transcript().Write({"INFO", title, text});
}

void ScriptBackend::MsgStop(const std::string& text, const std::string& title) {
  driver_->transcript().Write({"STOP", title, text});
}

void ScriptBackend::MsgExclamation(const std::string& text, const std::string& title) {
  driver_->transcript().Write({"EXCLAMATION", title, text});
}

bool ScriptBackend::MsgYesNo(const std::string& text, const std::string& title) {
  std::string answer = driver_->TakeAnswer(AnswerKind::kYesNo, {"YESNO", title, text});
  driver_->transcript().Write({"YESNO", title, text, answer});
  return answer == "yes";
}

std::string ScriptBackend::InputBox(const std::string& prompt, const std::string& title, const std::string&) {
  std::string answer = driver_->TakeAnswer(AnswerKind::kInput, {"INPUT", title, prompt});
  driver_->transcript().Write({"INPUT", title, prompt, answer});
  return answer;
}

std::string ScriptBackend::GetFile(const std::vector<FileFilter>&, const std::string& title, const std::string&,
                                   bool change_folder) {
  std::string answer = driver_->TakeAnswer(AnswerKind::kFile, {"FILE", title});
  driver_->transcript().Write({"FILE", title, answer});
  std::string path = FullPath(answer);
  if (change_folder && !path.empty()) SetCurrentFolder(storage::os::PathString(storage::os::FileSystemPath(path).parent_path()));
  return path;
}

std::string ScriptBackend::GetFolder(const std::string& title) {
  std::string answer = driver_->TakeAnswer(AnswerKind::kFolder, {"FOLDER", title});
  driver_->transcript().Write({"FOLDER", title, answer});
  return FullPath(answer);
}

void ScriptBackend::OpenDocument(const std::string& path) {
  driver_->transcript().Write({"OPEN", PathAsText(path)});
}

std::string ScriptBackend::ChoosePrintTarget(const std::string& title) {
  std::string answer = driver_->TakeAnswer(AnswerKind::kPrint, {"PRINT", title});
  driver_->transcript().Write({"PRINT", title, answer});
  return FullPath(answer);
}

void ScriptBackend::RunMain(Form& form) {
  driver_->MainFormShown(form);
  form.RunInit();
  while (!form.released()) {
    if (!driver_->StepMain(form)) driver_->Quit(form);
  }
}

void ScriptBackend::RunModal(Form& form) {
  driver_->transcript().Write({"FORM", form.name(), form.caption()});
  form.RunInit();
  while (!form.released()) driver_->StepModal(form);
}

void ScriptBackend::FormReleased(Form& form) {
  if (form.kind() == FormKind::kModal) driver_->transcript().Write({"RELEASE", form.name()});
}

void ScriptBackend::Reflect(Form& form, const Change& change) { driver_->MainFormTitleChanged(form, change); }

}  // namespace movarel::ui
