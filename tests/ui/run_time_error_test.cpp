// Fatal run-time errors: the error text, the HTML log, the stop box and exit status 4.

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "script_harness.h"
#include "storage/files.h"
#include "temp_folder.h"
#include "ui/run_time_error.h"

namespace movarel::ui {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ErrorTextCase {
  RunTimeError error;
  const char* expected;
};

class ErrorText : public ::testing::TestWithParam<ErrorTextCase> {};

TEST_P(ErrorText, FollowsTheLogFormat) { EXPECT_EQ(FormatErrorText(GetParam().error), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorText,
    ::testing::Values(
        ErrorTextCase{{false, "DBFNTX", 1001, "Open error", "cuOP.dbf", "", 2},
                      "Error DBFNTX/1001  Open error: cuOP.dbf (DOS Error 2)"},
        ErrorTextCase{{false, "BASE", 1003, "Variable does not exist", "", "NRONDASEL", -1},
                      "Error BASE/1003  Variable does not exist: NRONDASEL"},
        ErrorTextCase{{true, "", -1, "Lock failure", "r3abc.dbf", "", -1}, "Warning ?\?\?/?\?\?  Lock failure: r3abc.dbf"},
        ErrorTextCase{{false, "DBFNTX", 1006, "Create error", "t.ntx", "", 0},
                      "Error DBFNTX/1006  Create error: t.ntx (DOS Error 0)"}));

TEST(SafeDivide, DivisionByZeroGivesZero) {
  EXPECT_EQ(SafeDivide(7, 0), 0);
  EXPECT_EQ(SafeDivide(0, 0), 0);
  EXPECT_EQ(SafeDivide(7, 2), 3.5);
}

TEST(ErrorLog, CreatedWithHeadThenAppendedWithoutIt) {
  testing::TempFolder temp;
  std::string log = temp / "ErrorLog.Htm";
  AppendErrorLog(log, "Error BASE/1  uno: X", {{"VERCUADRO", 12}, {"MAIN", 3}}, "07-03-2024", "10:11:12");
  AppendErrorLog(log, "Error BASE/2  dos: Y", {}, "08-03-2024", "00:00:01");
  std::string text = ReadFile(log);
  ASSERT_EQ(text.find("<HTML>"), 0u);
  EXPECT_EQ(text.find("<HTML>", 1), std::string::npos) << "the head is written once";
  size_t first = text.find("<p class=\"updated\">Date:07-03-2024  Time: 10:11:12");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(text.find("Error BASE/1  uno: X<BR>\r\n"
                      "Called from VERCUADRO(12)<BR>\r\n"
                      "Called from MAIN(3)<BR>\r\n"
                      "<HR>\r\n",
                      first),
            std::string::npos);
  EXPECT_NE(text.find("<p class=\"updated\">Date:08-03-2024  Time: 00:00:01"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 6), "<HR>\r\n");
}

void RaiseFatalErrorUnderScript(const std::string& folder) {
  if (chdir(folder.c_str()) != 0) _exit(99);
  std::ofstream transcript(folder + "/transcript.txt", std::ios::binary);
  storage::Workspace workspace;
  RunScriptText("menu mnuBoom\n", workspace, [&](Ui& ui) {
    Form frm(ui, "Frm", FormKind::kMain);
    frm.Caption("Movarel v3.0-beta3");
    frm.AddPopup("&Torneo").AddItem("Boom", "mnuBoom", [] {
      ActiveOperation op("VERCUADRO");
      ActiveOperation inner("ABRIRCUADRO");
      RunTimeError error;
      error.subsystem = "DBFNTX";
      error.subcode = 1001;
      error.description = "Open error";
      error.file_name = "cuOP.dbf";
      error.os_code = 2;
      FatalError(error);
    });
    frm.Activate();
  }, transcript);
  _exit(0);  // not reached: the fatal error ends the process
}

TEST(FatalErrorDeathTest, WritesLogShowsStopBoxAndExitsWith4) {
  testing::TempFolder temp;
  EXPECT_EXIT(RaiseFatalErrorUnderScript(temp.path()), ::testing::ExitedWithCode(kFatalErrorExitStatus), "");
  std::string log = ReadFile(temp / "ErrorLog.Htm");
  EXPECT_NE(log.find("Error DBFNTX/1001  Open error: cuOP.dbf (DOS Error 2)<BR>\r\n"
                     "Called from ABRIRCUADRO("),
            std::string::npos)
      << log;
  EXPECT_NE(log.find(")<BR>\r\nCalled from VERCUADRO("), std::string::npos);
  std::string transcript = ReadFile(temp / "transcript.txt");
  EXPECT_EQ(transcript.find("TITLE|Movarel v3.0-beta3\nSTOP|Program Error|Error DBFNTX/1001  Open error: cuOP.dbf "
                            "(DOS Error 2)\\nCalled from ABRIRCUADRO("),
            0u)
      << transcript;
}

TEST(FatalErrorDeathTest, UnknownControlNameIsFatal) {
  testing::TempFolder temp;
  auto run = [&] {
    if (chdir(temp.path().c_str()) != 0) _exit(99);
    std::ostringstream out;
    storage::Workspace workspace;
    RunScriptText("", workspace, [&](Ui& ui) {
      Form frm(ui, "Frm", FormKind::kMain);
      frm.OnInit([&] { frm.Set("txtNoSuch", "Value", std::string("x")); });
      frm.Activate();
    }, out);
    _exit(0);
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(kFatalErrorExitStatus), "");
  EXPECT_NE(ReadFile(temp / "ErrorLog.Htm").find("Control not defined: Frm.txtNoSuch"), std::string::npos);
}

}  // namespace
}  // namespace movarel::ui
