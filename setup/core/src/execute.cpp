#include "setup/execute.h"

#include <string.h>

#include "setup/output_naming.h"
#include "setup/solver_tables.h"
#include "setup/summary_page.h"

namespace setup {
namespace {

// "SIGSEGV (11)": the signal's name does not depend on the user's language.
std::string signalName(int signal) {
  const char* abbreviation = ::sigabbrev_np(signal);
  std::string number = "(" + std::to_string(signal) + ")";
  return abbreviation ? "SIG" + std::string(abbreviation) + " " + number : "signal " + number;
}

}  // namespace

std::optional<std::string> solverFailureMessage(const FinishedRun& run) {
  const SolverRun& end = run.end;
  if (end.status == 0 || end.status == -1) return std::nullopt;
  if (end.signal == 0 && end.status == kSolverComputedNoCase) {
    return "The solver computed no case (exit status 3). The reason is in the listing " +
           run.outputBase + ".lst";
  }
  std::string message = end.signal != 0
                            ? "The solver was ended by the signal " + signalName(end.signal)
                            : "The solver ended with exit status " + std::to_string(end.status);
  message += ": the calculation did not finish. " + run.outputBase + ".gdt and " +
             run.outputBase + ".lst may be missing, cut short or left from an earlier run.\n\n";
  if (end.errorOutput.empty()) return message + "The solver wrote no message.";
  std::string lines = end.errorOutput;
  if (lines.back() == '\n') lines.pop_back();
  return message + "The solver's last messages:\n" + lines;
}

ExecuteOutcome execute(const CalculationModel& model, SolverLauncher& launcher,
                       const OverwriteQuestion& ask, RunFinished onFinished) {
  ExecuteOutcome outcome;
  if (model.Summary.isEmpty()) {
    outcome.error = kNoMixture;
    return outcome;
  }
  if (countingVariants(model) == 0) {
    outcome.error = kNoFieldVariant;
    return outcome;
  }
  // The running solver still reads these files and deletes them at its end.
  if (launcher.running()) return outcome;
  if (model.OutName.empty()) {
    outcome.error = kNoOutputName;
    return outcome;
  }
  const std::string longest = outputBasePath(model) + ".gdt";
  if (longest.size() > kMaxOutputPathLength) {
    outcome.error = "Output file name " + longest + " is " + std::to_string(longest.size()) +
                    " bytes long; the solver reads at most " +
                    std::to_string(kMaxOutputPathLength) + " bytes of it";
    return outcome;
  }
  // Rendered once: counted for the solver's tables, then written as counted.
  const SolverInputs inputs = renderSolverInputs(model);
  if (auto beyond = solverTableLimitError(countSolverTables(inputs))) {
    outcome.error = *beyond;
    return outcome;
  }
  WriteResult written = writeSolverInputs(model, inputs, ask);
  if (!written.error.empty()) {
    outcome.error = written.error;
    return outcome;
  }
  if (!written.startSolver) return outcome;
  outcome.started = launcher.start(
      [outputBase = outputBasePath(model), onFinished = std::move(onFinished)](const SolverRun& end) {
        if (onFinished) onFinished({end, outputBase});
      });
  return outcome;
}

}  // namespace setup
