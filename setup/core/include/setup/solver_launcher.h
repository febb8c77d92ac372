// Runs the solver <ProgDir>/Kinrun.prg as a child process with no arguments (its
// own path as argv[0]), ProgDir as its working directory and the inherited
// environment, and waits for its end on a worker thread without a time limit.
// At most one run at a time. The child is never killed or waited for when the
// launcher is destroyed: it runs to its own end.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace setup {

class SolverLauncher {
 public:
  // Called on the worker thread when the run is over: the child's exit status,
  // or -1 when the program could not be started (missing, unreadable, not
  // executable). running() is already false then. The callback may run after the
  // launcher is gone: it must check that whatever it touches still exists, and
  // post GUI work to the GUI thread.
  using Finished = std::function<void(int status)>;

  explicit SolverLauncher(std::string progDir);
  // Detaches a running worker; does not wait for it or for the child.
  ~SolverLauncher();
  SolverLauncher(const SolverLauncher&) = delete;
  SolverLauncher& operator=(const SolverLauncher&) = delete;

  // <ProgDir>/Kinrun.prg
  const std::string& programPath() const { return m_programPath; }

  // True from start() until the run is over.
  bool running() const;

  // Starts a run unless one is running (then false, nothing happens). The running
  // flag is set before the worker starts, so two quick calls cannot start two.
  bool start(Finished onFinished);

  // The message for a run that could not be started (information box, OK).
  static std::string notStartedMessage(const std::string& programPath);

  // Spawns `program` with no arguments in `workingDir` and waits for it; the
  // exit status, or -1 when it cannot be started. Blocks the calling thread.
  static int spawnAndWait(const std::string& program, const std::string& workingDir);

 private:
  std::string m_progDir;
  std::string m_programPath;
  std::shared_ptr<std::atomic<bool>> m_running;
};

}  // namespace setup
