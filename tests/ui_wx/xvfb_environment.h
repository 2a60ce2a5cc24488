#pragma once
// A virtual X display for the whole test binary: Xvfb picks a free display number itself
// (-displayfd), so parallel test runs never collide, and it is stopped when the tests end.
// The Windows build's windows are Wine's, which is given its display when it starts: there
// the header sets up nothing.

#ifndef _WIN32

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace movarel::ui::testing {

class XvfbEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
      close(fds[0]);
      // It reports every display number it finds taken before settling on a free one.
      const int null = open("/dev/null", O_WRONLY);
      if (null >= 0) dup2(null, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    // Xvfb writes the display number once it accepts connections.
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    display_ = ":" + number;
    setenv("DISPLAY", display_.c_str(), 1);
    // No accessibility bus or settings daemon on a bare display.
    setenv("NO_AT_BRIDGE", "1", 1);
    setenv("GTK_A11Y", "none", 1);
  }

  void TearDown() override {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// Every test binary that includes this header gets one display, set up before its first test.
inline ::testing::Environment* const kXvfb = ::testing::AddGlobalTestEnvironment(new XvfbEnvironment);

}  // namespace movarel::ui::testing

#endif  // _WIN32
