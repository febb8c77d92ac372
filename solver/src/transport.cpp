#include "src/transport.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "src/cross_section.h"
#include "src/physical_constants.h"

namespace kinetics {

double meanEnergyOf(const CaseGrid& grid) {
  const int pairs = grid.meshIntervals / 2;
  const double* u = grid.energyGrid.data();
  const double* f = grid.distribution.data();
  const double h = grid.energyStep;
  const double upper = simpsonOf(pairs, h, [&](int i) { return std::sqrt(u[i]) * f[i] * u[i]; });
  const double lower = simpsonOf(pairs, h, [&](int i) { return std::sqrt(u[i]) * f[i]; });
  return upper / lower;
}

void evaluateTransport(const CaseGrid& grid, const TransportInputs& in, int processCount,
                       CaseSolution& out) {
  const int n = grid.meshIntervals;
  const int m = n + 1;
  const int pairs = n / 2;
  const double h = grid.energyStep;
  const double* u = grid.energyGrid.data();
  const double* f = grid.distribution.data();
  const double* freePath = grid.inverseFreePath.data();
  const double* field = grid.fieldCoefficient.data();
  const double* elastic = grid.elasticCoefficient.data();
  const double cv = kVelocityConstant;
  const double e = in.fieldStrength;
  const double omega = in.frequencyOmega;
  const double top = u[m];  // EMAX as the running sum left it

  out.momentumTransferFrequency =
      cv * simpsonOf(pairs, h, [&](int i) { return f[i] * u[i] * freePath[i]; });

  // Fluxes at the half steps: mean and difference of f between neighbours, with
  // the last point standing for itself.
  const auto mean = [&](int i) { return i < m ? (f[i] + f[i + 1]) / 2.0 : f[m]; };
  const auto slope = [&](int i) { return i < m ? f[i + 1] - f[i] : f[m] - f[n]; };
  const double diffusion =
      cv * simpsonOf(pairs, h, [&](int i) { return mean(i) * field[i]; }) / 3.0;
  const double lastSlopeTerm = slope(m) * field[m];
  const double mobility = -cv *
                          (simpsonOf(pairs, 1.0, [&](int i) { return slope(i) * field[i]; }) -
                           top * lastSlopeTerm / h) /
                          3.0;

  out.diffusionCoefficient = diffusion;
  out.mobility = mobility;
  out.characteristicEnergy = diffusion / mobility;
  out.driftVelocity = mobility * e;
  out.currentPerElectron = out.driftVelocity * kElementaryCharge;
  out.conductivityPerElectron = mobility * kElementaryCharge;
  out.conductivity = out.conductivityPerElectron * in.electronDensity;
  out.resistivityTimesNe = 1.0 / out.conductivityPerElectron;

  // Static-collision forms.
  const auto secondA = [&](int i) {
    return i < m ? f[i] * u[i] / freePath[i] : f[m] * top / freePath[m];
  };
  out.secondDiffusionCoefficient = cv * simpsonOf(pairs, h, secondA) / 3.0;
  if (omega != 0.0) {
    const auto secondB = [&](int i) {
      if (i == m) return 0.0;
      const double x = freePath[i] * freePath[i] * u[i] * kCollisionFrequencyFactor;
      return std::sqrt(x) * omega * (f[i + 1] - f[i]) * u[i] / freePath[i] / (omega * omega + x);
    };
    out.secondMobility = -cv * simpsonOf(pairs, 1.0, secondB) / 3.0;
  } else {
    out.secondMobility = -cv * simpsonOf(pairs, 1.0, [](int) { return 0.0; }) / 3.0;
  }

  const double scale = in.powerScale;
  out.dischargePower = scale * mobility * (e * e);
  out.elasticPower = scale * cv * simpsonOf(pairs, h, [&](int i) { return mean(i) * elastic[i]; }) +
                     in.gasTemperatureEv * scale * cv *
                         simpsonOf(pairs, 1.0, [&](int i) { return slope(i) * elastic[i]; });
  out.storagePower = scale * out.meanEnergy * out.netProductionFrequency;
  out.eePower = h * in.eeCoefficient * scale * cv * out.eePowerSum;
  out.dissipatedPower = out.inelasticPower + out.elasticPower + out.storagePower;
  out.totalPower = out.inelasticPower + out.elasticPower + out.storagePower + out.eePower;

  const double w = out.dischargePower;
  if (w != 0.0) {
    out.elasticShare = out.elasticPower * 100.0 / w;
    out.inelasticShare = out.inelasticPower * 100.0 / w;
    out.storageShare = out.storagePower * 100.0 / w;
    out.eeShare = out.eePower * 100.0 / w;
    out.dischargeShare = w * 100.0 / w;
    out.totalShare = out.elasticShare + out.inelasticShare + out.storageShare + out.eeShare;
    out.powerBalanceAccuracy = out.totalShare - 100.0;
    for (int k = 1; k <= processCount; ++k) out.processShare[k] = out.processPower[k] * 100.0 / w;
    out.shareNorm = w;
  } else {
    // No input power: the balance is taken relative to the largest loss channel
    // (0/0 gives NaN when every channel is 0) and no share is computed.
    const double largest = std::max(
        {std::fabs(out.inelasticPower), std::fabs(out.storagePower), std::fabs(out.elasticPower)});
    out.powerBalanceAccuracy =
        (out.eePower + out.elasticPower + out.inelasticPower + out.storagePower) * 100.0 / largest;
    out.shareNorm = largest;
  }
}

}  // namespace kinetics
