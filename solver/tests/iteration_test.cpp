// The double iteration's exits and what a case carries to the next; transport
// edge cases.
#include <gtest/gtest.h>

#include <cmath>

#include "model_gas.h"
#include "src/distribution_solver.h"
#include "src/transport.h"

namespace kinetics::testing {
namespace {

TEST(IterationTest, LimitExitReportsTheCountAndKeepsTheLastSweep) {
  RunParameters params = modelParameters(20.0, 1000);
  params.maxIterations = 1;
  auto run = loadModelGases({"xramp"}, params);
  const CaseSolution out = runCase(*run, 1, 30.0);
  EXPECT_FALSE(out.converged);
  EXPECT_EQ(out.iterationCount, 1);
  EXPECT_FALSE(out.negativeFlag);
  // The distribution of the last sweep is normalised.
  const double* u = run->grid.energyGrid.data();
  const double* f = run->grid.distribution.data();
  EXPECT_NEAR(simpsonOf(500, run->grid.energyStep, [&](int i) { return std::sqrt(u[i]) * f[i]; }),
              1.0, 1e-12);
  // No evaluation on this exit.
  EXPECT_EQ(out.dischargePower, 0.0);
  EXPECT_EQ(out.mobility, 0.0);
}

TEST(IterationTest, NegativeDistributionNeverConverges) {
  // Steps far wider than the gas temperature at a weak field: the elimination
  // without pivoting gives negative values.
  RunParameters params = modelParameters(20.0, 100);
  params.maxIterations = 40;
  auto run = loadModelGases({"xramp"}, params);
  const CaseSolution out = runCase(*run, 1, 0.01);
  EXPECT_FALSE(out.converged);
  EXPECT_TRUE(out.negativeFlag);
  EXPECT_EQ(out.iterationCount, 40);
}

// Without any inelastic process the system has no source: f becomes 0/0. The
// case runs to its limit, deterministically, and ends not converged.
TEST(IterationTest, NoInelasticProcessRunsLiterallyToTheLimit) {
  RunParameters params = modelParameters(20.0, 200);
  params.maxIterations = 7;
  auto run = loadModelGases({"maxwell"}, params);
  run->processes.count = 0;
  const CaseSolution out = runCase(*run, 1, 1.0);
  EXPECT_FALSE(out.converged);
  EXPECT_EQ(out.iterationCount, 7);
  EXPECT_TRUE(std::isnan(run->grid.distribution[5]));
}

TEST(IterationTest, MaxwellianModeForZeroAndNegativeLimits) {
  for (int limit : {0, -1}) {
    RunParameters params = modelParameters(20.0, 1000);
    params.maxIterations = limit;
    auto run = loadModelGases({"lucas"}, params);
    const CaseSolution out = runCase(*run, 1, 100.0);
    EXPECT_TRUE(out.converged) << limit;
    EXPECT_EQ(out.iterationCount, 0) << limit;
    // exp(-u / StartEnergy), normalised.
    const double* u = run->grid.energyGrid.data();
    const double* f = run->grid.distribution.data();
    EXPECT_NEAR(f[101] / f[1], std::exp(-u[101] / params.startEnergy), 1e-12) << limit;
    EXPECT_EQ(out.netProductionFrequency, out.ionisationFrequency);
    EXPECT_EQ(run->carry.electronTemperature, out.electronTemperature);
  }
}

TEST(IterationTest, LooseAccuracyEndsAtTheFirstSettledNu) {
  RunParameters loose = modelParameters(20.0, 1000);
  loose.accuracy = 0.02;
  RunParameters tight = modelParameters(20.0, 1000);
  auto a = loadModelGases({"xramp"}, loose);
  auto b = loadModelGases({"xramp"}, tight);
  const CaseSolution fast = runCase(*a, 1, 30.0);
  const CaseSolution slow = runCase(*b, 1, 30.0);
  ASSERT_TRUE(fast.converged);
  ASSERT_TRUE(slow.converged);
  EXPECT_LT(fast.iterationCount, slow.iterationCount);
  // Excitation only: nu stays 0.
  EXPECT_EQ(slow.netProductionFrequency, 0.0);
  EXPECT_EQ(b->carry.netProductionRate, 0.0);
}

// With NE != 0 a case carries NE * nu to the next one, which then starts from it.
TEST(IterationTest, NetProductionRateIsCarried) {
  RunParameters params = modelParameters(100.0, 1000);
  auto run = loadModelGases({"lucas"}, params);
  run->params.electronDensity = 1e-8 * run->gas.gasDensity;
  const CaseSolution first = runCase(*run, 1, 100.0);
  ASSERT_TRUE(first.converged);
  EXPECT_GT(first.netProductionFrequency, 0.0);
  EXPECT_EQ(run->carry.netProductionRate,
            run->params.electronDensity * first.netProductionFrequency);
  EXPECT_EQ(first.netProductionRate, run->carry.netProductionRate);
  EXPECT_EQ(run->carry.electronTemperature, first.electronTemperature);
  const CaseSolution second = runCase(*run, 1, 100.0);
  ASSERT_TRUE(second.converged);
  EXPECT_NEAR(second.netProductionFrequency / first.netProductionFrequency, 1.0, 1e-2);
  EXPECT_LT(second.iterationCount, first.iterationCount);
}

TEST(IterationTest, OddIntervalCountLeavesTheLastIntervalOut) {
  auto run = loadModelGases({"xramp"}, modelParameters(20.0, 1001));
  const CaseSolution out = runCase(*run, 1, 30.0);
  ASSERT_TRUE(out.converged);
  const double* u = run->grid.energyGrid.data();
  const double* f = run->grid.distribution.data();
  EXPECT_NEAR(simpsonOf(500, run->grid.energyStep, [&](int i) { return std::sqrt(u[i]) * f[i]; }),
              1.0, 1e-12);
  // The threshold is no whole number of steps here: the operator shifts by the
  // truncated count while the power uses the threshold itself.
  EXPECT_LT(std::fabs(out.powerBalanceAccuracy), 0.5);
}

TEST(IterationTest, ListingCompositionLargestFirstRenormalised) {
  auto run = loadModelGases({"xrampup", "molgas"}, modelParameters(20.0, 200),
                            {{"XU", 0.5}, {"XU*", 0.2}, {"MG", 0.3}});
  const CaseSolution out = runCase(*run, 1, 10.0);
  // RMG competes with the fraction 0 and is never taken.
  ASSERT_EQ(out.pickedCount, 3);
  EXPECT_EQ(out.pickedName[1], "XU      ");
  EXPECT_EQ(out.pickedName[2], "MG      ");
  EXPECT_EQ(out.pickedName[3], "XU*     ");
  EXPECT_DOUBLE_EQ(out.pickedFraction[1], 0.5);
  EXPECT_DOUBLE_EQ(out.pickedFraction[3], 0.2);
}

TEST(IterationTest, CaseEntryValues) {
  RunParameters params = modelParameters(20.0, 200);
  params.gasPressure = 2.0;
  params.gasTemperature = 400.0;
  auto run = loadModelGases({"xramp"}, params);
  const CaseSolution out = runCase(*run, 1, 10.0);
  const double n = run->gas.gasDensity;
  EXPECT_DOUBLE_EQ(out.pressureTorr, n * 400.0 / 9.650000140617908e18);
  EXPECT_DOUBLE_EQ(out.pressureAtm, out.pressureTorr / 760.0);
  EXPECT_DOUBLE_EQ(out.fieldOverN, out.fieldStrength / n);
  EXPECT_DOUBLE_EQ(out.fieldOverPAtm, out.fieldOverP * 0.7599999904632568);
  EXPECT_DOUBLE_EQ(out.gasTemperatureEv, 400.0 * 1.38e-16 / 1.602e-12);
  EXPECT_EQ(out.electronFraction, 0.0);
}

// The rotational companion RMG (rotational constant 2.5e-4 eV, factor 4, sigma 1)
// adds to the elastic loss only, from the second point on.
TEST(IterationTest, RotationalComponentOnlyAddsElasticLossFromSecondPoint) {
  auto run = loadModelGases({"molgas"}, modelParameters(30.0, 300));
  ASSERT_EQ(run->gas.count, 2);
  ASSERT_EQ(run->gas.isRotational[2], 1);
  CaseSolution out = runCase(*run, 1, 50.0);
  ASSERT_TRUE(out.converged);
  const CaseGrid& g = run->grid;
  EXPECT_EQ(g.massWeightedSum[1], g.momentumTransferSum[1] / 28.0);
  const double sigma = 1.0 * 1.0000000168623835e-16;
  for (int i : {2, 50, 301}) {
    const double rotational = sigma * 1.0 * 2.5e-4 * 4.0 / g.energyGrid[i] / kElasticFactor;
    EXPECT_NEAR((g.massWeightedSum[i] - g.momentumTransferSum[i] / 28.0) / rotational, 1.0, 1e-9)
        << i;
  }
}

// No input power and no loss: the balance is 0/0, written as NaN, never a crash.
TEST(TransportTest, ZeroPowerBalanceIsNaN) {
  CaseGrid grid;
  grid.meshIntervals = 4;
  grid.energyStep = 1.0;
  grid.energyGrid = {0, 0, 1, 2, 3, 4};
  grid.distribution = {0, 1, 0.5, 0.25, 0.125, 0.0625};
  grid.inverseFreePath = {0, 1, 1, 1, 1, 1};
  grid.fieldCoefficient.assign(6, 0.0);
  grid.elasticCoefficient.assign(6, 0.0);
  CaseSolution out;
  evaluateTransport(grid, {0.0, 0.025, 0.0, 0.0, 1.6020000187211282e-19, 0.0}, 0, out);
  EXPECT_EQ(out.dischargePower, 0.0);
  EXPECT_TRUE(std::isnan(out.powerBalanceAccuracy));
  EXPECT_EQ(out.elasticShare, 0.0);
  EXPECT_EQ(out.storageShare, 0.0);
  EXPECT_EQ(out.shareNorm, 0.0);
}

TEST(TransportTest, ThresholdShiftTruncatesAndClamps) {
  struct Row {
    double threshold;
    double step;
    int shift;
  };
  for (const Row row :
       {Row{1.99, 1.0, 1}, Row{-1.99, 1.0, -1}, Row{0.2, 0.02, 10}, Row{1e300, 1e-10, 1001},
        Row{-1e300, 1e-10, -1001}, Row{std::nan(""), 1.0, 1001}}) {
    EXPECT_EQ(thresholdShift(row.threshold, row.step, 1000), row.shift) << row.threshold;
  }
}

}  // namespace
}  // namespace kinetics::testing
