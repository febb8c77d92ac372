// One run of the solver, from the three input files to the listing and the
// graph-data file.
#pragma once

#include "src/run_files.h"

namespace kinetics {

// Runs every stage in order:
//   1-3  inputs opened; the tape-update group builds the working tape; the
//        reaction cards are read
//   4    parameters read and the output names checked, Param.tmp deleted;
//        graph-data file and listing created (records of the tape update first)
//   5-6  species and gas composition; process table
//   7-9  one case per field value, in increasing field order, up to the first
//        that does not converge; rest of the graph-data file; summary tables
//   10   React.tmp and Cross.tmp deleted; listing closed last
// Returns at the normal end (exit status 0), also after the fatal zero
// momentum-transfer sum, which ends the run early with its message in the
// listing. A record-I/O failure (missing input, uncreatable output, a field
// that cannot be converted, a file that ends inside a read, or input the run
// cannot work with) throws recordio::IoError at once: what was written stays,
// files not yet deleted stay. Both outputs are flushed at the end of every
// case, so a run stopped later keeps its complete cases.
void runSolver(RunFiles& files);

}  // namespace kinetics
