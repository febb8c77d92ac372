// Cross sections from the tape onto the energy grid, and the two numerical
// routines the whole solver shares: Aitken-Neville interpolation and the
// composite Simpson rule.
//
// Tables and grids are 1-based as the physics texts number them: a pointer
// `X` to element 0 of a vector whose elements 1..n are the table.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "recordio/recordio.h"

namespace kinetics {

// Composite Simpson rule over `pairs` double intervals of step h:
//   h/3 * (v1 + 4*(v2 + v4 + ... + v2p) + 2*(v3 + v5 + ... + v(2p-1)) + v(2p+1)).
// The even-index and the odd-index sums are each accumulated in index order, so
// every integral of the solver gives the same bits whichever caller forms it.
double simpsonIntegral(const double* v, int pairs, double h);

// The same rule over values produced on the fly by `value(i)`, i = 1..2p+1, in the
// same order of evaluation as simpsonIntegral (so the results are identical), but
// without an integrand array.
template <class ValueAt>
double simpsonOf(int pairs, double h, ValueAt value) {
  double evenSum = 0.0;
  double oddSum = 0.0;
  const int last = 2 * pairs + 1;
  for (int i = 2; i < last; i += 2) {
    evenSum += value(i);
    if (i + 1 < last) oddSum += value(i + 1);
  }
  const double total = value(1) + 4.0 * evenSum + 2.0 * oddSum + value(last);
  return h / 3.0 * total;
}

// First index g in 1..n with x <= X[g] (n when x exceeds every X), the bracket the
// interpolation uses. `hint` is where the search starts; any hint gives the index
// a search from point 1 would give, as long as X is strictly increasing.
int bracketIndex(double x, const double* X, int n, int hint);

// Value at x of the polynomial of order `order` (1 to 7) through table points
// around x (Neville's scheme); linear below the second point and in or beyond the
// last interval; Y[1] when n < 2. `g` is bracketIndex(x, X, n, ...).
double interpolateAt(int order, double x, const double* X, const double* Y, int n, int g);

// interpolateAt with the bracket searched from point 1.
double interpolateTable(int order, double x, const double* X, const double* Y, int n);

// The key pair of a reaction text (first 54 characters), as the reaction parser
// gives it with the run's species table.
struct ReactionKeys {
  long long left = 0;
  long long right = 0;
};
using ReactionKeyFunction = std::function<ReactionKeys(std::string_view text)>;

// The working tape as the cross-section reader sees it: header cards, reference
// card, alternating energy and sigma cards (7E10.3, three implied decimals), a
// card whose seven energies add up to 0 ending each block, a header whose code is
// below 1 ending the tape.
//
// Every search reads the tape from its start. Blocks are converted the first time
// a search reaches them and remembered, so later searches of the run cost no card
// conversions; a header's key pair is remembered too, which is exact because the
// species table only grows (a name, once entered, keeps its index). A conversion
// failure or the end of the unit inside a block throws recordio::IoError the first
// time a search reaches it, as a plain sequential reading would.
//
// "*unit" must outlive this object and must not change while it is in use.
class CrossSectionTape {
 public:
  explicit CrossSectionTape(recordio::RecordUnit& unit) : unit_(unit) {}

  struct Block {
    std::string text;         // columns 1-54 of the header
    recordio::RecordOrigin origin;  // the header's line, for messages
    double unitFactor = 1.0;  // 0 read as 1.0
    ReactionKeys keys;
    std::vector<double> energies;  // the values of the energy cards, card by card, 7 each
    std::vector<double> sigmas;    // the values of the sigma cards, 7 each
    bool keysKnown = false;
  };

  // Block `index` (0-based) of the tape, read if not read yet; nullptr when the
  // tape ends before it (its end card). Keys are computed with `keysOf` the first
  // time a block is reached.
  const Block* block(std::size_t index, const ReactionKeyFunction& keysOf);

 private:
  recordio::RecordUnit& unit_;
  std::vector<Block> blocks_;
  bool endReached_ = false;
};

// Reading conditions of one cross-section search.
struct CrossSectionFlags {
  bool noData = false;     // no block of the tape is the wanted process
  bool dataError = false;  // non-increasing non-zero energy, or fewer than 2 usable points
  bool zeroRange = false;  // no grid point inside [Emin, Emax] of the table
  bool any() const { return noData || dataError || zeroRange; }
};

// Scratch table of one search (energies in eV, cross sections in 1e-16 cm2 times
// the unit factor), reused from call to call; capacity 20001 points.
struct CrossSectionScratch {
  std::vector<double> energy;
  std::vector<double> sigma;
};

// Finds the first block of the tape whose key pair is (wantedLeft, wantedRight) in
// either order, cleans the ends of its table and interpolates it (order `order`)
// onto the grid u[1..meshPoints]. `sigmaOut` gets sigma in cm2 at points
// 1..meshPoints (zero where nothing is interpolated). `tableEmax` gets the upper
// energy of the usable table, or 0 when none was found.
CrossSectionFlags readCrossSection(CrossSectionTape& tape, const ReactionKeyFunction& keysOf,
                                   ReactionKeys wanted, const std::vector<double>& energyGrid,
                                   int meshPoints, int order, std::vector<double>& sigmaOut,
                                   double& tableEmax, CrossSectionScratch& scratch);

}  // namespace kinetics
