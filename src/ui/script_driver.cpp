#include "ui/script_driver.h"

#include <initializer_list>

#include "storage/value.h"
#include "ui/backend.h"
#include "ui/control.h"
#include "ui/cp1252.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/names.h"

namespace movarel::ui {

namespace {

bool IsAnswer(ScriptVerb verb) {
  switch (verb) {
    case ScriptVerb::kYes:
    case ScriptVerb::kNo:
    case ScriptVerb::kFile:
    case ScriptVerb::kFolder:
    case ScriptVerb::kInput:
    case ScriptVerb::kPrint: return true;
    default: return false;
  }
}

bool Answers(AnswerKind kind, ScriptVerb verb) {
  switch (kind) {
    case AnswerKind::kYesNo: return verb == ScriptVerb::kYes || verb == ScriptVerb::kNo;
    case AnswerKind::kInput: return verb == ScriptVerb::kInput;
    case AnswerKind::kFile: return verb == ScriptVerb::kFile;
    case AnswerKind::kFolder: return verb == ScriptVerb::kFolder;
    case AnswerKind::kPrint: return verb == ScriptVerb::kPrint;
  }
  return false;
}

MenuItem* FindProgramEnd(const std::vector<std::unique_ptr<MenuItem>>& items) {
  for (const auto& item : items) {
    if (item->kind() == MenuKind::kItem && item->ends_program()) return item.get();
    if (MenuItem* found = FindProgramEnd(item->children())) return found;
  }
  return nullptr;
}

std::string LineText(const ScriptLine& line) {
  return "line " + std::to_string(line.number) + ": " + Utf8ToCp1252(line.source);
}

}  // namespace

ScriptDriver::ScriptDriver(ScriptReader reader, Transcript& transcript)
    : reader_(std::move(reader)), transcript_(&transcript) {}

void ScriptDriver::Fail(const ScriptLine& line, const std::string& message) {
  transcript_->Write({"ERROR", LineText(line), message});
  throw ScriptStop{kScriptErrorExitStatus};
}

void ScriptDriver::Unanswered(const std::vector<std::string>& waiting, const ScriptLine* line) {
  std::string text = "UNANSWERED";
  for (const std::string& field : waiting) text += "|" + field;
  text += "|" + (line != nullptr ? LineText(*line) : std::string("end of script"));
  transcript_->Write({text});
  throw ScriptStop{kScriptMismatchExitStatus};
}

void ScriptDriver::Unasked(const ScriptLine& line) {
  transcript_->Write({"UNASKED", LineText(line)});
  throw ScriptStop{kScriptMismatchExitStatus};
}

std::string ScriptDriver::TakeAnswer(AnswerKind kind, const std::vector<std::string>& dialog) {
  if (reader_.AtEnd()) Unanswered(dialog, nullptr);
  const ScriptLine& line = reader_.Peek();
  if (!Answers(kind, line.verb)) Unanswered(dialog, &line);
  reader_.Take();
  if (line.verb == ScriptVerb::kYes) return "yes";
  if (line.verb == ScriptVerb::kNo) return "no";
  return line.args.empty() ? std::string() : line.args.front();
}

void ScriptDriver::MainFormShown(const Form& main_form) {
  last_title_ = main_form.caption();
  title_written_ = true;
  transcript_->Write({"TITLE", last_title_});
}

void ScriptDriver::MainFormTitleChanged(const Form& main_form, const Change& change) {
  if (main_form.kind() != FormKind::kMain || change.kind != Change::Kind::kFormProperty) return;
  if (change.property != Property::kCaption && change.property != Property::kTitle) return;
  if (title_written_ && main_form.caption() == last_title_) return;
  MainFormShown(main_form);
}

void ScriptDriver::Quit(Form& main_form) {
  MenuItem* item = FindProgramEnd(main_form.menu());
  if (item != nullptr) item->UserChoose();
  if (!main_form.released()) main_form.Release();
}

bool ScriptDriver::StepMain(Form& main_form) {
  if (reader_.AtEnd()) return false;
  const ScriptLine& line = reader_.Take();
  switch (line.verb) {
    case ScriptVerb::kMenu: RunMenuCommand(main_form, line); break;
    case ScriptVerb::kQuit: Quit(main_form); break;
    default:
      // A form command or an answer with nothing shown that could take it.
      Unasked(line);
  }
  return true;
}

void ScriptDriver::RunMenuCommand(Form& main_form, const ScriptLine& line) {
  MenuItem* item = nullptr;
  std::string label;
  if (line.quoted_path) {
    item = main_form.FindMenuPath(line.args);
    for (const std::string& caption : line.args) label += (label.empty() ? "" : " / ") + caption;
  } else {
    item = main_form.FindMenuItem(line.args.front());
    label = line.args.front();
  }
  if (item == nullptr || item->kind() != MenuKind::kItem) Fail(line, "no menu item " + label);
  if (!item->reachable()) {
    transcript_->Write({"MENU DISABLED", item->name().empty() ? label : item->name()});
    return;
  }
  item->UserChoose();
}

void ScriptDriver::StepModal(Form& form) {
  if (reader_.AtEnd()) Unanswered({"FORM", form.name(), form.caption()}, nullptr);
  const ScriptLine& line = reader_.Peek();
  if (line.verb == ScriptVerb::kMenu && !form.menu().empty()) {
    // A modal form with a menu of its own (the prize browser, the player database) takes the line.
    reader_.Take();
    RunMenuCommand(form, line);
    return;
  }
  if (line.verb == ScriptVerb::kMenu || line.verb == ScriptVerb::kQuit) {
    // The main window's menu cannot be reached while a modal form is shown.
    Unanswered({"FORM", form.name(), form.caption()}, &line);
  }
  reader_.Take();
  if (IsAnswer(line.verb)) Unasked(line);
  RunFormCommand(form, line);
}

void ScriptDriver::RunFormCommand(Form& form, const ScriptLine& line) {
  if (line.verb == ScriptVerb::kForm) {
    if (!SameName(line.args.front(), form.name())) Unanswered({"FORM", form.name(), form.caption()}, &line);
    return;
  }
  if (line.verb == ScriptVerb::kClose) {
    form.UserClose();
    return;
  }
  Control* control = form.Find(line.args.front());
  if (control == nullptr) Fail(line, "form " + form.name() + " has no control " + line.args.front());
  if (!control->enabled() || !control->visible()) {
    // The user cannot reach it; like a disabled menu item the script goes on.
    transcript_->Write({"CONTROL DISABLED", form.name(), control->name()});
    return;
  }
  switch (line.verb) {
    case ScriptVerb::kSet: {
      const std::string& text = line.args[1];
      storage::Value value;
      switch (control->kind()) {
        case ControlKind::kTextBox:
          // As typed, whatever the box's kind: the control converts it as a window would.
          value = text;
          break;
        case ControlKind::kComboBox:
        case ControlKind::kListBox:
        case ControlKind::kRadioGroup:
        case ControlKind::kTab: {
          double index = storage::Val(text);
          if (index < 1 || index > static_cast<double>(control->items().size())) {
            Fail(line, control->name() + " has no item " + text);
          }
          value = index;
          break;
        }
        case ControlKind::kCheckBox:
          if (text != "true" && text != "false") Fail(line, "a check box takes true or false");
          value = text == "true";
          break;
        case ControlKind::kDatePicker: {
          storage::Date date = storage::Ctod(text);
          if (date.empty() && !storage::AllTrim(text).empty()) Fail(line, "not a dd-mm-yyyy date: " + text);
          value = date;
          break;
        }
        case ControlKind::kGrid: value = storage::Val(text); break;
        default: Fail(line, control->name() + " takes no value");
      }
      control->UserSetValue(value);
      break;
    }
    case ScriptVerb::kClick: control->UserClick(); break;
    case ScriptVerb::kDblClick: control->UserDoubleClick(); break;
    case ScriptVerb::kHeader:
    case ScriptVerb::kEdit: {
      if (control->kind() != ControlKind::kGrid) Fail(line, control->name() + " is not a grid");
      const std::string& wanted = line.verb == ScriptVerb::kHeader ? line.args[1] : line.args[2];
      int column = 0;
      const auto& columns = control->columns();
      for (size_t i = 0; i < columns.size() && column == 0; ++i) {
        if ((!columns[i].field.empty() && SameName(columns[i].field, wanted)) || columns[i].header == wanted) {
          column = static_cast<int>(i) + 1;
        }
      }
      if (column == 0 && line.verb == ScriptVerb::kHeader) {
        double n = storage::Val(wanted);
        if (n >= 1 && n <= static_cast<double>(columns.size())) column = static_cast<int>(n);
      }
      if (column == 0) Fail(line, control->name() + " has no column " + wanted);
      if (line.verb == ScriptVerb::kHeader) {
        control->UserHeaderClick(column);
      } else {
        if (!columns[column - 1].editable) Fail(line, "column " + wanted + " of " + control->name() + " is not editable");
        double recno = storage::Val(line.args[1]);
        if (recno < 1) Fail(line, "not a record number: " + line.args[1]);
        control->UserEditCell(static_cast<uint32_t>(recno), column, line.args[3]);
      }
      break;
    }
    default: break;
  }
}

}  // namespace movarel::ui
