#include "setup/execute.h"

#include "setup/output_naming.h"
#include "setup/solver_tables.h"
#include "setup/summary_page.h"

namespace setup {

ExecuteOutcome execute(const CalculationModel& model, SolverLauncher& launcher,
                       const OverwriteQuestion& ask, SolverLauncher::Finished onFinished) {
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
  outcome.started = launcher.start(std::move(onFinished));
  return outcome;
}

}  // namespace setup
