#include "register/text_utilities.h"

#include "storage/files.h"
#include "ui/dos_text.h"

namespace movarel::registry {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool StartsWord(char previous) { return IsBlank(previous) || previous == ',' || previous == '.'; }
char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string MAYMINS(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  char previous = ' ';
  for (char c : text) {
    if ((previous == ',' || previous == '.') && !IsBlank(c)) out += ' ';
    out += StartsWord(previous) ? ToUpper(c) : ToLower(c);
    previous = c;
  }
  return out;
}

std::string NOHB_OEMTOANSI(std::string_view text) { return ui::DosTextAsCp1252(text); }

bool FIELDINFILE(std::string_view name, std::string_view alias, WorkingState& state) {
  const storage::Table* table = state.workspace.Find(alias);
  return table != nullptr && table->HasField(name);
}

std::string FILEREAD(const std::string& path, WorkingState& state) {
  if (path.empty()) return "";
  storage::Result<std::string> content = storage::ReadWholeFile(storage::ResolvePath(path));
  if (!content.ok()) {
    if (state.dialogs != nullptr) state.dialogs->MsgStop("Error en la apertura del fichero");
    return "";
  }
  return std::move(content).value();
}

}  // namespace movarel::registry
