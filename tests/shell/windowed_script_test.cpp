// The same session through the real windows under a virtual display: the transcript must
// be the headless one, and a picture of the main window with its menu bar is kept in the
// build folder (main_window.png).

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "shell_test_support.h"

namespace movarel::shell::testing {
namespace {

constexpr char kSession[] =
    "menu \"&?\" \"&Acerca de...\"\n"
    "menu mnuRdos\n"
    "menu \"&Configurar\" \"&Apertura o no del navegador tras informes HTML\"\n"
    "yes\n"
    "input N\n"
    "quit\n";

#ifdef MOVAREL_PROGRAM_HAS_WINDOWS
uint32_t BigEndian32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}
#endif

TEST(WindowedScript, SameTranscriptAsHeadlessAndPictureOfMainWindow) {
#ifndef MOVAREL_PROGRAM_HAS_WINDOWS
  GTEST_SKIP() << "movarel built without windows (MOVAREL_GUI=OFF)";
#else
  if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) GTEST_SKIP() << "xvfb-run is not installed";
  TempFolder headless_folder, windowed_folder;
  RunResult headless = RunScript(headless_folder, kSession);
  ASSERT_EQ(headless.status, 0) << headless.out << headless.err;

  WriteBytes(windowed_folder.path() + "/session.script", kSession);
  const std::string shots = windowed_folder.path() + "/shots";
  std::filesystem::create_directories(shots);
  RunResult windowed =
      RunMovarel(windowed_folder, "--script session.script --gui",
                 "MOVAREL_SCREENSHOT_DIR='" + shots + "' LSAN_OPTIONS=suppressions=" + MOVAREL_SOURCE_DIR +
                     "/tests/shell/gtk_lsan.supp:print_suppressions=0",
                 "xvfb-run -a");
  ASSERT_EQ(windowed.status, 0) << windowed.out << windowed.err;
  EXPECT_EQ(windowed.out, headless.out);
  EXPECT_EQ(ReadBytes(windowed_folder.settings()), ReadBytes(headless_folder.settings()));

  const std::string picture = ReadBytes(shots + "/01-Frm.png");
  ASSERT_GT(picture.size(), 24u) << "no picture of the main window";
  EXPECT_EQ(picture.substr(0, 8), "\x89PNG\r\n\x1A\n");
  // The IHDR chunk: the window is at least its defined 640 x 480.
  EXPECT_GE(BigEndian32(picture, 16), 640u);
  EXPECT_GE(BigEndian32(picture, 20), 480u);
  std::filesystem::copy_file(shots + "/01-Frm.png", std::string(MOVAREL_TEST_OUTPUT_DIR) + "/main_window.png",
                             std::filesystem::copy_options::overwrite_existing);
#endif
}

}  // namespace
}  // namespace movarel::shell::testing
