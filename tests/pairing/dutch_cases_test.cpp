// Every pairing case computed by an independent engine (tests/data/dutch) must come out
// identical: boards, colours, board order and the PAB.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "pairing/dutch_pairing.h"
#include "case_files.h"

namespace movarel::pairing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> case_names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(MOVAREL_FIXTURES_DIR) / "dutch" / folder))
    if (entry.path().extension() == ".trf") names.push_back(folder + "/" + entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string engine_answer(const std::optional<RoundPairing>& pairing) {
  if (!pairing) return "NONE\n";
  std::ostringstream out;
  out << pairing->boards.size() + (pairing->bye ? 1 : 0) << "\n";
  for (const Board& b : pairing->boards) out << b.white << " " << b.black << "\n";
  if (pairing->bye) out << pairing->bye << " 0\n";
  return out.str();
}

class DutchCase : public ::testing::TestWithParam<std::string> {};

TEST_P(DutchCase, PairsLikeTheIndependentEngine) {
  const fs::path base = fs::path(MOVAREL_FIXTURES_DIR) / "dutch" / GetParam();
  const TrfRoundInput read = testing::read_case(base.string() + ".trf");
  ASSERT_EQ(read.error, "");
  const RoundInput& input = read.input;
  ASSERT_EQ(check_round_input(input), "");
  const std::vector<std::string> expected = lines_of(testing::file_bytes(base.string() + ".pairs"));
  const std::vector<std::string> actual = lines_of(engine_answer(pair_round(input)));
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string want = i < expected.size() ? expected[i] : "(nothing)";
    const std::string got = i < actual.size() ? actual[i] : "(nothing)";
    ASSERT_EQ(got, want) << "first difference at line " << i + 1 << " (board " << i << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(Small, DutchCase, ::testing::ValuesIn(case_names("small")),
                         [](const auto& info) { return info.param.substr(info.param.find('-') + 1); });
INSTANTIATE_TEST_SUITE_P(Medium, DutchCase, ::testing::ValuesIn(case_names("medium")),
                         [](const auto& info) { return info.param.substr(info.param.find('-') + 1); });
INSTANTIATE_TEST_SUITE_P(Large, DutchCase, ::testing::ValuesIn(case_names("large")),
                         [](const auto& info) { return info.param.substr(info.param.find('-') + 1); });

}  // namespace
}  // namespace movarel::pairing
