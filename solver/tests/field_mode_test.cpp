// Field modes and invariances of the case solution.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "model_gas.h"

namespace kinetics::testing {
namespace {

// Every number of two solutions, compared bit for bit (NaN equals NaN).
void expectSameBits(const CaseSolution& a, const CaseSolution& b, int processes) {
  const auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
  const double* pa = &a.fieldStrength;
  const double* pb = &b.fieldStrength;
  const int scalars = static_cast<int>(&a.powerBalanceAccuracy - &a.fieldStrength) + 1;
  for (int i = 0; i < scalars; ++i) EXPECT_TRUE(same(pa[i], pb[i])) << "scalar " << i;
  for (int k = 1; k <= processes; ++k) {
    EXPECT_TRUE(same(a.forwardRate[k], b.forwardRate[k])) << k;
    EXPECT_TRUE(same(a.reverseRate[k], b.reverseRate[k])) << k;
    EXPECT_TRUE(same(a.processPower[k], b.processPower[k])) << k;
    EXPECT_TRUE(same(a.processShare[k], b.processShare[k])) << k;
  }
  EXPECT_EQ(a.iterationCount, b.iterationCount);
  EXPECT_EQ(a.converged, b.converged);
}

TEST(FieldModeTest, CrossedFieldOfZeroReproducesUniformField) {
  auto uniform = loadModelGases({"lucas"}, modelParameters(100.0, 1000));
  RunParameters crossed = modelParameters(100.0, 1000);
  crossed.fieldMode = 2;
  crossed.magneticField = 0.0;
  crossed.frequencyOmega = 0.0 * 17589999616.0;
  auto magnetic = loadModelGases({"lucas"}, crossed);
  const CaseSolution a = runCase(*uniform, 1, 150.0);
  const CaseSolution b = runCase(*magnetic, 1, 150.0);
  ASSERT_TRUE(a.converged);
  expectSameBits(a, b, uniform->processes.count);
  EXPECT_EQ(uniform->grid.distribution, magnetic->grid.distribution);
}

TEST(FieldModeTest, TapeTextWithSidesExchangedGivesTheSameResult) {
  for (const char* gas : {"lucas", "molgas"}) {
    auto plain = loadModelGases({gas}, modelParameters(40.0, 1000));
    auto swapped = loadModelGases({gas}, modelParameters(40.0, 1000), {}, true);
    const CaseSolution a = runCase(*plain, 1, 60.0);
    const CaseSolution b = runCase(*swapped, 1, 60.0);
    ASSERT_TRUE(a.converged) << gas;
    EXPECT_TRUE(swapped->listing.records.empty()) << gas;
    expectSameBits(a, b, plain->processes.count);
  }
}

// High frequency: far below the collision frequency the field acts as a uniform
// field of the same effective strength; far above it heats much less. The
// static-collision pair then carries the in-phase and out-of-phase mobility.
TEST(FieldModeTest, HighFrequencyLimits) {
  auto uniform = loadModelGases({"xramp"}, modelParameters(20.0, 1000));
  const CaseSolution dc = runCase(*uniform, 1, 30.0);
  ASSERT_TRUE(dc.converged);
  const double collisionFrequency = dc.momentumTransferFrequency;

  RunParameters slowParams = modelParameters(20.0, 1000);
  slowParams.fieldMode = 1;
  slowParams.frequencyOmega = collisionFrequency * 1e-4;
  auto slow = loadModelGases({"xramp"}, slowParams);
  const CaseSolution low = runCase(*slow, 1, 30.0);
  ASSERT_TRUE(low.converged);
  EXPECT_NEAR(low.meanEnergy / dc.meanEnergy, 1.0, 1e-5);
  EXPECT_NEAR(low.mobility / dc.mobility, 1.0, 1e-5);
  EXPECT_GT(low.secondMobility, 0.0);
  EXPECT_LT(low.secondMobility, 1e-3 * low.mobility);

  RunParameters fastParams = slowParams;
  fastParams.frequencyOmega = collisionFrequency * 3.0;
  auto fast = loadModelGases({"xramp"}, fastParams);
  const CaseSolution high = runCase(*fast, 1, 30.0);
  ASSERT_TRUE(high.converged);
  EXPECT_LT(high.meanEnergy, 0.5 * dc.meanEnergy);
  EXPECT_LT(std::fabs(high.powerBalanceAccuracy), 0.2);
}

// Crossed magnetic field: the mobility along E and the Hall mobility come from
// the two forms; D along H is the static form, which no field changes.
TEST(FieldModeTest, CrossedMagneticFieldGivesHallMobility) {
  RunParameters params = modelParameters(20.0, 1000);
  params.fieldMode = 2;
  params.magneticField = 0.05;  // cyclotron frequency near the collision frequency
  params.frequencyOmega = 0.05 * 17589999616.0;
  auto run = loadModelGases({"xramp"}, params);
  auto uniform = loadModelGases({"xramp"}, modelParameters(20.0, 1000));
  const CaseSolution h = runCase(*run, 1, 30.0);
  const CaseSolution dc = runCase(*uniform, 1, 30.0);
  ASSERT_TRUE(h.converged);
  EXPECT_LT(h.mobility, dc.mobility);
  EXPECT_GT(h.secondMobility, 0.0);
  EXPECT_LT(std::fabs(h.powerBalanceAccuracy), 0.05);
  EXPECT_EQ(dc.secondMobility, 0.0);
}

}  // namespace
}  // namespace kinetics::testing
