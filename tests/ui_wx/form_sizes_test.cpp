// Every form of the program shown through the real windows of this build's toolkit: no
// caption wider than its control or grid column, no control given less room than its
// content needs, every control inside its window. The windowed run leaves a picture and a
// layout listing of each form (MOVAREL_SCREENSHOT_DIR); the listings are read here and the
// pictures kept for people to look at (MOVAREL_TEST_PICTURES/forms).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_session.h"

namespace movarel::testing {
namespace {

// A tournament of twelve players (two-digit player buttons) with round 1 left unpaired, so
// the pairing editor shows every button, then each form the menus open.
std::string EveryForm(const std::string& folder) {
  return "menu mnuTorNuevo\nfolder " + folder +
         "\nform FrmET\nset txtFICHERO TALLAS\nset txtTORNEO Open de prueba\nset txtN_JUGS 12\n"
         "set txtN_RONDAS 3\nclick btnOk\n"
         "menu mnuVerCuadro\nform FrmCuadro\nedit brwCuadro 1 JUG P\xC3\x89REZ GARC\xC3\x8D" "A, ANA\nclick btnHTOk\n"
         "menu mnuEmparej\nform FrmElegRda\nclick btnOk\nno\nform FrmEE\nclick btnEmpAuto\n"
         "form FrmDescansos\nclick btnOk\nform FrmEE\nclick btnOk\n"
         "menu mnuRdos\nform FrmElegRda\nclick btnOk\nform FrmER\nclick btnOk\n"
         "menu mnuHojTor\nform FrmHT\nclick btnHTOk\n"
         "menu mnuCfgDs\nform FrmCfgDs\nclick btnDsOk\n"
         "menu mnuCfgLisClas\nform FrmCfgLC\nclick btnCCSalir\n"
         "menu mnuPGNJug\nform FrmElegJug\nclick btnOk\nquit\n";
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '|');) fields.push_back(field);
  return fields;
}

// What is wrong in one form's listing, one line per fault.
std::vector<std::string> Faults(const std::string& listing, std::string& form) {
  std::vector<std::string> faults;
  std::istringstream in(listing);
  int client_width = 0, client_height = 0;
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> f = Fields(line);
    const auto n = [&f](size_t i) { return i < f.size() ? std::atoi(f[i].c_str()) : 0; };
    const std::string text = f.size() > 9 ? " \"" + f[9] + "\"" : "";
    if (f[0] == "form") {
      form = f[1];
      client_width = n(2);
      client_height = n(3);
    } else if (f[0] == "column" && n(3) > n(2)) {
      faults.push_back(form + " " + f[1] + " column \"" + f[4] + "\": " + f[3] + " wide in " + f[2]);
    } else if (f[0] == "control") {
      const std::string where = form + " " + f[1] + text + ": ";
      const int x = n(2), y = n(3), width = n(4), height = n(5);
      if (n(8) > width) faults.push_back(where + "caption " + f[8] + " wide in " + f[4]);
      if (width < n(6) || height < n(7)) {
        faults.push_back(where + f[4] + "x" + f[5] + ", needs " + f[6] + "x" + f[7]);
      }
      const bool rule = width <= 3 || height <= 3;
      const bool option = f[1].find('#') != std::string::npos;  // placed within its group
      if (!rule && !option && (x < 0 || y < 0 || x + width > client_width || y + height > client_height)) {
        faults.push_back(where + "outside the window's " + std::to_string(client_width) + "x" +
                         std::to_string(client_height));
      }
    }
  }
  return faults;
}

TEST(FormSizes, EveryCaptionFitsItsControlOnEveryForm) {
  if (!CanRunWindowed()) GTEST_SKIP() << "no windows or no virtual display";
  ProgramSession session("movarel-sizes");
  ASSERT_TRUE(session.made_templates());
  const char* pictures = std::getenv("MOVAREL_TEST_PICTURES");
  // Beside the other tests' pictures, not inside them: GuiScript empties its folder when it starts,
  // and ctest may run the two at once.
  const std::string shots = pictures != nullptr ? std::string(pictures) + "-forms" : session.file("shots");
  std::filesystem::remove_all(shots);
  std::filesystem::create_directories(shots);
  WriteBytes(session.file("forms.script"), EveryForm(session.Folder("torneo")));
  const int status = session.Shell(
      "'" MOVAREL_BINARY "' --script forms.script --gui >transcript.txt 2>stderr.txt",
      "MOVAREL_SCREENSHOT_DIR='" + shots + "' LSAN_OPTIONS=suppressions=" MOVAREL_SOURCE_DIR
      "/tests/shell/gtk_lsan.supp:print_suppressions=0 xvfb-run -a -s '-screen 0 1280x1024x24'");
  ASSERT_EQ(status, 0) << ReadBytes(session.file("transcript.txt")) << ReadBytes(session.file("stderr.txt"));

  std::set<std::string> forms;
  std::vector<std::string> faults;
  for (const auto& entry : std::filesystem::directory_iterator(shots)) {
    if (entry.path().extension() != ".layout") continue;
    std::string form;
    for (const std::string& fault : Faults(ReadBytes(entry.path().string()), form)) faults.push_back(fault);
    forms.insert(form);
  }
  EXPECT_EQ(forms, (std::set<std::string>{"Frm", "FrmET", "FrmCuadro", "FrmElegRda", "FrmEE", "FrmDescansos", "FrmER", "FrmHT",
                                          "FrmCfgDs", "FrmCfgLC", "FrmElegJug"}));
  EXPECT_EQ(faults, std::vector<std::string>{});
  // GTK's own words for a widget given less room than its padding.
  const std::string complaints = ReadBytes(session.file("stderr.txt"));
  for (const char* complaint : {"Negative content width", "gtk_box_gadget_distribute"}) {
    EXPECT_EQ(complaints.find(complaint), std::string::npos) << complaints;
  }
}

}  // namespace
}  // namespace movarel::testing
