// One run per folder, a run that deletes only the files it read, and the ways
// a run can end badly without a word: a closed error stream, memory that runs
// out.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <new>

#include "run_directory.h"

namespace {

using runtest::readFile;
using runtest::RunDirectory;
using runtest::writeFile;
namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Holds the lock a run takes on its folder, as a run in progress does.
class HeldFolder {
 public:
  explicit HeldFolder(const fs::path& folder)
      : descriptor_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    EXPECT_EQ(0, ::flock(descriptor_, LOCK_EX | LOCK_NB));
  }
  ~HeldFolder() { ::close(descriptor_); }

 private:
  int descriptor_;
};

}  // namespace

TEST(RunFolderTest, SecondRunInAFolderEndsAtOnceAndTouchesNoFile) {
  RunDirectory dir;
  writeFile(dir / "out.gdt", "graph data of the run that holds the folder");
  const std::string param = readFile(dir / "Param.tmp");
  const std::string deck = readFile(dir / "React.tmp");
  const std::string tape = readFile(dir / "Cross.tmp");
  const auto names = namesIn(dir.path());
  {
    HeldFolder held(dir.path());
    runtest::ProgramEnd end = dir.runProgram();
    EXPECT_EQ(2, end.status);
    EXPECT_EQ(dir.path().string() +
                  ": another run of the solver works in this folder; this run ends without "
                  "touching a file\nProgram Terminated with exit code 2\n",
              end.errors);
    EXPECT_EQ(names, namesIn(dir.path()));
    EXPECT_EQ(param, readFile(dir / "Param.tmp"));
    EXPECT_EQ(deck, readFile(dir / "React.tmp"));
    EXPECT_EQ(tape, readFile(dir / "Cross.tmp"));
    EXPECT_EQ("graph data of the run that holds the folder", readFile(dir / "out.gdt"));
  }
  // The lock goes with its holder, and a run leaves no lock file behind.
  std::string errors;
  EXPECT_EQ(0, dir.runProgram(errors)) << errors;
  EXPECT_EQ((std::vector<std::string>{"out.gdt", "out.lst"}), namesIn(dir.path()));
}

// Two runs started in one folder with the same output names: the second ends
// at once, the first writes its files as if it had run alone.
TEST(RunFolderTest, RunStartedWhileOneRunsIsRefused) {
  const auto slow = [](RunDirectory& d) { d.setLine("Param.tmp", 73, "20000"); };
  RunDirectory alone("decks/write21");
  slow(alone);
  std::string errors;
  ASSERT_EQ(0, alone.runProgram(errors)) << errors;

  RunDirectory dir("decks/write21");
  slow(dir);
  const pid_t first = dir.startProgram();
  dir.waitForFirstCase("Write21.gdt");
  int status = 0;
  if (::waitpid(first, &status, WNOHANG) == first) GTEST_SKIP() << "the first run ended too soon";
  // The second run writes its error stream to a file of another folder.
  RunDirectory other;
  const std::string errorsName = (other / "second.stderr").string();
  const pid_t second = runtest::startKinrun(dir.path().string(), runtest::createErrorsFile(errorsName));
  ::waitpid(second, &status, 0);
  const bool firstRanThrough = ::waitpid(first, nullptr, WNOHANG) == 0;
  runtest::ProgramEnd end = dir.waitForProgram(first);
  const std::string refused = dir.path().string() +
                              ": another run of the solver works in this folder; this run ends "
                              "without touching a file\nProgram Terminated with exit code 2\n";
  if (!firstRanThrough && readFile(errorsName) != refused) {
    GTEST_SKIP() << "the first run ended before the second started";
  }
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(2, WEXITSTATUS(status));
  EXPECT_EQ(refused, readFile(errorsName));
  EXPECT_EQ(0, end.status) << end.errors;
  EXPECT_EQ(readFile(alone / "Write21.gdt"), readFile(dir / "Write21.gdt"));
  EXPECT_EQ(readFile(alone / "Write21.lst"), readFile(dir / "Write21.lst"));
}

