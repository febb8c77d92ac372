#include "src/case_results.h"

#include <gtest/gtest.h>

#include "writer_fixtures.h"

namespace kinetics {
namespace {

using testing::makeComposition;
using testing::makeParams;
using testing::makeProcesses;

CaseSolution makeSolution() {
    CaseSolution s;
    s.forwardRate[1] = 0.0;
    s.forwardRate[2] = 5e-31;
    s.forwardRate[3] = 2e-9;
    s.reverseRate[1] = 3e-12;
    s.reverseRate[2] = -1e-20;
    s.reverseRate[3] = 1e-30;
    s.processPower[1] = 3e-13;
    s.processPower[2] = 0.0;
    s.processPower[3] = -4e-14;
    s.dischargePower = 4e-12;
    s.inelasticPower = 3e-12;
    s.elasticPower = 1e-12;
    s.storagePower = 0.0;
    s.momentumTransferFrequency = 3e9;
    s.netProductionCoefficient = -2e-12;
    s.powerBalanceAccuracy = -0.25;
    s.storageShare = 1.5;
    s.eeShare = 0.5;
    s.meanEnergy = 2.5;
    s.characteristicEnergy = 1.5;
    s.diffusionCoefficient = 1e5;
    s.secondDiffusionCoefficient = 2e5;
    s.driftVelocity = 3e6;
    s.mobility = 4e5;
    s.secondMobility = -5e3;
    s.currentPerElectron = 6e-13;
    return s;
}

TEST(CaseResultsTest, StoresFlooredRatesSharesAndTransport) {
    const RunParameters params = makeParams(0);
    CaseResults results;
    storeCaseResults(2, params, makeComposition({{"AR", 1.0}}, 1e16), makeProcesses(3),
                     makeSolution(), results);
    const CaseResults::Case& c = results[2];
    EXPECT_EQ(params.fieldList[2], c.fieldValue);  // E/N in 1e-16 V cm2
    EXPECT_EQ(1e-30, c.forwardRate[1]);
    EXPECT_EQ(1e-30, c.forwardRate[2]);
    EXPECT_EQ(2e-9, c.forwardRate[3]);
    EXPECT_EQ(3e-12, c.reverseRate[1]);
    EXPECT_EQ(1e-30, c.reverseRate[2]);
    EXPECT_EQ(1e-30, c.reverseRate[3]);
    EXPECT_DOUBLE_EQ(3e-7, c.momentumTransferRate);  // nu_m / N
    EXPECT_EQ(-2e-12, c.netProductionCoefficient);     // floored only when written
    EXPECT_DOUBLE_EQ(7.5, c.powerPartition[1]);
    EXPECT_EQ(0.0, c.powerPartition[2]);
    EXPECT_DOUBLE_EQ(-1.0, c.powerPartition[3]);
    EXPECT_DOUBLE_EQ(25.0, c.powerPartition[4]);  // elastic share
    EXPECT_EQ(99.75, c.powerPartition[5]);        // balance accuracy + 100
    EXPECT_EQ(params.energyRangeList[2], c.powerPartition[6]);
    EXPECT_EQ(1.5, c.storageShare);
    EXPECT_EQ(0.5, c.eeShare);
    EXPECT_EQ(-0.25, c.balanceAccuracy);
    EXPECT_EQ(2.5, c.meanEnergy);
    EXPECT_EQ(1.5, c.characteristicEnergy);
    EXPECT_EQ(1e5, c.diffusionCoefficient);
    EXPECT_EQ(2e5, c.secondDiffusionCoefficient);
    EXPECT_EQ(3e6, c.driftVelocity);
    EXPECT_EQ(4e5, c.mobility);
    EXPECT_EQ(-5e3, c.secondMobility);
    EXPECT_EQ(6e-13, c.currentPerElectron);

    // Other cases stay zero: a case that never converged shows zeros.
    EXPECT_EQ(0.0, results[1].meanEnergy);
    EXPECT_EQ(0.0, results[3].forwardRate[3]);
    EXPECT_EQ(0.0, results[3].powerPartition[6]);
}

TEST(CaseResultsTest, SharesWithoutInputPowerUseTheLargestLoss) {
    CaseSolution s = makeSolution();
    s.dischargePower = 0.0;
    s.storagePower = -5e-12;  // the largest loss in magnitude
    CaseResults results;
    storeCaseResults(1, makeParams(0), makeComposition({{"AR", 1.0}}), makeProcesses(3), s,
                     results);
    EXPECT_DOUBLE_EQ(6.0, results[1].powerPartition[1]);
    EXPECT_DOUBLE_EQ(20.0, results[1].powerPartition[4]);
}

TEST(CaseResultsTest, HighFrequencyCasesKeepTheirAmplitude) {
    CaseResults results;
    storeCaseResults(3, makeParams(1), makeComposition({{"AR", 1.0}}), makeProcesses(1),
                     makeSolution(), results);
    EXPECT_EQ(300.0, results[3].fieldValue);  // Eo in V/cm
    EXPECT_THROW(results[kMaxFieldValues + 1], std::out_of_range);
}

}  // namespace
}  // namespace kinetics
