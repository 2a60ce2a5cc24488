// The pages as a browser shows them: headless Chromium reads a standings page written by the
// program and the rendered text must carry the Spanish letters and keep the columns aligned.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "reports/standings_report.h"
#include "small_tournament.h"

namespace movarel::reports {
namespace {

constexpr char kChromium[] = "/usr/bin/chromium";

std::string RenderedDom(const std::string& page, const std::string& profile) {
  const std::string command = std::string(kChromium) +
                              " --headless --no-sandbox --disable-gpu --no-first-run"
                              " --disable-background-networking --disable-component-update --disable-sync"
                              " --user-data-dir='" +
                              profile + "' --dump-dom 'file://" + page + "' 2>/dev/null";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

// Characters, not bytes, of UTF-8 text with the serialiser's entities read back.
size_t RenderedWidth(std::string text) {
  for (const auto& [entity, c] : std::vector<std::pair<std::string, std::string>>{
           {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, entity.size(), c);
    }
  }
  size_t width = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++width;
  }
  return width;
}

TEST(RenderedPage, StandingsShowSpanishLettersAndAlignedColumnsInChromium) {
  if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << "chromium is not installed";
  testing::SmallTournament t;
  ASSERT_TRUE(LISHTMCLAS(t.state, 3, "zendral", false));
  const std::string profile = t.folder.file("chromium-profile");
  std::filesystem::create_directories(profile);

  const std::string dom = RenderedDom(t.folder.file("zendral.htm"), profile);
  ASSERT_FALSE(dom.empty()) << "chromium rendered nothing";
  EXPECT_NE(dom.find("Clasificaci\xC3\xB3n final"), std::string::npos) << dom;
  EXPECT_NE(dom.find("MU\xC3\x91OZ, PEPE"), std::string::npos);
  // The club "Club <A&B>" is text, not markup.
  EXPECT_NE(dom.find("Club &lt;A&amp;B&gt;"), std::string::npos);

  const size_t pre = dom.find("<pre>");
  const size_t end = dom.find("</pre>");
  ASSERT_NE(pre, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  std::vector<std::string> lines;
  std::string rest = dom.substr(pre + 5, end - pre - 5);
  for (size_t hr = rest.find("<hr>"); hr != std::string::npos; hr = rest.find("<hr>")) rest.erase(hr, 4);
  for (size_t start = 0; start < rest.size();) {
    size_t eol = rest.find('\n', start);
    if (eol == std::string::npos) eol = rest.size();
    if (eol > start) lines.push_back(rest.substr(start, eol - start));
    start = eol + 1;
  }
  ASSERT_EQ(lines.size(), 7u);  // the header and six players
  const size_t header_width = RenderedWidth(lines[0]);
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(RenderedWidth(lines[i]), header_width) << lines[i];
  }
}

}  // namespace
}  // namespace movarel::reports
