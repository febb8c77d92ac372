// The graph-data file: the solver's machine-readable result, read line by line
// by the results viewer (which counts lines and never resynchronises).
//
// Layout (every line ends in CR LF, added by the sink; column 1 is data):
//   header        (written at case 1, before it is solved)
//     "ZOLBEX GRP FILE" / field mode / field line / gas line / conditions line /
//     NP / NF / P / P process names (32 characters) / 4 extra curve names /
//     NF field values (E12.5: Td, or Eo in V/cm in mode 1)
//   per case run  NP energies (E14.7), NP distribution values (E12.5)
//   case table    NC / NC field values / P forward-rate curves / momentum-transfer
//                 rate / net production coefficient / P + 1 power shares /
//                 storage share / 6 transport curves   (each curve NC lines, E12.5)
//   trailer       accuracy / mesh intervals / start temperature /
//                 NC lines of energy range, balance accuracy, e-e share (3F7.1)
// A complete file has 8 + P + 4 + NF + 2 NP NC + 1 + NC (2P + 11) + 3 + NC lines.
#pragma once

#include <string>

#include "recordio/recordio.h"
#include "src/case_results.h"
#include "src/run_data.h"

namespace kinetics {

// Distribution values below this are written (and kept) as this value.
inline constexpr double kDistributionFloor = 1e-50;

// Every GraphStride-th grid point is written, so that at most 1001 are.
int graphStride(int meshIntervals);
int graphPointCount(int meshIntervals);

// The gas line: components with a fraction of at least 1e-5, in component order.
// An empty text when none qualifies (the line is still written, so that the
// lines after it stay in place).
std::string graphGasLine(const GasComposition& composition);

// Writes the header. `fieldValueCount` is NF, the number of field values of the
// run (all of them are listed, also when the run stops early).
void writeGraphHeader(const RunParameters& params, const GasComposition& composition,
                      const ProcessTable& processes, int fieldValueCount,
                      recordio::RecordSink& sink);

// Writes the distribution block of the case just solved, converged or not.
// Values of grid.distribution below kDistributionFloor are raised to it in place.
void writeDistributionBlock(CaseGrid& grid, recordio::RecordSink& sink);

// Writes the case table and the trailer after the case loop. `caseCount` is NC,
// the number of the case at which the loop ended (the non-converged one counts).
// The floors and zeroing applied to the momentum-transfer rate, the net
// production coefficient and the shares are stored back into `results`, so the
// summary tables print the adjusted values.
void writeCaseTableAndTrailer(const RunParameters& params, const ProcessTable& processes,
                              int caseCount, CaseResults& results,
                              recordio::RecordSink& sink);

}  // namespace kinetics
