#include "setup/solver_launcher.h"

#include <spawn.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

extern char** environ;

namespace setup {
namespace {

// At most this many bytes from the end of the error stream are read: enough for
// the kept lines of any message the solver writes.
constexpr off_t kErrorTailBytes = 8192;

// The end of what was written to `fd`: its last kErrorTailBytes bytes, without
// the cut first line when the stream is longer.
std::string readTail(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || info.st_size <= 0) return {};
  const off_t start = info.st_size > kErrorTailBytes ? info.st_size - kErrorTailBytes : 0;
  std::string tail(static_cast<std::size_t>(info.st_size - start), '\0');
  std::size_t got = 0;
  while (got < tail.size()) {
    ssize_t n = ::pread(fd, tail.data() + got, tail.size() - got, start + static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  tail.resize(got);
  if (start > 0) {
    std::size_t firstEnd = tail.find('\n');
    if (firstEnd != std::string::npos && firstEnd + 1 < tail.size()) tail.erase(0, firstEnd + 1);
  }
  return tail;
}

// The last `count` lines of `text` once trailing blank lines are dropped, each
// ended by '\n' (a CR before it dropped).
std::string lastLines(std::string_view text, int count) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string_view::npos) {
    lines.pop_back();
  }
  std::size_t first = lines.size() > static_cast<std::size_t>(count) ? lines.size() - count : 0;
  std::string kept;
  for (std::size_t i = first; i < lines.size(); ++i) {
    kept += lines[i];
    kept += '\n';
  }
  return kept;
}

}  // namespace

SolverLauncher::SolverLauncher(std::string progDir)
    : m_progDir(std::move(progDir)),
      m_programPath(m_progDir + "/Kinrun.prg"),
      m_running(std::make_shared<std::atomic<bool>>(false)) {}

// The worker is detached when started and shares only the flag, so there is
// nothing to wait for or stop here: a running solver runs to its own end.
SolverLauncher::~SolverLauncher() = default;

bool SolverLauncher::running() const { return m_running->load(); }

bool SolverLauncher::start(Finished onFinished) {
  if (m_running->exchange(true)) return false;
  auto flag = m_running;
  try {
    std::thread([flag, program = m_programPath, dir = m_progDir,
                 onFinished = std::move(onFinished)]() {
      SolverRun run = spawnAndWait(program, dir);
      flag->store(false);
      if (onFinished) onFinished(run);
    }).detach();
  } catch (const std::system_error&) {
    flag->store(false);
    return false;
  }
  return true;
}

std::string SolverLauncher::notStartedMessage(const std::string& programPath) {
  return programPath + " - file is not found!";
}

SolverRun SolverLauncher::spawnAndWait(const std::string& program, const std::string& workingDir) {
  SolverRun run;
  run.status = -1;
  if (::access(program.c_str(), R_OK) != 0) return run;
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return run;
  if (posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str()) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return run;
  }
  // Without this file the run goes on with the inherited error stream; only its
  // message is then missing from the report.
  int errors = ::memfd_create("Kinrun.prg stderr", MFD_CLOEXEC);
  if (errors >= 0 && posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO) != 0) {
    ::close(errors);
    errors = -1;
  }
  // No arguments: the program's own path is the only word of its command line.
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = 0;
  int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    if (errors >= 0) ::close(errors);
    return run;
  }

  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      if (errors >= 0) ::close(errors);
      return run;
    }
  }
  if (errors >= 0) {
    run.errorOutput = lastLines(readTail(errors), kSolverErrorLines);
    ::close(errors);
  }
  if (WIFSIGNALED(status)) {
    run.signal = WTERMSIG(status);
    run.status = 128 + run.signal;
  } else {
    run.status = WEXITSTATUS(status);
  }
  return run;
}

}  // namespace setup
