// Locks as a second program sees them: a forked process holds the table, and this one is
// refused at once, with the network-error flag on a refused open.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "storage/workspace.h"
#include "table_test_support.h"

namespace movarel::storage {
namespace {

using testing::ScratchFolder;

// Another program: a child process that opens the table, takes what `hold` takes, and keeps
// it until told to release its locks ('u') or to end (the pipe closes).
class OtherProgram {
 public:
  OtherProgram(const std::string& path, bool shared, const std::function<bool(Table&)>& hold) {
    int ready[2], commands[2];
    if (pipe(ready) != 0 || pipe(commands) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      close(commands[1]);
      Workspace ws;
      auto table = ws.Use(path, "t", shared);
      char ok = (table.ok() && hold(**table)) ? '1' : '0';
      (void)!write(ready[1], &ok, 1);
      char command;
      while (read(commands[0], &command, 1) == 1) {
        if (command == 'u') (*table)->Unlock();
        (void)!write(ready[1], &command, 1);
      }
      _exit(0);
    }
    close(ready[1]);
    close(commands[0]);
    ready_ = ready[0];
    commands_ = commands[1];
    char ok = '0';
    started_ = read(ready_, &ok, 1) == 1 && ok == '1';
  }
  ~OtherProgram() {
    close(commands_);
    close(ready_);
    if (pid_ > 0) waitpid(pid_, nullptr, 0);
  }
  bool started() const { return started_; }
  void ReleaseLocks() {
    char command = 'u';
    (void)!write(commands_, &command, 1);
    (void)!read(ready_, &command, 1);
  }

 private:
  pid_t pid_ = -1;
  int ready_ = -1;
  int commands_ = -1;
  bool started_ = false;
};

class LockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = folder_.file("CUOP.DBF");
    ASSERT_TRUE(CreateTable(path_, {{"NUM", 'N', 3, 0}, {"JUG", 'C', 30, 0}}).ok());
    Workspace ws;
    Table* t = *ws.Use(path_, "cuadro", false);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(t->Append().ok());
  }
  ScratchFolder folder_;
  std::string path_;
};

TEST_F(LockTest, ExclusiveHolderRefusesEveryOpenAtOnceWithNetErr) {
  OtherProgram other(path_, false, [](Table&) { return true; });
  ASSERT_TRUE(other.started());
  Workspace ws;
  for (bool shared : {false, true}) {
    for (bool read_only : {false, true}) {
      auto start = std::chrono::steady_clock::now();
      auto t = ws.Use(folder_.file("cuop"), "cuadro", shared, read_only);
      double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      ASSERT_FALSE(t.ok());
      EXPECT_EQ(t.status().code(), Status::Code::kLocked);
      EXPECT_TRUE(ws.NetErr());
      EXPECT_LT(seconds, 1.0);  // refused, not waited for
      EXPECT_EQ(ws.Find("cuadro"), nullptr);
    }
  }
}

TEST_F(LockTest, SharedHolderAdmitsSharedOpensButNotExclusiveOnes) {
  OtherProgram other(path_, true, [](Table&) { return true; });
  ASSERT_TRUE(other.started());
  Workspace ws;
  EXPECT_TRUE(ws.Use(path_, "cuadro", true).ok());
  EXPECT_FALSE(ws.NetErr());
  Workspace second;
  auto t = second.Use(path_, "cuadro", false);
  EXPECT_EQ(t.status().code(), Status::Code::kLocked);
  EXPECT_TRUE(second.NetErr());
}

TEST_F(LockTest, ReopeningInAModeAnotherProgramRefusesKeepsTheSharedTable) {
  Workspace ws;
  Table* t = *ws.Use(path_, "cuadro", true);
  t->GoTo(2);
  OtherProgram other(path_, true, [](Table&) { return true; });
  ASSERT_TRUE(other.started());
  auto exclusive = ws.Use(path_, "cuadro", false);
  EXPECT_EQ(exclusive.status().code(), Status::Code::kLocked);
  EXPECT_TRUE(ws.NetErr());
  ASSERT_EQ(ws.Find("cuadro"), t);
  EXPECT_EQ(t->RecNo(), 2u);
  EXPECT_EQ(t->mode(), OpenMode::kShared);
}

TEST_F(LockTest, RecordLockOfAnotherProgramRefusesThatRecordOnly) {
  OtherProgram other(path_, true, [](Table& t) {
    t.GoTo(2);
    return t.RLock();
  });
  ASSERT_TRUE(other.started());
  Workspace ws;
  Table* t = *ws.Use(path_, "cuadro", true);
  t->GoTo(2);
  EXPECT_FALSE(t->RLock());
  EXPECT_FALSE(t->FLock());
  t->GoTo(1);
  EXPECT_TRUE(t->RLock());
  t->Unlock();
  other.ReleaseLocks();
  t->GoTo(2);
  EXPECT_TRUE(t->RLock());
}

TEST_F(LockTest, FileLockOfAnotherProgramRefusesRecordLocksAndAppends) {
  OtherProgram other(path_, true, [](Table& t) { return t.FLock(); });
  ASSERT_TRUE(other.started());
  Workspace ws;
  Table* t = *ws.Use(path_, "cuadro", true);
  t->GoTo(3);
  EXPECT_FALSE(t->RLock());
  EXPECT_FALSE(t->FLock());
  EXPECT_EQ(t->Append().code(), Status::Code::kLocked);
  EXPECT_EQ(t->LastRec(), 3u);
  other.ReleaseLocks();
  EXPECT_TRUE(t->FLock());
}

TEST_F(LockTest, AppendsOfAnotherProgramAreSeenAndNumberedAfterThem) {
  Workspace ws;
  Table* t = *ws.Use(path_, "cuadro", true);
  {
    OtherProgram other(path_, true, [](Table& other_table) {
      return other_table.Append().ok() && other_table.Put("JUG", std::string("OTRO")).ok();
    });
    ASSERT_TRUE(other.started());
  }
  t->GoBottom();
  EXPECT_EQ(t->LastRec(), 4u);
  EXPECT_EQ(t->GetText("JUG").substr(0, 4), "OTRO");
  ASSERT_TRUE(t->Append().ok());
  EXPECT_EQ(t->RecNo(), 5u);
}

TEST_F(LockTest, ExclusiveUseMakesLocksAlwaysSucceed) {
  Workspace ws;
  Table* t = *ws.Use(path_, "cuadro", false);
  t->GoTo(1);
  EXPECT_TRUE(t->RLock());
  EXPECT_TRUE(t->FLock());
}

}  // namespace
}  // namespace movarel::storage
