// The register's dialogs through the real windows: the same session run headless and with
// --gui on a virtual display must show the same dialogs in the same order and leave the same
// tables behind. Covers the tournament form (create, refuse, edit), the register browser
// (delete), the board addition and the DOS folder's upgrade question.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tournament_session.h"

namespace movarel::registry {
namespace {

using testing::DumpTables;
using testing::Session;

bool HaveVirtualDisplay() { return std::system("command -v xvfb-run >/dev/null 2>&1") == 0; }

std::string CreateLines(const std::string& folder, const std::string& key, const std::string& name, int players,
                        int rounds) {
  return "menu mnuTorNuevo\nfolder " + folder + "\nform FrmET\nset txtFICHERO " + key + "\nset txtTORNEO " + name +
         "\nset fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS " + std::to_string(players) +
         "\nset txtN_RONDAS " + std::to_string(rounds) + "\nclick btnOk\n";
}

// The session in `folder` (a sub-folder of the session's root, so the two runs differ
// only in the root, which the comparison strips).
std::string RegisterRoad(const std::string& t, const std::string& dos) {
  return CreateLines(t, "AB", "Torneo AB", 3, 2) +
         // A key with a blank is refused and the form stays; then corrected.
         "menu mnuTorNuevo\nfolder " + t + "\nform FrmET\nset txtFICHERO X Y\nset txtTORNEO Torneo XAB\n"
         "set fecFECHA_INI 10-05-2024\nset fecFECHA_FIN 12-05-2024\nset txtN_JUGS 3\nset txtN_RONDAS 2\n"
         "click btnOk\nset txtFICHERO XAB\nclick btnOk\n"
         "menu mnuEditarTorn\nform FrmET\nset txtLOCALIDAD Valencia\nclick btnOk\n"
         "menu mnuAnaRegFRdas\n"
         "menu mnuHojTor\nform FrmHT\nset brwTorneos 1\nclick btnHTBorr\nyes\nyes\nclick btnHTOk\n"
         "menu \"&Torneo\" \"&Elegir torneo\"\nfile " + dos + "/CUOP.DBF\nyes\n"
         "quit\n";
}

std::string Strip(std::string text, const std::string& root) {
  for (size_t at; (at = text.find(root)) != std::string::npos;) text.replace(at, root.size(), "ROOT");
  return text;
}

TEST(RegisterWindowedScript, RealWindowsShowTheSameDialogsAndWriteTheSameTables) {
  if (!HaveVirtualDisplay()) GTEST_SKIP() << "xvfb-run is not installed";
  Session headless, windowed;
  ASSERT_TRUE(headless.made_templates());
  ASSERT_TRUE(windowed.made_templates());

  const Session::Run a = headless.Script(RegisterRoad(headless.Folder("t"), headless.CopyDosFixture("dos")));
  const Session::Run b = windowed.Script(RegisterRoad(windowed.Folder("t"), windowed.CopyDosFixture("dos")), true);
  ASSERT_EQ(a.status, 0) << a.transcript;
  ASSERT_EQ(b.status, 0) << b.transcript;
  const std::string ta = Strip(a.transcript, headless.root());
  EXPECT_EQ(Strip(b.transcript, windowed.root()), ta);
  // Every dialog family of the road actually showed up.
  for (const char* seen : {"FORM|FrmET|", "STOP|", "FORM|FrmHT|", "YESNO|", "INFO|"}) {
    EXPECT_NE(ta.find(seen), std::string::npos) << seen << "\n" << ta;
  }

  const std::vector<std::string> names = {"/t/torneos.dbf", "/t/cuXAB.dbf", "/t/r1XAB.dbf", "/dos/CUOP.DBF"};
  std::vector<std::string> pa, pb;
  for (const std::string& n : names) {
    pa.push_back(headless.root() + n);
    pb.push_back(windowed.root() + n);
  }
  std::string da, db;
  DumpTables(pa, &da);
  DumpTables(pb, &db);
  EXPECT_EQ(Strip(db, windowed.root()), Strip(da, headless.root()));
}

}  // namespace
}  // namespace movarel::registry
