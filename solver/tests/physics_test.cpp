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

namespace kinetics::testing {
namespace {

// Attachment 0.1 u^-1/2 (1e-16 cm2): u sigma = 1e-17 sqrt(u), so the rate is cv * 1e-17
// times the normalisation integral, whatever the field.
TEST(PhysicsTest, AttachmentRateIsVelocityConstantTimesTableScale) {
  auto run = loadModelGases({"xrampat"}, modelParameters(20.0, 2000));
  ASSERT_EQ(run->processes.count, 2);
  ASSERT_EQ(run->processes.type[2], -1);
  for (double td : {3.0, 30.0}) {
    const CaseSolution out = runCase(*run, 1, td);
    ASSERT_TRUE(out.converged) << td;
    EXPECT_NEAR(out.forwardRate[2] / (kVelocityConstant * 1e-17), 1.0, 1e-7) << td;
    EXPECT_NEAR(out.attachmentFrequency, run->processes.targetDensity[2] * out.forwardRate[2],
                1e-9 * out.attachmentFrequency);
    EXPECT_EQ(out.ionisationFrequency, 0.0);
    EXPECT_DOUBLE_EQ(out.netProductionFrequency, -out.attachmentFrequency);
    EXPECT_DOUBLE_EQ(out.netProductionCoefficient,
                     out.netProductionFrequency / run->gas.gasDensity);
  }
}

// Maxwellian mode at kT = 1 eV: the ramp 10 (u - U) 1e-16 cm2 has the rate
// cv (2/sqrt(pi)) kT^-1.5 1e-15 exp(-U/kT) (2 kT^3 + U kT^2); <u> = 1.5 kT and
// D/Mu = kT; the populated upper state gives kr/kf = exp(U/kT) when U is a whole
// number of steps.
TEST(PhysicsTest, MaxwellianModeMatchesClosedForms) {
  RunParameters params = modelParameters(40.0, 2000);
  params.maxIterations = -1;
  params.startTemperature = 1.0 / 8.614231822439214e-05;
  params.startEnergy = params.startTemperature * 8.614231822439214e-05;
  auto run = loadModelGases({"xrampup"}, params);
  const CaseSolution out = runCase(*run, 1, 10.0);
  ASSERT_TRUE(out.converged);
  EXPECT_EQ(out.iterationCount, 0);
  const double kT = params.startEnergy;
  const double u0 = run->processes.threshold[1];
  ASSERT_NEAR(u0, 0.2, 1e-12);
  const double exact = kVelocityConstant * 2.0 / std::sqrt(M_PI) / std::pow(kT, 1.5) * 1e-15 *
                       std::exp(-u0 / kT) * (2.0 * kT * kT * kT + u0 * kT * kT);
  EXPECT_NEAR(out.forwardRate[1] / exact, 1.0, 1e-3);
  EXPECT_NEAR(out.meanEnergy / (1.5 * kT), 1.0, 1e-3);
  EXPECT_NEAR(out.characteristicEnergy / kT, 1.0, 1e-3);
  EXPECT_NEAR(out.electronTemperature, out.meanEnergy * 1.0680000318288803e-12 / 1.38e-16,
              1e-9 * out.electronTemperature);
  EXPECT_NEAR(out.reverseRate[1] / out.forwardRate[1] / std::exp(u0 / kT), 1.0, 2e-3);
  EXPECT_EQ(out.eePower, 0.0);
}

// Field heating balances the losses when the thresholds are whole numbers of steps.
TEST(PhysicsTest, PowerBalanceClosesOnRampAndLucasSaelee) {
  struct Row {
    const char* gas;
    double energyRange;
    double td;
    double bound;  // percent
  };
  for (const Row row : {Row{"xramp", 20.0, 10.0, 0.05}, Row{"xramp", 20.0, 30.0, 0.01},
                        Row{"xrampup", 20.0, 30.0, 0.01}, Row{"lucas", 100.0, 100.0, 0.15},
                        Row{"lucas", 200.0, 300.0, 0.5}}) {
    auto run = loadModelGases({row.gas}, modelParameters(row.energyRange, 2000));
    const CaseSolution out = runCase(*run, 1, row.td);
    ASSERT_TRUE(out.converged) << row.gas << " " << row.td;
    EXPECT_LT(std::fabs(out.powerBalanceAccuracy), row.bound) << row.gas << " " << row.td;
    EXPECT_DOUBLE_EQ(out.totalShare,
                     out.elasticShare + out.inelasticShare + out.storageShare + out.eeShare);
    double processSum = 0.0;
    for (int k = 1; k <= run->processes.count; ++k) processSum += out.processPower[k];
    EXPECT_DOUBLE_EQ(processSum, out.inelasticPower);
    EXPECT_EQ(out.powerUnitLabel, "W/EL    ");
  }
}

// Ionisation feeds the growth term: nu > 0, stored energy power e'<u>nu.
TEST(PhysicsTest, IonisationGivesGrowthAndStoragePower) {
  auto run = loadModelGases({"lucas"}, modelParameters(100.0, 2000));
  const CaseSolution out = runCase(*run, 1, 100.0);
  ASSERT_TRUE(out.converged);
  EXPECT_GT(out.ionisationFrequency, 0.0);
  EXPECT_EQ(out.netProductionFrequency, out.ionisationFrequency);
  EXPECT_DOUBLE_EQ(out.storagePower,
                   1.6020000187211282e-19 * out.meanEnergy * out.netProductionFrequency);
  EXPECT_GT(out.storageShare, 0.0);
}

// Electron-electron collisions drive f towards a Maxwellian (D/Mu -> 2<u>/3) and
// the balance, with the e-e discrepancy, still closes.
TEST(PhysicsTest, ElectronCollisionsMaxwellise) {
  double previousGap = 1.0;
  for (double ratio : {0.0, 1e-4, 1e-2}) {
    auto run = loadModelGases({"xramp"}, modelParameters(20.0, 2000));
    run->params.electronDensity = ratio * run->gas.gasDensity;
    const CaseSolution out = runCase(*run, 1, 3.0);
    ASSERT_TRUE(out.converged) << ratio;
    const double gap = std::fabs(out.characteristicEnergy / (2.0 / 3.0 * out.meanEnergy) - 1.0);
    EXPECT_LT(gap, previousGap) << ratio;
    previousGap = gap;
    EXPECT_LT(std::fabs(out.powerBalanceAccuracy), 0.5) << ratio;
    EXPECT_EQ(out.powerUnitLabel, ratio == 0.0 ? "W/EL    " : "W/CM3   ");
    if (ratio == 0.0) {
      EXPECT_EQ(out.eeShare, 0.0);
    }
  }
  EXPECT_LT(previousGap, 0.01);
}

}  // namespace
}  // namespace kinetics::testing
