// A working directory for whole runs: a copy of a deck's three input files,
// line edits, and runs of the solver in this process or as the program.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "src/run_driver.h"

namespace runtest {

namespace fs = std::filesystem;

inline std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::vector<std::string> crlfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Starts the program in `directory` with its error stream on `errors` (closed
// here) and `resource` (RLIMIT_FSIZE, RLIMIT_AS) limited to `limit`. A program
// that has not ended after `seconds` is ended by SIGALRM, so a run that blocks
// fails the test instead of hanging it. Nothing is allocated between fork and
// exec.
inline pid_t startKinrun(const std::string& directory, int errors, int resource = RLIMIT_FSIZE,
                         rlim_t limit = RLIM_INFINITY, unsigned seconds = 60) {
  const pid_t child = ::fork();
  if (child == 0) {
    rlimit value{limit, limit};
    if (errors < 0 || ::dup2(errors, 2) < 0 || ::chdir(directory.c_str()) != 0 ||
        ::setrlimit(resource, &value) != 0) {
      ::_exit(127);
    }
    ::alarm(seconds);
    ::execl(KINRUN_PROGRAM, KINRUN_PROGRAM, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  if (errors >= 0) ::close(errors);
  return child;
}

inline int createErrorsFile(const std::string& name) {
  return ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

// How the program ended: its exit status, or the signal that ended it.
struct ProgramEnd {
  int status = -1;
  int signal = 0;
  std::string errors;  // what it wrote to stderr
};

class RunDirectory {
 public:
  // A copy of the deck in SOLVER_TEST_DATA/`deck`.
  explicit RunDirectory(const std::string& deck = "input/basic") {
    // One folder per directory object: a test may hold two at once.
    static int made = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() / (std::string("kinrun_") + test->test_suite_name() + "_" +
                                         test->name() + "_" + std::to_string(++made));
    fs::remove_all(path_);
    fs::create_directories(path_);
    for (const char* name : {"Param.tmp", "React.tmp", "Cross.tmp"}) {
      fs::copy_file(fs::path(SOLVER_TEST_DATA) / deck / name, path_ / name);
    }
  }
  ~RunDirectory() { fs::remove_all(path_); }
  RunDirectory(const RunDirectory&) = delete;
  RunDirectory& operator=(const RunDirectory&) = delete;

  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  bool has(const std::string& name) const {
    std::error_code error;
    return fs::exists(fs::symlink_status(path_ / name, error));
  }

  // Replaces line `number` (1-based) of an input file.
  void setLine(const std::string& file, std::size_t number, const std::string& text) {
    std::vector<std::string> lines = crlfLines(readFile(path_ / file));
    lines.at(number - 1) = text;
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    writeFile(path_ / file, bytes);
  }

  void run() {
    kinetics::DirectoryRunFiles files(path_);
    kinetics::runSolver(files);
  }

  // Runs the program in the directory under a file-size limit. A program that
  // has not ended after `seconds` is ended by SIGALRM, so a run that blocks
  // fails the test instead of hanging it.
  ProgramEnd runProgram(rlim_t fileSizeLimit = RLIM_INFINITY, unsigned seconds = 60) const {
    return waitForProgram(startProgram(fileSizeLimit, seconds));
  }

  // The two halves of runProgram, for a test that acts while the program runs.
  pid_t startProgram(rlim_t fileSizeLimit = RLIM_INFINITY, unsigned seconds = 60) const {
    return startKinrun(path_.string(), createErrorsFile(errorsPath().string()), RLIMIT_FSIZE,
                       fileSizeLimit, seconds);
  }
  // Waits (at most 30 s) until the graph-data file `name` of a started run
  // holds something: its first case is complete, and the run goes on.
  void waitForFirstCase(const std::string& name) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::error_code error;
    while (fs::file_size(path_ / name, error) == 0 || error) {
      if (std::chrono::steady_clock::now() > until) return;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  }
  ProgramEnd waitForProgram(pid_t child) const {
    int status = 0;
    ::waitpid(child, &status, 0);
    ProgramEnd end;
    if (WIFEXITED(status)) end.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
    end.errors = readFile(errorsPath());
    fs::remove(errorsPath());
    return end;
  }

  // Runs the program; returns its exit status, stderr in `errors`.
  int runProgram(std::string& errors) const {
    ProgramEnd end = runProgram();
    errors = end.errors;
    return end.status;
  }

 private:
  fs::path errorsPath() const { return path_.string() + ".stderr"; }

  fs::path path_;
};

}  // namespace runtest
