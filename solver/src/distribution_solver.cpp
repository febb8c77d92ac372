#include "src/distribution_solver.h"

#include <algorithm>
#include <cmath>

#include "src/cross_section.h"
#include "src/physical_constants.h"
#include "src/sweep_kernels.h"

namespace kinetics {

int thresholdShift(double threshold, double step, int points) {
  const double steps = std::trunc(threshold / step);
  // Beyond +-points every shifted index lies outside the grid, as it would with
  // the exact count; NaN is treated the same way.
  if (!(std::fabs(steps) <= points)) return steps < 0.0 ? -(points + 1) : points + 1;
  return static_cast<int>(steps);
}

namespace {

// The two ordered sums of a Simpson integral (even and odd interior points),
// filled segment by segment in increasing index order. Terms outside a column's
// non-zero span are products with an exact zero: leaving them out changes
// neither sum, so the integral equals simpsonOf over the whole range.
struct OrderedSums {
  double even = 0.0;
  double odd = 0.0;
};

double finishSimpson(const OrderedSums& sums, double first, double final, double h) {
  const double total = first + 4.0 * sums.even + 2.0 * sums.odd + final;
  return h / 3.0 * total;
}

// Adds a(i) to `sa` and b(i) to `sb` for the interior points i = lo..hi; two
// integrals in one pass keep twice as many additions in flight.
template <class A, class B>
void addSegment(OrderedSums& sa, A a, OrderedSums& sb, B b, int lo, int hi, int last) {
  lo = std::max(lo, 2);
  hi = std::min(hi, last - 1);
  if (lo > hi) return;
  int i = lo;
  if (i % 2 == 1) {
    sa.odd += a(i);
    sb.odd += b(i);
    ++i;
  }
  for (; i + 1 <= hi; i += 2) {
    sa.even += a(i);
    sb.even += b(i);
    sa.odd += a(i + 1);
    sb.odd += b(i + 1);
  }
  if (i <= hi) {
    sa.even += a(i);
    sb.even += b(i);
  }
}

template <class A>
void addSegment(OrderedSums& sums, A a, int lo, int hi, int last) {
  OrderedSums unused;
  addSegment(
      sums, a, unused, [](int) { return 0.0; }, lo, hi, last);
}

// Simpson over pairs double intervals of value(i), taken as zero outside lo..hi.
template <class ValueAt>
double simpsonSpan(int pairs, double h, int lo, int hi, ValueAt value) {
  const int last = 2 * pairs + 1;
  const auto at = [&](int i) { return (i >= lo && i <= hi) ? value(i) : 0.0; };
  OrderedSums sums;
  addSegment(sums, value, lo, hi, last);
  return finishSimpson(sums, at(1), at(last), h);
}

}  // namespace

DistributionSolver::DistributionSolver(const ProcessTable& processes, CaseGrid& grid,
                                       const OperatorInputs& inputs)
    : points_(grid.meshIntervals + 1),
      pairs_(grid.meshIntervals / 2),
      step_(grid.energyStep),
      inputs_(inputs),
      grid_(grid) {
  const int m = points_;
  const std::size_t size = static_cast<std::size_t>(m) + 1;
  const std::vector<double>& u = grid.energyGrid;

  processes_.resize(static_cast<std::size_t>(processes.count));
  for (int k = 1; k <= processes.count; ++k) {
    Process& p = processes_[static_cast<std::size_t>(k - 1)];
    p.column = grid.crossSectionGrid.data() + static_cast<std::size_t>(k - 1) * size;
    p.threshold = processes.threshold[k];
    p.target = processes.targetDensity[k];
    p.product = processes.productDensity[k];
    p.type = processes.type[k];
    p.shift = thresholdShift(p.threshold, step_, m);
    p.first = m + 1;
    p.last = 0;
    for (int i = 1; i <= m; ++i) {
      if (p.column[i] != 0.0) {
        if (p.first > m) p.first = i;
        p.last = i;
      }
    }
  }

  sqrtU_.assign(size, 0.0);
  halfStepPower_.assign(size, 0.0);
  for (int i = 1; i <= m; ++i) {
    sqrtU_[i] = std::sqrt(u[i]);
    const double x = step_ / 2.0 + (i - 1) * step_;
    halfStepPower_[i] = std::pow(x, 1.5);
  }

  diffusion_.assign(size, 0.0);
  drift_.assign(size, 0.0);
  const double fieldTerm = inputs.fieldStrength * inputs.fieldStrength / 3.0;
  for (int j = 1; j <= m; ++j) {
    diffusion_[j] = (inputs.gasTemperatureEv * grid.elasticCoefficient[j] +
                     fieldTerm * grid.fieldCoefficient[j]) /
                    step_;
    drift_[j] = grid.elasticCoefficient[j] / 2.0;
  }

  loss_.assign(size, 0.0);
  for (const Process& p : processes_) {
    for (int i = 1; i <= m; ++i) {
      loss_[i] += p.target * p.column[i];
      const int j = i + p.shift;
      if (j >= 1 && j <= m) loss_[i] += p.product * p.column[j];
    }
  }

  lower_.assign(size, 0.0);
  diagonal_.assign(size, 0.0);
  upper_.assign(size, 0.0);
  gainTarget_.assign(size, 0.0);
  gainProduct_.assign(size, 0.0);
  gain_.assign(size, 0.0);
  p_.assign(size, 0.0);
  denominator_.assign(size, 0.0);
  upperRatio_.assign(size, 0.0);
  for (const Process& p : processes_)
    hasSuperelastic_ = hasSuperelastic_ || (p.type == 0 && p.product != 0.0);
  q_.assign(size, 0.0);
  x_.assign(size, 0.0);
  eeCoefficient_ =
      inputs.electronDensity * kTwoPiOverThree * kChargeSquared * kEvPerStatvoltSquared;
}

void DistributionSolver::buildRows(double nu) {
  const int m = points_;
  lower_[1] = 0.0;
  diagonal_[1] = 1.0;
  upper_[1] = -1.0;
  for (int i = 2; i <= m; ++i) {
    lower_[i] = diffusion_[i - 1] - drift_[i - 1];
    upper_[i] = diffusion_[i] + drift_[i];
    diagonal_[i] = drift_[i] - diffusion_[i] - diffusion_[i - 1] - drift_[i - 1] -
                   step_ * (nu / kVelocityConstant * sqrtU_[i] + loss_[i]);
  }
  // The part of the elimination that does not depend on the gains.
  upperRatio_[1] = upper_[1] / diagonal_[1];
  for (int i = 2; i <= m; ++i) {
    denominator_[i] = diagonal_[i] - lower_[i] * upperRatio_[i - 1];
    upperRatio_[i] = upper_[i] / denominator_[i];
  }
}

void DistributionSolver::setElectronState(double meanEnergy, double kTe, double integralOfF) {
  meanEnergy_ = meanEnergy;
  kTe_ = kTe;
  integralOfF_ = integralOfF;
}

void DistributionSolver::computeGains() {
  const int m = points_;
  const double* f = grid_.distribution.data();
  std::fill(gainTarget_.begin(), gainTarget_.end(), 0.0);
  if (hasSuperelastic_) std::fill(gainProduct_.begin(), gainProduct_.end(), 0.0);
  double* s1 = gainTarget_.data();
  double* s2 = gainProduct_.data();

  // Points are taken in blocks so that the block's sums stay in the first-level
  // cache while every process adds to them; within a point the processes still
  // add in their order.
  constexpr int kBlock = 1024;
  for (int blockStart = 2; blockStart <= m; blockStart += kBlock) {
    const int blockEnd = std::min(m, blockStart + kBlock - 1);
    // Scattered electrons land at u - U: point i gains from point j = i + n.
    for (const Process& p : processes_) {
      if (p.type < 0 || p.target == 0.0) continue;
      const int n = p.shift;
      const int from = std::max({p.first, 1, blockStart + n});
      const int to = std::min({p.last, m, blockEnd + n});
      if (from <= to) {
        accumulateProducts(s1 + from - n, p.column + from, f + from, p.target, to - from + 1);
      }
    }
    // Superelastic collisions of the populated upper state land at u + U.
    for (const Process& p : processes_) {
      if (p.type != 0 || p.product == 0.0) continue;
      const int n = p.shift;
      const int from = std::max({p.first, blockStart, 1 + n});
      const int to = std::min({p.last, blockEnd, m + n});
      if (from <= to) {
        accumulateProducts(s2 + from, p.column + from, f + from - n, p.product, to - from + 1);
      }
    }
  }

  double* g = gain_.data();
  g[1] = 0.0;
  for (int i = 2; i <= m; ++i) g[i] = -step_ * (s1[i] + s2[i]);
  if (m >= 2) g[2] = g[2] - ionisation_ / kVelocityConstant;
}

bool DistributionSolver::sweep(double threshold) {
  const int m = points_;
  double* f = grid_.distribution.data();
  const double* u = grid_.energyGrid.data();
  const double* sqrtU = sqrtU_.data();
  double* p = p_.data();
  double* q = q_.data();
  double* x = x_.data();
  const double* a = lower_.data();
  const double* b = diagonal_.data();
  const double* c = upper_.data();
  const double* g = gain_.data();

  computeGains();
  p[1] = c[1] / b[1];
  q[1] = g[1] / b[1];

  eePowerSum_ = 0.0;
  const double ne = inputs_.electronDensity;
  if (ne != 0.0) {
    const double lnL = std::log(std::sqrt(kTe_ / (ne * kFourPi * kChargeSquared)) * meanEnergy_ /
                                kChargeSquaredOverEv);
    const double scale = eeCoefficient_ * lnL;
    const double* power = halfStepPower_.data();
    const double halfF1 = f[1] / 2.0;
    const double zFactor = 1.5 * step_;
    // Running sums of the previous f from point 1 on.
    double sumF = f[1];
    double sumH = sqrtU[1] * f[1];
    double sum3 = sqrtU[1] * u[1] * f[1];
    double y = 2.0 * (sum3 + power[1] * (integralOfF_ - (sumF - halfF1)));
    double z = zFactor * sumH;
    double upPrev = scale * (y + z);
    double downPrev = scale * (y - z);
    double fluxPrev = m > 1 ? lnL * (y * (f[2] - f[1]) + z * (f[2] + f[1])) : 0.0;
    eePowerSum_ += (fluxPrev + 0.0) / 2.0;
    for (int i = 2; i <= m; ++i) {
      sumF += f[i];
      sumH += sqrtU[i] * f[i];
      sum3 += sqrtU[i] * u[i] * f[i];
      y = 2.0 * (sum3 + power[i] * (integralOfF_ - (sumF - halfF1)));
      z = zFactor * sumH;
      const double up = scale * (y + z);
      const double down = scale * (y - z);
      const double flux = i < m ? lnL * (y * (f[i + 1] - f[i]) + z * (f[i + 1] + f[i])) : 0.0;
      eePowerSum_ += (flux + fluxPrev) / 2.0;

      const double ai = a[i] + downPrev;
      const double bi = b[i] - upPrev - down;
      const double ci = c[i] + up;
      const double den = bi - ai * p[i - 1];
      q[i] = (g[i] - ai * q[i - 1]) / den;
      p[i] = ci / den;
      upPrev = up;
      downPrev = down;
      fluxPrev = flux;
    }
  } else {
    // Without e-e terms the matrix is that of the last build: its denominators
    // and upper coefficients were eliminated there.
    const double* den = denominator_.data();
    // The previous value stays in a register: the chain of divisions is the
    // critical path of a sweep.
    double qPrevious = q[1];
    for (int i = 2; i <= m; ++i) {
      qPrevious = (g[i] - a[i] * qPrevious) / den[i];
      q[i] = qPrevious;
    }
    p = upperRatio_.data();
  }

  double xNext = q[m];
  x[m] = xNext;
  for (int i = m - 1; i >= 1; --i) {
    xNext = q[i] - p[i] * xNext;
    x[i] = xNext;
  }

  // Three integrals of x in one pass (each sum keeps its own order):
  // sqrt(u) x and sqrt(u) x u with step DE, x with step 1.
  const int last = 2 * pairs_ + 1;
  double even0 = 0.0, odd0 = 0.0, even1 = 0.0, odd1 = 0.0, even2 = 0.0, odd2 = 0.0;
  for (int i = 2; i < last; i += 2) {
    const double rootX = sqrtU[i] * x[i];
    even0 += rootX;
    even1 += x[i];
    even2 += rootX * u[i];
    if (i + 1 < last) {
      const double rootXNext = sqrtU[i + 1] * x[i + 1];
      odd0 += rootXNext;
      odd1 += x[i + 1];
      odd2 += rootXNext * u[i + 1];
    }
  }
  const auto simpson = [&](double first, double even, double odd, double final, double h) {
    const double total = first + 4.0 * even + 2.0 * odd + final;
    return h / 3.0 * total;
  };
  const double norm = simpson(sqrtU[1] * x[1], even0, odd0, sqrtU[last] * x[last], step_);
  const double nextIntegralOfF = simpson(x[1], even1, odd1, x[last], 1.0) / norm;
  const double energyIntegral =
      simpson(sqrtU[1] * x[1] * u[1], even2, odd2, sqrtU[last] * x[last] * u[last], step_);

  const bool allPassed = replaceAndCompare(f + 1, x + 1, norm, threshold, m, negative_);

  meanEnergy_ = energyIntegral / norm;
  kTe_ = meanEnergy_ * kTwoThirdsErgPerEv;
  integralOfF_ = nextIntegralOfF;
  return allPassed && !negative_;
}

void DistributionSolver::ratePass(CaseSolution& out) {
  const int m = points_;
  const double* f = grid_.distribution.data();
  const double* u = grid_.energyGrid.data();
  double ionisation = 0.0;
  double attachment = 0.0;
  double inelastic = 0.0;
  for (std::size_t k = 0; k < processes_.size(); ++k) {
    const Process& p = processes_[k];
    const double* col = p.column;
    const int n = p.shift;
    // Forward terms f_i col_i over the column's span, reverse terms f_i col_(i+n)
    // over the span shifted back by n: the common part in one pass.
    const int last = 2 * pairs_ + 1;
    const int forwardLo = p.first;
    const int forwardHi = p.last;
    const int reverseLo = std::max(1, p.first - n);
    const int reverseHi = std::min(m, p.last - n);
    const auto forwardTerm = [&](int i) { return f[i] * col[i]; };
    const auto reverseTerm = [&](int i) { return f[i] * col[i + n]; };
    OrderedSums forwardSums;
    OrderedSums reverseSums;
    const int commonLo = std::max(forwardLo, reverseLo);
    const int commonHi = std::min(forwardHi, reverseHi);
    if (commonLo <= commonHi) {
      addSegment(forwardSums, forwardTerm, forwardLo, commonLo - 1, last);
      addSegment(reverseSums, reverseTerm, reverseLo, commonLo - 1, last);
      addSegment(forwardSums, forwardTerm, reverseSums, reverseTerm, commonLo, commonHi, last);
      addSegment(forwardSums, forwardTerm, commonHi + 1, forwardHi, last);
      addSegment(reverseSums, reverseTerm, commonHi + 1, reverseHi, last);
    } else {
      addSegment(forwardSums, forwardTerm, forwardLo, forwardHi, last);
      addSegment(reverseSums, reverseTerm, reverseLo, reverseHi, last);
    }
    const auto inForward = [&](int i) {
      return i >= forwardLo && i <= forwardHi ? forwardTerm(i) : 0.0;
    };
    const auto inReverse = [&](int i) {
      return i >= reverseLo && i <= reverseHi ? reverseTerm(i) : 0.0;
    };
    const double forward =
        kVelocityConstant * finishSimpson(forwardSums, inForward(1), inForward(last), step_);
    const double reverse =
        kVelocityConstant * finishSimpson(reverseSums, inReverse(1), inReverse(last), step_);
    double energyForward = 0.0;
    double energyReverse = 0.0;
    if (p.type < 0) {
      energyForward = kVelocityConstant * simpsonSpan(pairs_, step_, p.first, p.last,
                                                      [&](int i) { return u[i] * f[i] * col[i]; });
    } else {
      energyForward = p.threshold * forward;
      energyReverse = p.threshold * reverse;
    }
    const double power =
        (energyForward * p.target - energyReverse * p.product) * inputs_.powerScale;
    if (p.type == 1) ionisation += p.target * forward;
    if (p.type == -1) attachment += p.target * forward;
    inelastic += power;
    out.forwardRate[k + 1] = forward;
    out.reverseRate[k + 1] = reverse;
    out.processPower[k + 1] = power;
  }
  out.ionisationFrequency = ionisation;
  out.attachmentFrequency = attachment;
  out.inelasticPower = inelastic;
  ionisation_ = ionisation;
}

}  // namespace kinetics
