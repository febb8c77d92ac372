// Per-case set-up: the energy grid, every process cross section and the
// momentum-transfer sums on it, the field and elastic coefficients at the half
// steps and the starting distribution; with the case's cross-section warning page
// and the fatal zero momentum-transfer message in the listing.
#pragma once

#include "recordio/recordio.h"
#include "src/cross_section.h"
#include "src/run_data.h"

namespace kinetics {

// Sets up case `caseNumber` (1-based; its energy range is
// params.energyRangeList[caseNumber]) into `grid`:
//   meshIntervals, energyRange, energyStep, energyGrid (running sum),
//   crossSectionGrid (u * sigma_k(u), zero for a process with a reading flag),
//   momentumTransferSum, massWeightedSum, inverseFreePath,
//   fieldCoefficient and elasticCoefficient (at the half steps; entry M repeats N),
//   distribution (exp(-u / StartEnergy) as a running product, f_1 = 1, not normalised).
// Cross sections are searched on `tape` by the key pairs of the process texts;
// the reaction parser may append names to `species`. The warning page, when
// there is any warning, goes to `listing`.
//
// Returns false when the momentum-transfer sum is zero at some grid point: the
// fatal message is then in the listing and the run must end at once (no further
// case, no more graph-data records, no summary tables; exit status 0).
//
// The driver makes one CrossSectionTape over the working tape before the case
// loop and passes it to every case (it remembers what it has read).
bool setUpCase(const RunParameters& params, const GasComposition& gas, SpeciesTable& species,
               const ProcessTable& processes, CrossSectionTape& tape, int caseNumber,
               CaseGrid& grid, recordio::RecordSink& listing);

// The momentum-transfer key pair of a gas component X: X + E(-) on both sides.
long long momentumTransferKey(int speciesIndex, int electronIndex);

}  // namespace kinetics
