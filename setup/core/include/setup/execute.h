// The "Execute" button: checks the prepared calculation, writes the solver input
// files and starts the solver.
#pragma once

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

struct ExecuteOutcome {
  std::string error;     // error box to show (OK), or empty
  bool started = false;  // a solver run was started
};

// In order: no mixture -> kNoMixture; no counting field variant -> kNoFieldVariant;
// a solver running -> nothing (no message, nothing written); an empty output name
// -> kNoOutputName; an output path longer than the solver reads -> error; more
// reactions or species names than the solver's tables hold -> error; write the
// files (a write error -> its message; No to the overwrite question -> stop);
// start the solver with `onFinished`. Every refusal writes nothing.
// Call it with the summary page freshly built (that fixes OutName).
ExecuteOutcome execute(const CalculationModel& model, SolverLauncher& launcher,
                       const OverwriteQuestion& ask, SolverLauncher::Finished onFinished);

}  // namespace setup
