#include "src/cross_section.h"

#include <algorithm>

#include "src/cards.h"
#include "src/physical_constants.h"
#include "src/run_data.h"

namespace kinetics {

double simpsonIntegral(const double* v, int pairs, double h) {
  return simpsonOf(pairs, h, [v](int i) { return v[i]; });
}

int bracketIndex(double x, const double* X, int n, int hint) {
  int g = std::clamp(hint, 1, std::max(n, 1));
  // For a non-decreasing table the points with x <= X form a suffix, so walking
  // down to its first point (or up to it) gives what a search from point 1 gives.
  if (x <= X[g]) {
    while (g > 1 && x <= X[g - 1]) --g;
  } else {
    while (g < n && !(x <= X[g])) ++g;
  }
  return g;
}

double interpolateAt(int order, double x, const double* X, const double* Y, int n, int g) {
  // Orders above 7 are taken as 7 (the scheme's table below has eight places);
  // the solver uses 1 and 2.
  const int m = std::clamp(order, 1, 7);
  if (n < 2) return Y[1];
  const int mWork = (g == 1 || g == n) ? 1 : std::min(m, n - 1);
  int s = g - (mWork + 1) / 2;
  if (s < 1) s = 1;
  if (s > n - mWork) s = n - mWork;
  // Neville: P[a] holds the polynomial through points s+a .. s+a+level at x.
  double p[8];
  for (int a = 0; a <= mWork; ++a) p[a] = Y[s + a];
  for (int level = 1; level <= mWork; ++level) {
    for (int a = 0; a + level <= mWork; ++a) {
      const double xa = X[s + a];
      const double xb = X[s + a + level];
      p[a] = ((xb - x) * p[a] - (xa - x) * p[a + 1]) / (xb - xa);
    }
  }
  return p[0];
}

double interpolateTable(int order, double x, const double* X, const double* Y, int n) {
  if (n < 2) return Y[1];
  return interpolateAt(order, x, X, Y, n, bracketIndex(x, X, n, 1));
}

namespace {

// Header card: reaction text (54A1), unit factor (F5.3), unused integer (I3),
// date (8A1), card code (I2).
const recordio::Format& headerFormat() {
  static const recordio::Format format("A54,F5.3,I3,A8,I2");
  return format;
}

// Energy and sigma cards: seven values of 10 columns, three implied decimals.
const recordio::Format& dataFormat() {
  static const recordio::Format format("7E10.3");
  return format;
}

constexpr int kValuesPerCard = 7;

}  // namespace

const CrossSectionTape::Block* CrossSectionTape::block(std::size_t index,
                                                       const ReactionKeyFunction& keysOf) {
  if (index == 0 && blocks_.empty() && !endReached_) unit_.rewind();
  while (index >= blocks_.size() && !endReached_) {
    expectHeaderCard(unit_);
    const std::vector<recordio::Value> header = unit_.read(headerFormat());
    if (std::get<long long>(header[4]) < 1) {
      endReached_ = true;
      break;
    }
    Block next;
    next.text = std::get<std::string>(header[0]);
    next.origin = unit_.origin();
    next.unitFactor = std::get<double>(header[1]);
    if (next.unitFactor == 0.0) next.unitFactor = 1.0;
    expectBlockCard(unit_, next.origin);
    unit_.read();  // reference card
    for (;;) {
      expectBlockCard(unit_, next.origin);
      const std::vector<recordio::Value> energies = unit_.read(dataFormat());
      double sum = 0.0;
      for (const recordio::Value& v : energies) sum += std::get<double>(v);
      if (sum == 0.0) break;  // blank card: end of the block
      expectBlockCard(unit_, next.origin);
      const std::vector<recordio::Value> sigmas = unit_.read(dataFormat());
      for (int j = 0; j < kValuesPerCard; ++j) {
        next.energies.push_back(std::get<double>(energies[j]));
        next.sigmas.push_back(std::get<double>(sigmas[j]));
      }
    }
    blocks_.push_back(std::move(next));
  }
  if (index >= blocks_.size()) return nullptr;
  Block& found = blocks_[index];
  if (!found.keysKnown) {
    found.keys = recordio::atOrigin(found.origin, [&] { return keysOf(found.text); });
    found.keysKnown = true;
  }
  return &found;
}

namespace {

bool matches(ReactionKeys block, ReactionKeys wanted) {
  return (block.left == wanted.left && block.right == wanted.right) ||
         (block.right == wanted.left && block.left == wanted.right);
}

}  // namespace

CrossSectionFlags readCrossSection(CrossSectionTape& tape, const ReactionKeyFunction& keysOf,
                                   ReactionKeys wanted, const std::vector<double>& energyGrid,
                                   int meshPoints, int order, std::vector<double>& sigmaOut,
                                   double& tableEmax, CrossSectionScratch& scratch) {
  CrossSectionFlags flags;
  sigmaOut.assign(static_cast<std::size_t>(meshPoints) + 1, 0.0);
  tableEmax = 0.0;

  const CrossSectionTape::Block* block = nullptr;
  for (std::size_t index = 0;; ++index) {
    block = tape.block(index, keysOf);
    if (block == nullptr) {
      flags.noData = true;
      return flags;
    }
    if (matches(block->keys, wanted)) break;
  }

  constexpr int capacity = kGridDimension;
  std::vector<double>& E = scratch.energy;
  std::vector<double>& S = scratch.sigma;
  // Every point is written before it is read: no clearing needed.
  E.resize(capacity + 1);
  S.resize(capacity + 1);

  int stored = 0;     // energies stored
  int points = 0;     // points with their cross section
  bool full = false;  // no further energy is stored
  double lastEnergy = -1.0;
  int start = 1;
  int end = 1;
  double emin = 0.0;
  double emax = 0.0;
  double previous = 0.0;
  bool positiveSeen = false;

  const std::size_t cards = block->energies.size() / kValuesPerCard;
  for (std::size_t c = 0; c < cards; ++c) {
    for (int j = 0; j < kValuesPerCard && !full; ++j) {
      const double e = block->energies[c * kValuesPerCard + j];
      if (stored >= capacity) {
        full = true;
      } else if (e > lastEnergy) {
        E[++stored] = e;
        lastEnergy = e;
      } else {
        // A zero is the normal end of a short last card; anything else is out of order.
        full = true;
        if (e != 0.0) flags.dataError = true;
      }
    }
    for (int j = 0; j < kValuesPerCard && points < stored; ++j) {
      ++points;
      const double s = block->unitFactor * block->sigmas[c * kValuesPerCard + j];
      S[points] = s;
      if (s > 0.0) positiveSeen = true;
      if (!positiveSeen) {
        start = points;
        emin = E[points];
      }
      if (previous != 0.0) {
        end = points;
        emax = E[points];
      }
      previous = s;
    }
  }
  tableEmax = emax;

  const int n = end - start + 1;
  if (n < 2) flags.dataError = true;
  if (flags.dataError) return flags;

  for (int i = 1; i <= n; ++i) {
    E[i] = E[start + i - 1];
    S[i] = S[start + i - 1];
  }
  flags.zeroRange = true;
  int g = 1;
  for (int i = 1; i <= meshPoints; ++i) {
    const double u = energyGrid[i];
    if (!(emin <= u && u <= emax)) continue;
    flags.zeroRange = false;
    g = bracketIndex(u, E.data(), n, g);
    const double y = interpolateAt(order, u, E.data(), S.data(), n, g);
    if (y >= 0.0) sigmaOut[i] = y * kCrossSectionUnit;
  }
  return flags;
}

}  // namespace kinetics
