// One run of the solver, from the three input files to the listing and the
// graph-data file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "src/run_files.h"

namespace kinetics {

// How a run ended that did not fail.
struct RunOutcome {
  // Cases run (a last case that did not converge included). 0: the run
  // computed no case (no field value could run, or the zero momentum-transfer
  // sum came before any case); its reason is in the listing, and React.tmp and
  // Cross.tmp are kept.
  int casesRun = 0;
  std::filesystem::path listing;  // the listing file
  // Inputs not deleted because their name no longer names the file that was
  // read (replaced or written again while the run used it).
  std::vector<std::string> inputsKept;
};

// Runs every stage in order:
//   1-3  inputs opened; the tape-update group builds the working tape; the
//        reaction cards are read
//   4    parameters read and the output names checked; graph-data file and
//        listing created (records of the tape update first); Param.tmp deleted
//   5-6  species and gas composition (nothing but blank lines may follow the
//        species group); process table
//   7-9  one case per field value, in increasing field order, up to the first
//        that does not converge; rest of the graph-data file; summary tables
//   10   React.tmp and Cross.tmp deleted when a case was run; listing closed last
// Returns at the normal end, also after the fatal zero momentum-transfer sum,
// which ends the run early with its message in the listing. A record-I/O
// failure (missing input, uncreatable output, a field that cannot be
// converted, a file that ends inside a read, input the run cannot work with,
// or memory that runs out while an input is read) throws recordio::IoError at
// once: what was written stays, files not yet deleted stay. Both outputs are
// flushed at the end of every case, so a run stopped later keeps its complete
// cases. Deletes only the files it read.
RunOutcome runSolver(RunFiles& files);

}  // namespace kinetics
