#pragma once
// End-to-end tests run twice over one program session: headless (parameter false) and through
// the real windows on a virtual display (true), where both must give the same transcript and
// files. The windowed run is skipped where the program has no windows or no virtual display
// can be started.

#include <gtest/gtest.h>

#include <string>

#include "support/program_session.h"

namespace movarel::testing {

class HeadlessAndWindowed : public ::testing::TestWithParam<bool> {
 protected:
  explicit HeadlessAndWindowed(const std::string& prefix) : session_(prefix) {}

  void SetUp() override {
    if (windowed() && !CanRunWindowed()) GTEST_SKIP() << "no windows or no virtual display";
    ASSERT_TRUE(session_.made_templates());
  }
  // Whether a derived SetUp should go on after this one.
  bool Ready() const { return !IsSkipped() && !HasFatalFailure(); }

  bool windowed() const { return GetParam(); }
  // Runs the script the way of this instance; the exit status is kept in `status_`.
  std::string Script(const std::string& script) {
    const ScriptRun run = session_.Script(script, windowed());
    status_ = run.status;
    return run.transcript;
  }

  ProgramSession session_;
  int status_ = -1;
};

inline std::string HeadlessOrWindowedName(const ::testing::TestParamInfo<bool>& info) {
  return info.param ? "Windowed" : "Headless";
}

}  // namespace movarel::testing
