#include "src/case_results.h"

#include <algorithm>
#include <cmath>

namespace kinetics {

namespace {

double floored(double rate) { return rate < kRateFloor ? kRateFloor : rate; }

// The input power, or the largest loss channel when no power is put in.
double shareNorm(const CaseSolution& s) {
    if (s.dischargePower != 0.0) return s.dischargePower;
    return std::max({std::fabs(s.inelasticPower), std::fabs(s.storagePower),
                     std::fabs(s.elasticPower)});
}

}  // namespace

void storeCaseResults(int caseNumber, const RunParameters& params,
                      const GasComposition& composition, const ProcessTable& processes,
                      const CaseSolution& solution, CaseResults& results) {
    CaseResults::Case& c = results[caseNumber];
    const int p = processes.count;
    c.fieldValue = params.fieldMode == 1 ? params.amplitudeList[caseNumber]
                                         : params.fieldList[caseNumber];
    for (int j = 1; j <= p; ++j) {
        c.forwardRate[j] = floored(solution.forwardRate[j]);
        c.reverseRate[j] = floored(solution.reverseRate[j]);
    }
    c.momentumTransferRate = solution.momentumTransferFrequency / composition.gasDensity;
    c.netProductionCoefficient = solution.netProductionCoefficient;

    const double norm = shareNorm(solution);
    for (int j = 1; j <= p; ++j) c.powerPartition[j] = solution.processPower[j] * 100.0 / norm;
    c.powerPartition[p + 1] = solution.elasticPower * 100.0 / norm;
    c.powerPartition[p + 2] = solution.powerBalanceAccuracy + 100.0;
    c.powerPartition[p + 3] = params.energyRangeList[caseNumber];

    c.storageShare = solution.storageShare;
    c.eeShare = solution.eeShare;
    c.balanceAccuracy = solution.powerBalanceAccuracy;
    c.meanEnergy = solution.meanEnergy;
    c.characteristicEnergy = solution.characteristicEnergy;
    c.diffusionCoefficient = solution.diffusionCoefficient;
    c.secondDiffusionCoefficient = solution.secondDiffusionCoefficient;
    c.driftVelocity = solution.driftVelocity;
    c.mobility = solution.mobility;
    c.secondMobility = solution.secondMobility;
    c.currentPerElectron = solution.currentPerElectron;
}

}  // namespace kinetics
