// The discretised kinetic equation of one case and its solution by sweeps: the
// operator rows, the gain terms from the previous f, the electron-electron terms,
// the tridiagonal elimination and the rate pass. Allocates per case only; a
// sweep and a rate pass allocate nothing.
#pragma once

#include <vector>

#include "src/run_data.h"

namespace kinetics {

// Inputs of the operator that stay fixed for the case.
struct OperatorInputs {
  double fieldStrength = 0.0;     // E, V/cm
  double gasTemperatureEv = 0.0;  // kTg, eV
  double electronDensity = 0.0;   // NE, cm-3
  double powerScale = 0.0;        // e' (coulomb, times NE when NE != 0)
};

class DistributionSolver {
 public:
  // `grid` must outlive the solver; grid.distribution is the f it iterates on.
  DistributionSolver(const ProcessTable& processes, CaseGrid& grid, const OperatorInputs& inputs);

  // Rows of the matrix for production frequency nu (s-1), without the e-e terms.
  void buildRows(double nu);

  // Electron-electron state before the first sweep: mean energy (eV), kTe (erg)
  // and the integral of f with step 1.
  void setElectronState(double meanEnergy, double kTe, double integralOfF);

  // One sweep: gains from the current f, elimination, normalisation, change
  // test against `threshold`, f := new f, mean energy. Returns whether every
  // point passed the change test and no value is negative.
  bool sweep(double threshold);

  // Rates of every process from the current f, with the ionisation, attachment
  // and inelastic-power sums. Results are written into `out`.
  void ratePass(CaseSolution& out);

  bool negativeFlag() const { return negative_; }
  double meanEnergy() const { return meanEnergy_; }
  double kTe() const { return kTe_; }
  double eePowerSum() const { return eePowerSum_; }
  // Ionisation frequency of the last rate pass (feeds the gain at point 2).
  void setIonisationFrequency(double nu) { ionisation_ = nu; }

 private:
  struct Process {
    const double* column = nullptr;  // u * sigma at points 1..M (pointer to element 0)
    double threshold = 0.0;
    double target = 0.0;
    double product = 0.0;
    int type = 0;
    int shift = 0;  // threshold / DE truncated toward zero
    // Points where the column is non-zero (first > last when none). Terms of a
    // zero column value add exactly nothing, so loops run over this span only.
    int first = 1;
    int last = 0;
  };

  void computeGains();

  int points_ = 0;
  int pairs_ = 0;
  double step_ = 0.0;
  OperatorInputs inputs_;
  CaseGrid& grid_;
  std::vector<Process> processes_;

  std::vector<double> sqrtU_;
  std::vector<double> halfStepPower_;             // x_i^1.5 at x_i = DE/2 + (i-1) DE
  std::vector<double> diffusion_;                 // D_j
  std::vector<double> drift_;                     // H_j
  std::vector<double> loss_;                      // L_i
  std::vector<double> lower_, diagonal_, upper_;  // A_i, B_i, C_i
  std::vector<double> gainTarget_, gainProduct_, gain_;
  std::vector<double> p_, q_, x_;
  std::vector<double> denominator_, upperRatio_;  // elimination of the rows without e-e terms
  bool hasSuperelastic_ = false;

  double ionisation_ = 0.0;
  bool negative_ = false;
  double meanEnergy_ = 0.0;
  double kTe_ = 0.0;
  double integralOfF_ = 0.0;  // integral of f with step 1, for the e-e terms
  double eePowerSum_ = 0.0;
  double eeCoefficient_ = 0.0;
};

// Threshold shift in grid steps, truncated toward zero; values beyond the grid
// are clamped to points + 1 (every shifted index is then outside the grid, as
// with the exact value).
int thresholdShift(double threshold, double step, int points);

}  // namespace kinetics
