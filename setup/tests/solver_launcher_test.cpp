#include "setup/solver_launcher.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "test_support.h"

namespace setup {
namespace {

using namespace std::chrono_literals;
using test::readFile;
using test::TempDir;
using test::writeFile;

// Puts the stand-in solver into `dir` as Kinrun.prg.
void installStub(const std::string& dir) {
  std::filesystem::copy_file(STUB_SOLVER, dir + "/Kinrun.prg");
}

bool waitFor(const std::string& path, std::chrono::seconds limit) {
  auto until = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < until) {
    if (test::exists(path) && !readFile(path).empty() && readFile(path).back() == '\n') return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

// Starts a run and waits for its end.
SolverRun runOnce(SolverLauncher& launcher) {
  std::promise<SolverRun> end;
  std::future<SolverRun> result = end.get_future();
  EXPECT_TRUE(launcher.start([&](const SolverRun& run) { end.set_value(run); }));
  EXPECT_EQ(std::future_status::ready, result.wait_for(30s));
  return result.get();
}

TEST(SolverLauncherTest, RunsWithoutArgumentsInTheStartUpDirectory) {
  TempDir dir;
  installStub(dir.path());
  writeFile(dir.path() + "/stub_status", "3");
  SolverLauncher launcher(dir.path());
  EXPECT_EQ(dir.path() + "/Kinrun.prg", launcher.programPath());
  // The test itself runs elsewhere: the working directory must come from the launcher.
  ASSERT_NE(std::filesystem::current_path().string(), dir.path());
  EXPECT_EQ(3, runOnce(launcher).status);
  EXPECT_FALSE(launcher.running());
  std::istringstream record(readFile(dir.path() + "/stub_record.txt"));
  std::string arguments, argv0, cwd;
  std::getline(record, arguments);
  std::getline(record, argv0);
  std::getline(record, cwd);
  EXPECT_EQ("0", arguments);
  EXPECT_EQ(dir.path() + "/Kinrun.prg", argv0);
  EXPECT_EQ(std::filesystem::canonical(dir.path()).string(), cwd);
}

TEST(SolverLauncherTest, MissingOrNotExecutableProgramGivesMinusOne) {
  TempDir dir;
  SolverLauncher launcher(dir.path());
  EXPECT_EQ(-1, runOnce(launcher).status);  // missing
  writeFile(dir.path() + "/Kinrun.prg", "#!/bin/sh\nexit 0\n");
  ::chmod((dir.path() + "/Kinrun.prg").c_str(), 0644);
  EXPECT_EQ(-1, runOnce(launcher).status);  // no execute permission
  writeFile(dir.path() + "/Kinrun.prg", "not a program at all\n");
  ::chmod((dir.path() + "/Kinrun.prg").c_str(), 0755);
  EXPECT_EQ(-1, runOnce(launcher).status);  // not an executable image
  EXPECT_FALSE(launcher.running());
  EXPECT_EQ(dir.path() + "/Kinrun.prg - file is not found!",
            SolverLauncher::notStartedMessage(launcher.programPath()));
}

// What the solver writes to its error stream is kept: the last 20 lines, without
// trailing blank lines; a signal that ends it is told apart from an exit status.
TEST(SolverLauncherTest, KeepsTheEndOfTheErrorStreamAndTheSignal) {
  std::string lines25;
  std::string last20;
  for (int i = 1; i <= 25; ++i) {
    lines25 += "message " + std::to_string(i) + "\r\n";
    if (i > 5) last20 += "message " + std::to_string(i) + "\n";
  }
  const std::string filler(100, 'x');
  std::string long300;
  for (int i = 0; i < 300; ++i) long300 += filler + "\n";
  struct Row {
    const char* what;
    std::string errors;
    const char* status;
    const char* signal;
    int expectedStatus;
    int expectedSignal;
    std::string kept;
  } rows[] = {
      {"none", "", "0", "", 0, 0, ""},
      {"two lines", "first\nsecond", "2", "", 2, 0, "first\nsecond\n"},
      {"25 lines and blank ones", lines25 + "\n  \n", "2", "", 2, 0, last20},
      {"30 KB", long300 + "the end\n", "7", "", 7, 0, [&] {
         std::string kept;
         for (int i = 0; i < 19; ++i) kept += filler + "\n";
         return kept + "the end\n";
       }()},
      {"signal", "going\n", "0", "9", 128 + 9, 9, "going\n"},
  };
  for (const Row& row : rows) {
    TempDir dir;
    installStub(dir.path());
    if (!row.errors.empty()) writeFile(dir.path() + "/stub_stderr", row.errors);
    writeFile(dir.path() + "/stub_status", row.status);
    writeFile(dir.path() + "/stub_signal", row.signal);
    SolverLauncher launcher(dir.path());
    SolverRun run = runOnce(launcher);
    EXPECT_EQ(row.expectedStatus, run.status) << row.what;
    EXPECT_EQ(row.expectedSignal, run.signal) << row.what;
    EXPECT_EQ(row.kept, run.errorOutput) << row.what;
  }
}

TEST(SolverLauncherTest, SecondStartWhileRunningIsRefused) {
  TempDir dir;
  installStub(dir.path());
  writeFile(dir.path() + "/stub_sleep", "1");
  SolverLauncher launcher(dir.path());
  std::promise<int> status;
  ASSERT_TRUE(launcher.start([&](const SolverRun& run) { status.set_value(run.status); }));
  EXPECT_TRUE(launcher.running());  // set before the worker runs
  EXPECT_FALSE(launcher.start([](const SolverRun&) { ADD_FAILURE() << "second run started"; }));
  EXPECT_EQ(0, status.get_future().get());
  EXPECT_TRUE(test::exists(dir.path() + "/stub_done.txt"));
  EXPECT_FALSE(launcher.running());
}

TEST(SolverLauncherTest, ChildOutlivesTheLauncher) {
  TempDir dir;
  installStub(dir.path());
  writeFile(dir.path() + "/stub_sleep", "2");
  auto finished = std::make_shared<std::promise<int>>();
  std::future<int> result = finished->get_future();
  {
    SolverLauncher launcher(dir.path());
    ASSERT_TRUE(launcher.start([finished](const SolverRun& run) { finished->set_value(run.status); }));
    ASSERT_TRUE(waitFor(dir.path() + "/stub_record.txt", 10s));
  }  // the launcher is gone; the child must go on
  std::istringstream record(readFile(dir.path() + "/stub_record.txt"));
  std::string line;
  for (int i = 0; i < 4; ++i) std::getline(record, line);
  pid_t pid = std::stoi(line);
  EXPECT_EQ(0, ::kill(pid, 0)) << "the child was stopped with the launcher";
  EXPECT_FALSE(test::exists(dir.path() + "/stub_done.txt"));
  ASSERT_EQ(std::future_status::ready, result.wait_for(30s));
  EXPECT_EQ(0, result.get());
  EXPECT_TRUE(test::exists(dir.path() + "/stub_done.txt"));  // it ran to its own end
}

}  // namespace
}  // namespace setup
