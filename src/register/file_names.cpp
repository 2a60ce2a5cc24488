#include "register/file_names.h"

#include <cassert>

#include "storage/letter_case.h"
#include "storage/value.h"

namespace movarel::registry {
namespace {

std::string Concat(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string out;
  out.reserve(a.size() + b.size() + c.size());
  out.append(a).append(b).append(c);
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         storage::EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         storage::EqualsIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace

std::string PlayerTableName(std::string_view key) { return Concat("cu", key); }

std::string RoundTableName(int round, std::string_view key) {
  assert(round >= 1);
  return Concat("r", std::to_string(round), key);
}

std::string PrizeTableName(std::string_view key) { return Concat("pr", key); }

std::string PrizeAmountIndexName(std::string_view key) { return Concat("pr", key, "_c"); }

std::string TieBreakTableName(std::string_view key) { return Concat("ds", key); }

std::string RoundFieldName(int round, char letter) {
  assert(round >= 1 && round <= 15);
  return Concat("R", std::to_string(round), std::string_view(&letter, 1));
}

std::string KeyOfPlayerTablePath(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (EndsWithNoCase(name, ".dbf")) name.remove_suffix(4);
  if (StartsWithNoCase(name, "cu")) name.remove_prefix(2);
  return std::string(name);
}

std::string FolderOfPath(std::string_view path) {
  const size_t slash = path.find_last_of("/\\");
  if (slash == std::string_view::npos) return "";
  if (slash == 0) return std::string(path.substr(0, 1));  // a file in the root folder
  return std::string(path.substr(0, slash));
}

std::string TemplatesFolder(std::string_view start_folder) {
  std::string folder(start_folder);
  while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder + "/zd/";
}

}  // namespace movarel::registry
