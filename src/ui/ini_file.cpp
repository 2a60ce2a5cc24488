#include "ui/ini_file.h"

#include <optional>
#include <string_view>
#include <utility>

#include "storage/files.h"
#include "ui/names.h"

namespace movarel::ui {

namespace {

std::string_view Trim(std::string_view text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

// The section named by a "[Name]" line, or nothing for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
  std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  size_t close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// Key and value of a "key=value" line; comments (";") and other lines have none.
bool SplitKey(std::string_view line, std::string_view* key, std::string_view* value) {
  std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return false;
  size_t eq = t.find('=');
  if (eq == std::string_view::npos) return false;
  *key = Trim(t.substr(0, eq));
  *value = Trim(t.substr(eq + 1));
  return true;
}

// [first, last) lines of a section's body; first = npos when the section is absent.
std::pair<size_t, size_t> SectionBody(const std::vector<std::string>& lines, const std::string& section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    auto name = SectionOf(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    size_t end = i + 1;
    while (end < lines.size() && !SectionOf(lines[end])) ++end;
    return {i + 1, end};
  }
  return {std::string::npos, std::string::npos};
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  storage::Result<std::string> bytes = storage::ReadWholeFile(path_);
  if (!bytes.ok()) return;
  existed_ = true;
  const std::string& text = bytes.value();
  size_t start = 0;
  while (start < text.size()) {
    size_t nl = text.find('\n', start);
    std::string line = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(std::move(line));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
}

std::string IniFile::Get(const std::string& section, const std::string& key, const std::string& default_value) const {
  auto [first, last] = SectionBody(lines_, section);
  if (first == std::string::npos) return default_value;
  for (size_t i = first; i < last; ++i) {
    std::string_view k, v;
    if (SplitKey(lines_[i], &k, &v) && SameName(k, key)) return std::string(v);
  }
  return default_value;
}

storage::Status IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  auto [first, last] = SectionBody(lines_, section);
  bool done = false;
  if (first == std::string::npos) {
    lines_.push_back("[" + section + "]");
    lines_.push_back(key + "=" + value);
    done = true;
  }
  for (size_t i = first; !done && i < last; ++i) {
    std::string_view k, v;
    if (SplitKey(lines_[i], &k, &v) && SameName(k, key)) {
      lines_[i] = std::string(k) + "=" + value;
      done = true;
    }
  }
  if (!done) {
    // After the section's last non-blank line, so a blank line before the next section stays.
    size_t at = last;
    while (at > first && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<long>(at), key + "=" + value);
  }
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  storage::Status status = storage::WriteFileAtomically(path_, text);
  if (status.ok()) existed_ = true;
  return status;
}

}  // namespace movarel::ui
