#include "src/solve_case.h"

#include <cmath>
#include <string>

#include "src/cross_section.h"
#include "src/distribution_solver.h"
#include "src/physical_constants.h"
#include "src/transport.h"

namespace kinetics {

namespace {

// The composition shown on the case pages: up to 15 components, largest fraction
// first (the lowest index wins a tie, a name is taken once), cut below a small
// share of the sum, renormalised by the sum.
void pickListingComposition(const GasComposition& gas, CaseSolution& out) {
  double sum = 0.0;
  for (int c = 1; c <= gas.count; ++c) sum += gas.fraction[c];
  out.pickedCount = 0;
  while (out.pickedCount < kMaxComponents) {
    int best = 0;
    double bestValue = 0.0;
    for (int c = 1; c <= gas.count; ++c) {
      bool taken = false;
      for (int t = 1; t <= out.pickedCount; ++t) taken = taken || out.pickedName[t] == gas.name[c];
      if (!taken && gas.fraction[c] > bestValue) {
        best = c;
        bestValue = gas.fraction[c];
      }
    }
    if (best == 0 || bestValue < kListingShareCut * sum) break;
    ++out.pickedCount;
    out.pickedName[out.pickedCount] = gas.name[best];
    out.pickedFraction[out.pickedCount] = bestValue;
  }
  for (int t = 1; t <= out.pickedCount; ++t) out.pickedFraction[t] /= sum;
}

bool hasProductionProcess(const ProcessTable& processes) {
  for (int k = 1; k <= processes.count; ++k) {
    if (processes.type[k] != 0) return true;
  }
  return false;
}

}  // namespace

void solveCase(const RunParameters& params, const GasComposition& gas,
               const ProcessTable& processes, double fieldStrength, CaseGrid& grid,
               CaseCarry& carry, CaseSolution& out) {
  out = CaseSolution{};
  const double density = gas.gasDensity;
  const double temperature = params.gasTemperature;
  const double electrons = params.electronDensity;
  const int pairs = grid.meshIntervals / 2;
  const double step = grid.energyStep;

  out.fieldStrength = fieldStrength;
  out.pressureTorr = density * temperature / kLoschmidtTorr;
  out.pressureAtm = out.pressureTorr / kTorrPerAtm;
  out.electronFraction = electrons / density;
  out.fieldOverN = fieldStrength / density;
  out.fieldOverP = fieldStrength / out.pressureTorr;
  out.fieldOverPAtm = out.fieldOverP * kKvPerCmAtmPerVPerCmTorr;
  out.gasTemperatureEv = temperature * kBoltzmannErg / kErgPerEv;
  out.powerUnitLabel = electrons != 0.0 ? "W/CM3   " : "W/EL    ";
  pickListingComposition(gas, out);

  double entryTemperature = carry.electronTemperature;
  if (entryTemperature <= 0.0) entryTemperature = temperature;
  const double entryKTe = entryTemperature * kBoltzmannErg;
  const double entryMeanEnergy = 1.5 * entryKTe / kErgPerEv;
  const double eeCoefficient = electrons * kTwoPiOverThree * kChargeSquared * kEvPerStatvoltSquared;
  const double powerScale = electrons != 0.0 ? electrons * kElementaryCharge : kElementaryCharge;
  double nu = electrons != 0.0 ? carry.netProductionRate / electrons : 0.0;

  // Normalise the starting distribution: integral of sqrt(u) f = 1. The e-e terms
  // of the first sweep take the integral of f with step 1 in the form every sweep
  // leaves it for the next: the integral of the unnormalised values over I.
  double* f = grid.distribution.data();
  const double* u = grid.energyGrid.data();
  const double norm = simpsonOf(pairs, step, [&](int i) { return std::sqrt(u[i]) * f[i]; });
  const double entryIntegralOfF = simpsonOf(pairs, 1.0, [&](int i) { return f[i]; }) / norm;
  for (int i = 1; i <= grid.meshIntervals + 1; ++i) f[i] = f[i] / norm;

  DistributionSolver solver(processes, grid,
                            {fieldStrength, out.gasTemperatureEv, electrons, powerScale});
  solver.setElectronState(entryMeanEnergy, entryKTe, entryIntegralOfF);

  double threshold = kStartThreshold;
  int count = 0;
  bool converged = true;
  const bool maxwellian = params.maxIterations < 1;

  if (maxwellian) {
    solver.ratePass(out);
    nu = out.ionisationFrequency - out.attachmentFrequency;
  } else {
    bool ratePassFirst = nu == 0.0 && hasProductionProcess(processes);
    for (;;) {
      if (ratePassFirst) {
        // Nu step: accept nu once it has settled, and then only at the final threshold.
        solver.ratePass(out);
        const double nuOld = nu;
        const double nuNew = out.ionisationFrequency - out.attachmentFrequency;
        nu = nuNew;
        if (std::fabs(nuNew - nuOld) <= std::fabs(nuNew) / 500.0) {
          if (threshold <= params.accuracy) break;
          threshold = params.accuracy;
        } else {
          nu = (nuOld + nuNew) / 2.0;
        }
      }
      ratePassFirst = true;
      solver.buildRows(nu);
      if (count == params.maxIterations) {
        converged = false;
        break;
      }
      bool passed = false;
      while (!passed) {
        ++count;
        passed = solver.sweep(threshold);
        if (!passed && count == params.maxIterations) break;
      }
      if (!passed) {
        converged = false;
        break;
      }
    }
  }

  out.converged = converged;
  out.iterationCount = count;
  out.negativeFlag = solver.negativeFlag();
  out.netProductionFrequency = nu;
  if (maxwellian) {
    out.meanEnergy = meanEnergyOf(grid);
    out.electronTemperature = out.meanEnergy * kTwoThirdsErgPerEv / kBoltzmannErg;
  } else {
    out.meanEnergy = solver.meanEnergy();
    out.electronTemperature = solver.kTe() / kBoltzmannErg;
  }
  carry.electronTemperature = out.electronTemperature;
  if (!converged) return;

  out.netProductionRate = electrons * nu;
  out.netProductionCoefficient = nu / density;
  carry.netProductionRate = out.netProductionRate;
  out.eePowerSum = solver.eePowerSum();
  evaluateTransport(grid,
                    {fieldStrength, out.gasTemperatureEv, electrons, params.frequencyOmega,
                     powerScale, eeCoefficient},
                    processes.count, out);
}

}  // namespace kinetics
