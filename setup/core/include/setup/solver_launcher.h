// Runs the solver <ProgDir>/Kinrun.prg as a child process with no arguments (its
// own path as argv[0]), ProgDir as its working directory and the inherited
// environment, and waits for its end on a worker thread without a time limit.
// At most one run at a time. The child is never killed or waited for when the
// launcher is destroyed: it runs to its own end.
//
// The solver's error stream goes to an anonymous file in memory, not to a pipe:
// a solver that outlives the set-up program can still write its message there
// (a pipe without a reader would end it with SIGPIPE), and a full disk, one of
// the failures it reports, cannot swallow the message.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace setup {

// Lines of the solver's error stream kept for the user: its last ones.
inline constexpr int kSolverErrorLines = 20;

// How a solver run ended.
struct SolverRun {
  // The exit status; -1 when the program could not be started (missing,
  // unreadable, not executable); 128 + the signal number when a signal ended it.
  int status = 0;
  // The signal that ended the child, or 0.
  int signal = 0;
  // The last kSolverErrorLines lines the solver wrote to its error stream, each
  // ended by '\n'; empty when it wrote none.
  std::string errorOutput;
};

class SolverLauncher {
 public:
  // Called on the worker thread when the run is over; running() is already false
  // then. The callback may run after the launcher is gone: it must check that
  // whatever it touches still exists, and post GUI work to the GUI thread.
  using Finished = std::function<void(const SolverRun& run)>;

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

  // Spawns `program` with no arguments in `workingDir` and waits for it, keeping
  // the end of its error stream. Blocks the calling thread.
  static SolverRun spawnAndWait(const std::string& program, const std::string& workingDir);

 private:
  std::string m_progDir;
  std::string m_programPath;
  std::shared_ptr<std::atomic<bool>> m_running;
};

}  // namespace setup
