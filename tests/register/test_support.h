#pragma once
// Helpers shared by the register tests: a scratch folder, running a command, a dialogs
// double that records what it was asked to show, and the python3-dbf table dump.

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_session.h"
#include "ui/dialogs.h"

namespace movarel::registry::testing {

using movarel::testing::ScratchFolder;

// Runs a shell command; returns its exit status and standard output.
struct CommandResult {
  int status = -1;
  std::string output;
};
inline CommandResult RunCommand(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  result.status = pclose(pipe);
  return result;
}

struct RecordingDialogs : ui::Dialogs {
  std::vector<std::string> stops;
  std::vector<std::string> others;
  void MsgInfo(const std::string& text, const std::string&) override { others.push_back(text); }
  void MsgStop(const std::string& text, const std::string&) override { stops.push_back(text); }
  void MsgExclamation(const std::string& text, const std::string&) override { others.push_back(text); }
  bool MsgYesNo(const std::string& text, const std::string&) override {
    others.push_back(text);
    return false;
  }
  std::string InputBox(const std::string& prompt, const std::string&, const std::string&) override {
    others.push_back(prompt);
    return "";
  }
  std::string GetFile(const std::vector<ui::FileFilter>&, const std::string& title, const std::string&,
                      bool) override {
    others.push_back(title);
    return "";
  }
  std::string GetFolder(const std::string& title) override {
    others.push_back(title);
    return "";
  }
  void OpenDocument(const std::string& path) override { others.push_back(path); }
};

// One table as python3-dbf reads it (see dump_tables.py).
struct DumpedTable {
  std::vector<std::string> fields;                // "NAME T length decimals"
  std::vector<std::vector<std::string>> records;  // values as text
};

inline std::map<std::string, DumpedTable> DumpTables(const std::vector<std::string>& paths,
                                                     std::string* raw_output = nullptr) {
  std::string command = "/usr/bin/python3 " MOVAREL_SOURCE_DIR "/tests/register/dump_tables.py";
  for (const std::string& p : paths) command += " '" + p + "'";
  const CommandResult run = RunCommand(command + " 2>&1");
  if (raw_output != nullptr) *raw_output = run.output;
  std::map<std::string, DumpedTable> tables;
  DumpedTable* current = nullptr;
  std::istringstream lines(run.output);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("TABLE ", 0) == 0) {
      current = &tables[line.substr(6)];
    } else if (current != nullptr && line.rfind("FIELD ", 0) == 0) {
      current->fields.push_back(line.substr(6));
    } else if (current != nullptr && line.rfind("RECORD ", 0) == 0) {
      std::vector<std::string> values;
      std::string rest = line.substr(7);
      size_t start = 0;
      for (size_t bar; (bar = rest.find('|', start)) != std::string::npos; start = bar + 1) {
        values.push_back(rest.substr(start, bar - start));
      }
      values.push_back(rest.substr(start));
      current->records.push_back(values);
    }
  }
  return tables;
}

}  // namespace movarel::registry::testing
