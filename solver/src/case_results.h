// Results the run keeps per case, for the graph-data file and the run summary
// tables. A case's entries are stored only when it converged; a case that ran
// without converging keeps zeros (its column in the tables shows them).
#pragma once

#include <array>
#include <vector>

#include "src/run_data.h"

namespace kinetics {

// Rates below this are stored (and written) as this value.
inline constexpr double kRateFloor = 1e-30;

struct CaseResults {
    struct Case {
        // Modes 0 and 2: E/N in 1e-16 V cm2; mode 1: Eo in V/cm.
        double fieldValue = 0.0;
        // Per process 1..P (cm3/s), floored at kRateFloor when stored.
        std::array<double, kMaxProcesses + 1> forwardRate{};
        std::array<double, kMaxProcesses + 1> reverseRate{};
        double momentumTransferRate = 0.0;      // nu_m / N, cm3/s
        double netProductionCoefficient = 0.0;  // cm3/s
        // Power-partition rows 1..P + 3 (%): process shares, elastic share (P + 1),
        // balance accuracy + 100 (P + 2), energy range in eV (P + 3).
        std::array<double, kMaxProcesses + 4> powerPartition{};
        double storageShare = 0.0;  // %
        double eeShare = 0.0;       // %
        double balanceAccuracy = 0.0;  // %
        double meanEnergy = 0.0;            // eV
        double characteristicEnergy = 0.0;  // eV
        double diffusionCoefficient = 0.0;        // cm2/s
        double secondDiffusionCoefficient = 0.0;  // cm2/s
        double driftVelocity = 0.0;               // cm/s
        double mobility = 0.0;                    // cm2/(V s)
        double secondMobility = 0.0;              // cm2/(V s)
        double currentPerElectron = 0.0;          // A cm
    };

    // Indexed by case number 1..21; entry 0 is unused. All zero at start.
    std::vector<Case> cases = std::vector<Case>(kMaxFieldValues + 1);

    Case& operator[](int caseNumber) { return cases.at(caseNumber); }
    const Case& operator[](int caseNumber) const { return cases.at(caseNumber); }
};

// Stores the results of converged case `caseNumber` (1-based position in the run
// order). Shares are taken relative to the discharge power, or to the largest of
// |inelastic|, |storage| and |elastic| power when the discharge power is 0.
void storeCaseResults(int caseNumber, const RunParameters& params,
                      const GasComposition& composition, const ProcessTable& processes,
                      const CaseSolution& solution, CaseResults& results);

}  // namespace kinetics
