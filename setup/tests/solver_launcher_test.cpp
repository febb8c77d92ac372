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

// Starts a run and waits for its status.
int runOnce(SolverLauncher& launcher) {
  std::promise<int> status;
  std::future<int> result = status.get_future();
  EXPECT_TRUE(launcher.start([&](int s) { status.set_value(s); }));
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
  EXPECT_EQ(3, runOnce(launcher));
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
  EXPECT_EQ(-1, runOnce(launcher));  // missing
  writeFile(dir.path() + "/Kinrun.prg", "#!/bin/sh\nexit 0\n");
  ::chmod((dir.path() + "/Kinrun.prg").c_str(), 0644);
  EXPECT_EQ(-1, runOnce(launcher));  // no execute permission
  writeFile(dir.path() + "/Kinrun.prg", "not a program at all\n");
  ::chmod((dir.path() + "/Kinrun.prg").c_str(), 0755);
  EXPECT_EQ(-1, runOnce(launcher));  // not an executable image
  EXPECT_FALSE(launcher.running());
  EXPECT_EQ(dir.path() + "/Kinrun.prg - file is not found!",
            SolverLauncher::notStartedMessage(launcher.programPath()));
}

TEST(SolverLauncherTest, SecondStartWhileRunningIsRefused) {
  TempDir dir;
  installStub(dir.path());
  writeFile(dir.path() + "/stub_sleep", "1");
  SolverLauncher launcher(dir.path());
  std::promise<int> status;
  ASSERT_TRUE(launcher.start([&](int s) { status.set_value(s); }));
  EXPECT_TRUE(launcher.running());  // set before the worker runs
  EXPECT_FALSE(launcher.start([](int) { ADD_FAILURE() << "second run started"; }));
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
    ASSERT_TRUE(launcher.start([finished](int s) { finished->set_value(s); }));
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