// A run deletes the inputs it read, not whatever carries their names at its
// end: the set-up program may have written a new calculation meanwhile.
TEST(RunFolderTest, InputReplacedOrWrittenAgainIsNotDeleted) {
  RunDirectory dir;
  kinetics::DirectoryRunFiles files(dir.path());
  for (const char* name : {"Param.tmp", "React.tmp", "Cross.tmp"}) files.openInput(name);
  // React.tmp written again in place (same inode), Cross.tmp replaced by another file.
  writeFile(dir / "React.tmp", readFile(dir / "React.tmp") + "\r\n");
  writeFile(dir / "new.tmp", readFile(dir / "Cross.tmp"));
  fs::rename(dir / "new.tmp", dir / "Cross.tmp");

  EXPECT_TRUE(files.deleteInput("Param.tmp"));
  EXPECT_FALSE(dir.has("Param.tmp"));
  EXPECT_FALSE(files.deleteInput("React.tmp"));
  EXPECT_TRUE(dir.has("React.tmp"));
  EXPECT_FALSE(files.deleteInput("Cross.tmp"));
  EXPECT_TRUE(dir.has("Cross.tmp"));
}

// The set-up program writes a new calculation while a run ends: the run keeps
// the new deck and tape and says so.
TEST(RunFolderTest, InputsWrittenAnewDuringTheRunAreKept) {
  RunDirectory dir("decks/write21");
  dir.setLine("Param.tmp", 73, "20000");  // long enough to act while it runs
  const pid_t run = dir.startProgram();
  dir.waitForFirstCase("Write21.gdt");
  if (::waitpid(run, nullptr, WNOHANG) != 0) GTEST_SKIP() << "the run ended too soon";
  writeFile(dir / "React.tmp", "a new deck\r\n");  // in place
  writeFile(dir / "new.tmp", "a new tape\r\n");
  fs::rename(dir / "new.tmp", dir / "Cross.tmp");     // another file under the name
  runtest::ProgramEnd end = dir.waitForProgram(run);
  EXPECT_EQ(0, end.status);
  EXPECT_EQ("React.tmp is not deleted: it is no longer the file this run read\n"
            "Cross.tmp is not deleted: it is no longer the file this run read\n",
            end.errors);
  EXPECT_EQ("a new deck\r\n", readFile(dir / "React.tmp"));
  EXPECT_EQ("a new tape\r\n", readFile(dir / "Cross.tmp"));
}

// A closed error stream costs the message, not the status: no SIGPIPE.
TEST(RunFolderTest, ClosedErrorStreamKeepsTheExitStatus) {
  RunDirectory dir;
  fs::remove(dir / "Param.tmp");
  int pipeEnds[2];
  ASSERT_EQ(0, ::pipe2(pipeEnds, O_CLOEXEC));
  ::close(pipeEnds[0]);  // nobody reads the error stream
  const pid_t child = runtest::startKinrun(dir.path().string(), pipeEnds[1]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_FALSE(WIFSIGNALED(status)) << "signal " << WTERMSIG(status);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(2, WEXITSTATUS(status));
}

// Memory that runs out while an input is read names the file.
TEST(RunFolderTest, MemoryRunningOutNamesTheFileBeingRead) {
  struct Files : kinetics::DirectoryRunFiles {
    using DirectoryRunFiles::DirectoryRunFiles;
    recordio::RecordUnit openInput(std::string_view name) override {
      if (name == "React.tmp") throw std::bad_alloc();
      return DirectoryRunFiles::openInput(name);
    }
  };
  RunDirectory dir;
  Files files(dir.path());
  try {
    kinetics::runSolver(files);
    ADD_FAILURE() << "no failure";
  } catch (const recordio::IoError& e) {
    EXPECT_EQ(std::string("React.tmp: memory ran out while reading the file"), e.what());
  }
}

#if defined(__SANITIZE_ADDRESS__)
#define VORN_NO_ADDRESS_LIMIT 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORN_NO_ADDRESS_LIMIT 1
#endif
#endif

TEST(RunFolderTest, TapeTooLargeForTheMemoryIsNamed) {
#ifdef VORN_NO_ADDRESS_LIMIT
  GTEST_SKIP() << "an address-space limit does not work with the address sanitizer";
#else
  RunDirectory dir;
  // 1 GB of zero bytes that take no disk space, read under a 256 MB limit.
  ASSERT_EQ(0, ::truncate((dir / "Cross.tmp").c_str(), 1LL << 30));
  const std::string errorsName = dir.path().string() + ".stderr";
  const pid_t child = runtest::startKinrun(dir.path().string(), runtest::createErrorsFile(errorsName),
                                           RLIMIT_AS, 256u << 20);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(2, WEXITSTATUS(status));
  EXPECT_EQ((dir / "Cross.tmp").string() +
                ": memory ran out while reading the file\nProgram Terminated with exit code 2\n",
            readFile(errorsName));
  fs::remove(errorsName);
  EXPECT_TRUE(dir.has("Param.tmp") && dir.has("React.tmp"));
#endif
}
