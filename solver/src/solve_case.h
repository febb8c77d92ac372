// Solution of one case: the distribution function (double iteration, or the
// Maxwellian at the start temperature), then transport, rates and power balance.
// Writes nothing to any file: the listing pages and the non-convergence records
// are written by the caller from the CaseSolution.
#pragma once

#include "src/run_data.h"

namespace kinetics {

// What passes from one case to the next. The driver starts it with
// electronTemperature = params.startTemperature and netProductionRate = 0 and
// hands the same object to every case.
struct CaseCarry {
  double electronTemperature = 0.0;  // K; <= 0 means the gas temperature
  double netProductionRate = 0.0;    // cm-3/s; NE times the last converged nu
};

// Solves the case set up in `grid` by setUpCase, with the field strength E (V/cm)
// = case E/N * 1.0000000168623835e-16 * GasDensity (or the effective field in
// high-frequency mode). Uses params.electronDensity as NE.
//
// On return:
//   out.converged, out.negativeFlag, out.iterationCount: the iteration result.
//     converged is false on the limit exit (the caller writes the
//     non-convergence records from iterationCount, params.maxIterations,
//     params.accuracy and negativeFlag, then writes the distribution block and
//     ends the case loop). A Maxwellian run (maxIterations < 1) is converged with
//     iterationCount 0.
//   grid.distribution: f of the last sweep (or the Maxwellian), normalised.
//   out.meanEnergy, out.electronTemperature, the frequencies and the per-process
//     forwardRate/reverseRate/processPower (last rate pass) always;
//     everything else in CaseSolution (transport, powers, shares, case-entry
//     plasma parameters, picked listing composition) on the converged exit only
//     apart from the case-entry values, which are always set.
//   carry: electronTemperature = final Te; netProductionRate = NE * nu (converged only).
void solveCase(const RunParameters& params, const GasComposition& gas,
               const ProcessTable& processes, double fieldStrength, CaseGrid& grid,
               CaseCarry& carry, CaseSolution& out);

}  // namespace kinetics
