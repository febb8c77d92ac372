// What follows from a converged (or Maxwellian) distribution: mean energy when no
// sweep ran, momentum-transfer frequency, the transport coefficients of both
// forms, the power channels and their shares.
#pragma once

#include "src/run_data.h"

namespace kinetics {

struct TransportInputs {
  double fieldStrength = 0.0;     // E, V/cm
  double gasTemperatureEv = 0.0;  // kTg, eV
  double electronDensity = 0.0;   // NE, cm-3
  double frequencyOmega = 0.0;    // OMEGA, s-1
  double powerScale = 0.0;        // e'
  double eeCoefficient = 0.0;     // K
};

// Mean energy (eV) of a normalised f over the grid: integral of u^1.5 f over the
// integral of u^0.5 f.
double meanEnergyOf(const CaseGrid& grid);

// Fills the transport, power and share results of `out` from grid.distribution
// and the rate and frequency results already in `out` (netProductionFrequency,
// inelasticPower, processPower, meanEnergy, eePowerSum).
void evaluateTransport(const CaseGrid& grid, const TransportInputs& inputs, int processCount,
                       CaseSolution& out);

}  // namespace kinetics
