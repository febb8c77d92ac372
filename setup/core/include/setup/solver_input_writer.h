// Writes the solver's three input files into ProgDir: Cross.tmp (the first
// section of the .crs file of every checked gas, then an end card), React.tmp
// (end card; reaction cards of the selected reactions; end card; species cards
// with the user's amounts; end card) and Param.tmp (79 lines; the field variants
// that count come first in their lists, the others follow as zeros, so that the
// solver runs exactly those the summary page lists). Every line ends
// with CR LF; numbers are written in the C locale whatever the process locale.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "setup/calculation_model.h"

namespace setup {

// Asks the overwrite question (confirmation box, Yes and No); true = Yes.
using OverwriteQuestion = std::function<bool(const std::string& question)>;

struct WriteResult {
  // Start the solver: the files are written and the user did not refuse to
  // overwrite existing output files.
  bool startSolver = false;
  // When a file could not be created or written: the error message naming it
  // (error box, OK). Nothing is asked then and no solver is started.
  std::string error;
};

// The contents of the three files.
struct SolverInputs {
  std::string tape;        // Cross.tmp
  std::string deck;        // React.tmp
  std::string parameters;  // Param.tmp
};

// The three files' contents for the model's calculation (the data bank is read).
SolverInputs renderSolverInputs(const CalculationModel& model);

// Writes the three files in the order Cross.tmp, React.tmp, Param.tmp, then asks
// "Output Files <base>.* are already exist.  Overwrite?" through `ask` when
// <base>.gdt or <base>.lst exists in the output folder.
WriteResult writeSolverInputs(const CalculationModel& model, const OverwriteQuestion& ask);
// The same with the contents already rendered.
WriteResult writeSolverInputs(const CalculationModel& model, const SolverInputs& inputs,
                              const OverwriteQuestion& ask);

// The three files one by one, to a stream (the .rc and .crs files are read from
// DataBankDir). False when writing the stream failed.
bool writeCrossSectionTape(const CalculationModel& model, std::ostream& out);
bool writeInputDeck(const CalculationModel& model, std::ostream& out);
bool writeParameterFile(const CalculationModel& model, std::ostream& out);

// The overwrite question for a base path.
std::string overwriteQuestion(const std::string& basePath);

}  // namespace setup
