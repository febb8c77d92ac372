// Analytic limits of the kinetics on the model gases of the sample data bank.
#include <gtest/gtest.h>

#include <cmath>

#include "model_gas.h"

namespace kinetics::testing {
namespace {

constexpr double kGasTemperatureEv = 300.0 * 1.38e-16 / 1.602e-12;

// Maxwell model: sigma_m = s0 / sqrt(u) gives a constant collision frequency, so
// f is a Maxwellian at kTe = kTg + E^2 M / (3 c N^2 s0^2) and Mu N = cv / (2 s0).
// The grid ends at 20 kTe; what is left is the discretisation error at u = 0,
// which shrinks as (DE / kTe)^1.5.
TEST(PhysicsTest, MaxwellModelMatchesExactTemperatureAndMobility) {
  constexpr double s0 = 5e-16;  // cm2 eV^1/2, as tabulated in the bank
  struct Row {
    double td;
    double energyRange;
  };
  for (const Row row : {Row{2.0, 40.0}, Row{2.85, 80.0}}) {
    auto run = loadModelGases({"maxwell"}, modelParameters(row.energyRange, 2000));
    const CaseSolution out = runCase(*run, 1, row.td);
    ASSERT_TRUE(out.converged) << row.td;
    const double n = run->gas.gasDensity;
    const double e = fieldStrengthOf(row.td, n);
    const double kTe = kGasTemperatureEv + e * e * 4.0 / (3.0 * kElasticFactor * n * n * s0 * s0);
    EXPECT_NEAR(out.meanEnergy / (1.5 * kTe), 1.0, 7e-4) << row.td;
    EXPECT_NEAR(out.characteristicEnergy / kTe, 1.0, 6e-4) << row.td;
    EXPECT_NEAR(out.mobility * n / (kVelocityConstant / (2.0 * s0)), 1.0, 2e-4) << row.td;
    EXPECT_NEAR(out.driftVelocity, out.mobility * e, 1e-12 * std::fabs(out.driftVelocity));
    EXPECT_LT(std::fabs(out.powerBalanceAccuracy), 0.1) << row.td;
  }
}

}  // namespace
}  // namespace kinetics::testing
