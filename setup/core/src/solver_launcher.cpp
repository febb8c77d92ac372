#include "setup/solver_launcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace setup {

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
      int status = spawnAndWait(program, dir);
      flag->store(false);
      if (onFinished) onFinished(status);
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

int SolverLauncher::spawnAndWait(const std::string& program, const std::string& workingDir) {
  if (::access(program.c_str(), R_OK) != 0) return -1;
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return -1;
  if (posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str()) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return -1;
  }
  // No arguments: the program's own path is the only word of its command line.
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  pid_t pid = 0;
  int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return -1;

  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}

}  // namespace setup
