// The "Execute" button: checks the prepared calculation, writes the solver input
// files and starts the solver.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "setup/calculation_model.h"
#include "setup/solver_input_writer.h"
#include "setup/solver_launcher.h"

namespace setup {

inline constexpr const char* kNoMixture = "Gas Mixture was not choosen";
inline constexpr const char* kNoFieldVariant =
    "No Electric Field Parameters and Energy Range Values were choosen";
inline constexpr const char* kNoOutputName =
    "The name of the output files is empty. Type a name or use \"Set  Directory/FileName\".";

// Exit status of a solver run that computed no case (the reason is in its listing).
inline constexpr int kSolverComputedNoCase = 3;

// A run started by "Execute" that is over: how the solver ended, and the base
// path of the output files written into Param.tmp for it (<folder>/<name>,
// without ".gdt" or ".lst").
struct FinishedRun {
  SolverRun end;
  std::string outputBase;
};
using RunFinished = std::function<void(const FinishedRun& run)>;

// The error box (OK) to show for a finished run, or none: none after a normal end
// (status 0) and for a run that could not be started, which has its own box
// (SolverLauncher::notStartedMessage). A run that computed no case names its
// listing; any other failure gives the status or the signal and the solver's last
// messages.
std::optional<std::string> solverFailureMessage(const FinishedRun& run);

struct ExecuteOutcome {
  std::string error;     // error box to show (OK), or empty
  bool started = false;  // a solver run was started
};

// In order: no mixture -> kNoMixture; no counting field variant -> kNoFieldVariant;
// a solver running -> nothing (no message, nothing written); an empty output name
// -> kNoOutputName; an output path longer than the solver reads -> error; more
// reactions or species names than the solver's tables hold -> error; write the
// files (a write error -> its message; No to the overwrite question -> stop);
// start the solver; `onFinished` gets its end. Every refusal writes nothing.
// Call it with the summary page freshly built (that fixes OutName).
ExecuteOutcome execute(const CalculationModel& model, SolverLauncher& launcher,
                       const OverwriteQuestion& ask, RunFinished onFinished);

}  // namespace setup
