#pragma once
// Drives the forms model from a script, independently of the backend that draws the forms:
// the script backend calls it from its loops and dialogs; the wx backend can feed the same
// lines into real windows. It acts only through the model's User*() entry points, so a
// scripted click does exactly what a mouse click does.
//
// A run stops early by throwing ScriptStop, which RunScript catches: status 3 when the
// program asks for something the script does not answer (or the script ends while a dialog
// or form waits), status 2 when a script line is malformed or names no control, item or
// form of the program. The last transcript line then says why.

#include <string>
#include <vector>

#include "ui/script_line.h"
#include "ui/transcript.h"

namespace movarel::ui {

class Form;
struct Change;

inline constexpr int kScriptMismatchExitStatus = 3;
inline constexpr int kScriptErrorExitStatus = 2;

struct ScriptStop {
  int status;
};

enum class AnswerKind { kYesNo, kInput, kFile, kFolder, kPrint };

class ScriptDriver {
 public:
  ScriptDriver(ScriptReader reader, Transcript& transcript);

  Transcript& transcript() { return *transcript_; }

  // The transcript's TITLE lines of the main form: `MainFormShown` writes one when the main
  // form is shown; `MainFormTitleChanged` another only when the caption differs from the last
  // written. Both backends call these, so headless and windowed transcripts agree.
  void MainFormShown(const Form& main_form);
  void MainFormTitleChanged(const Form& main_form, const Change& change);

  // Runs the next command against the main form (menu, quit). Returns false at the end of
  // the script. A command meant for a modal form or a dialog answer here is a mismatch.
  bool StepMain(Form& main_form);
  // Runs the next command against the modal form `form` (form, set, click, dblclick,
  // header, edit, close). The end of the script here is a mismatch.
  void StepModal(Form& form);

  // The answer a dialog asks for: the next line must be of that kind, else ScriptStop(3)
  // after the transcript line "UNANSWERED|" + `dialog` fields + "|line N: SOURCE" (or
  // "|end of script"). `dialog` is the dialog's transcript line without its answer, in
  // Windows-1252, e.g. {"YESNO", title, text}. Returns the line's argument ("" when absent;
  // "yes" or "no" for a question).
  std::string TakeAnswer(AnswerKind kind, const std::vector<std::string>& dialog);

  // The end of the script, or `quit`: chooses the menu item marked as ending the program
  // wherever it is in the menu, and releases the main form when that did not.
  void Quit(Form& main_form);

  // Ends the run with status 2 after "ERROR|line N: SOURCE|message".
  [[noreturn]] void Fail(const ScriptLine& line, const std::string& message);

 private:
  [[noreturn]] void Unanswered(const std::vector<std::string>& waiting, const ScriptLine* line);
  [[noreturn]] void Unasked(const ScriptLine& line);
  void RunFormCommand(Form& form, const ScriptLine& line);
  void RunMenuCommand(Form& main_form, const ScriptLine& line);

  ScriptReader reader_;
  Transcript* transcript_;
  std::string last_title_;
  bool title_written_ = false;
};

}  // namespace movarel::ui
