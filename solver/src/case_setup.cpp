#include "src/case_setup.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "src/physical_constants.h"
#include "src/reactions.h"

namespace kinetics {

long long momentumTransferKey(int speciesIndex, int electronIndex) {
  const long long x = speciesIndex;
  const long long e = electronIndex;
  return (x + e) * 1000000 + x * x + e * e;
}

namespace {

// The per-case list of warning lines (40 characters each), with its capacity
// counted in 8-character words, five to a line.
class WarningList {
 public:
  explicit WarningList(double energyRange) : range_(recordio::formatF(energyRange, 4, 1)) {}

  void addProcess(const std::string& processName, const CrossSectionFlags& flags) {
    if (closed_ || words() > 230) return;
    lines_.push_back(std::string(40, ' '));
    lines_.push_back(header(processName));
    addFlagLines(flags);
    closeWhenFull();
  }

  void addComponent(const std::string& componentName, const CrossSectionFlags& flags,
                    bool doesNotSpan, bool massMissing) {
    if (closed_ || words() > 220) return;
    lines_.push_back(header(
        ("MOMENTUM TRANSFER FOR " + padTo(componentName, 8) + std::string(10, ' ')).substr(0, 32)));
    addFlagLines(flags);
    if (doesNotSpan) lines_.push_back("CROSS SECTION DOES NOT SPAN (0," + range_ + ") EV.");
    if (massMissing) lines_.push_back("THE MASS ENTERED FOR THIS SPECIES  = 0  ");
    closeWhenFull();
  }

  // The warning page, when there is anything to warn about.
  void writePage(recordio::RecordSink& listing) const {
    if (lines_.empty()) return;
    listing.put("1");
    listing.put(std::string(30, ' ') + "WARNING--");
    listing.put("");
    listing.put(std::string(10, ' ') + "ERRORS OCCURRED " + "FOR THE INPUT E-CROSS SECTIONS");
    listing.put(std::string(10, ' ') + "FOR THE FOLLOWING " + "ELECTRON COLLISION PROCESSES.");
    listing.put(std::string(5, ' ') + "IF THE " + "PROGRAM IS EXECUTED, A ZERO CROSSSECTION WILL " +
                "BE ASSUMED:");
    listing.put("");
    listing.put(std::string(8, ' ') + std::string(60, '-'));
    listing.put("");
    for (const std::string& line : lines_) listing.put(std::string(20, ' ') + line);
  }

 private:
  static std::string padTo(const std::string& text, std::size_t width) {
    std::string result = text.substr(0, std::min(text.size(), width));
    result.resize(width, ' ');
    return result;
  }

  int words() const { return static_cast<int>(lines_.size()) * 5; }

  std::string header(const std::string& name) {
    ++number_;
    return recordio::formatI(number_, 2) + ")  " + padTo(name, 32) + "   ";
  }

  void addFlagLines(const CrossSectionFlags& flags) {
    if (flags.noData) lines_.push_back("      NO E-CROSS SECTION DATA WAS FOUND.");
    if (flags.zeroRange) lines_.push_back("      SIGMA=0 IN THE RANGE  [0," + range_ + "] EV.");
    if (flags.dataError) lines_.push_back("  ERRORS OCCURRED IN CROSS SECTION DATA.");
  }

  void closeWhenFull() {
    if (words() < 225) return;
    lines_.push_back(std::string(40, ' '));
    lines_.push_back(std::string("NO FURTHER WARNING DIAGNOSTICS ") + "WILL BE ISSUED.");
    closed_ = true;
  }

  std::string range_;
  std::vector<std::string> lines_;
  int number_ = 0;
  bool closed_ = false;
};

void writeFatalMessage(recordio::RecordSink& listing) {
  listing.put("");
  listing.put(std::string(30, ' ') + "FATAL ERROR");
  listing.put(std::string(5, ' ') + "MOMENTUM " + "TRANSFER COLLISION FREQUENCY " +
              "BECAME ZERO AT SOME POINT;");
  listing.put(std::string(25, ' ') + " ANALISIS HAS " + "1/QM TERMS.");
}

}  // namespace

bool setUpCase(const RunParameters& params, const GasComposition& gas, SpeciesTable& species,
               const ProcessTable& processes, CrossSectionTape& tape, int caseNumber,
               CaseGrid& grid, recordio::RecordSink& listing) {
  const int intervals = params.meshIntervals;
  const int points = intervals + 1;
  const double range = params.energyRangeList.at(static_cast<std::size_t>(caseNumber));
  const double step = range / intervals;
  const std::size_t size = static_cast<std::size_t>(points) + 1;
  const double density = gas.gasDensity;
  const double omega = params.frequencyOmega;

  grid.meshIntervals = intervals;
  grid.energyRange = range;
  grid.energyStep = step;

  // The grid is a running sum: which points fall inside a table's range, and
  // where the last point lies, depend on it.
  std::vector<double>& u = grid.energyGrid;
  u.assign(size, 0.0);
  for (int i = 1; i < points; ++i) u[i + 1] = u[i] + step;

  const ReactionKeyFunction keysOf = [&species](std::string_view text) {
    const ParsedReaction parsed = parseReaction(text, species);
    return ReactionKeys{parsed.leftKey, parsed.rightKey};
  };
  CrossSectionScratch scratch;
  std::vector<double> sigma;
  double tableEmax = 0.0;
  WarningList warnings(range);

  // Every column is written whole below (zero for a process with a warning), so
  // the values of the previous case need no clearing first.
  grid.crossSectionGrid.resize(static_cast<std::size_t>(processes.count) * size);
  for (int k = 1; k <= processes.count; ++k) {
    const std::string& text = processes.deckCards.at(processes.source[k]);
    const ParsedReaction wanted = parseReaction(
        std::string_view(text).substr(0, std::min(text.size(), kReactionTextLength)), species);
    const CrossSectionFlags flags = readCrossSection(
        tape, keysOf, {wanted.leftKey, wanted.rightKey}, u, points, 1, sigma, tableEmax, scratch);
    double* column = grid.crossSectionGrid.data() + static_cast<std::size_t>(k - 1) * size;
    if (flags.any()) {
      warnings.addProcess(processes.name[k], flags);
      std::fill(column, column + size, 0.0);
      continue;
    }
    column[0] = 0.0;
    for (int i = 1; i <= points; ++i) column[i] = u[i] * sigma[i];
  }

  std::vector<double>& q = grid.momentumTransferSum;
  std::vector<double>& massWeighted = grid.massWeightedSum;
  q.assign(size, 0.0);
  massWeighted.assign(size, 0.0);
  for (int c = 1; c <= gas.count; ++c) {
    const long long key = momentumTransferKey(gas.species[c], gas.electronIndex);
    const CrossSectionFlags flags =
        readCrossSection(tape, keysOf, {key, key}, u, points, 1, sigma, tableEmax, scratch);
    const bool doesNotSpan = tableEmax < range;
    const bool massMissing = gas.mass[c] <= 0.0;
    if (flags.any() || doesNotSpan || massMissing) {
      warnings.addComponent(gas.name[c], flags, doesNotSpan, massMissing);
      continue;
    }
    if (gas.isRotational[c] == 1) {
      for (int i = 2; i <= points; ++i) {
        massWeighted[i] += sigma[i] * gas.rotationalFraction[c] * gas.rotationalEnergy[c] *
                           gas.rotationalMass[c] / u[i] / kElasticFactor;
      }
    } else {
      for (int i = 1; i <= points; ++i) {
        q[i] += gas.fraction[c] * sigma[i];
        massWeighted[i] += gas.fraction[c] * sigma[i] / gas.mass[c];
      }
    }
  }
  warnings.writePage(listing);

  std::vector<double>& inverseFreePath = grid.inverseFreePath;
  std::vector<double> field(size, 0.0);
  std::vector<double> elastic(size, 0.0);
  inverseFreePath.assign(size, 0.0);
  for (int i = 1; i <= points; ++i) {
    if (q[i] == 0.0) {
      writeFatalMessage(listing);
      return false;
    }
    inverseFreePath[i] = density * q[i];
    if (omega == 0.0) {
      field[i] = (u[i] / density) / q[i];
    } else {
      const double nq = density * q[i];
      const double x = u[i] * (nq * nq) * kCollisionFrequencyFactor;
      field[i] = ((u[i] / density) / q[i]) * x / (omega * omega + x);
    }
    elastic[i] = kElasticFactor * (u[i] * u[i]) * density * massWeighted[i];
  }

  // Half steps x_j = DE/2 + (j-1) DE as a running sum; x_j lies just below u_(j+1),
  // so the bracket search starts there instead of at point 1.
  grid.fieldCoefficient.assign(size, 0.0);
  grid.elasticCoefficient.assign(size, 0.0);
  const bool increasing = step > 0.0;
  double x = step / 2.0;
  for (int j = 1; j <= intervals; ++j) {
    if (j > 1) x += step;
    const int g = bracketIndex(x, u.data(), points, increasing ? j + 1 : 1);
    grid.fieldCoefficient[j] = interpolateAt(2, x, u.data(), field.data(), points, g);
    grid.elasticCoefficient[j] = interpolateAt(2, x, u.data(), elastic.data(), points, g);
  }
  grid.fieldCoefficient[points] = grid.fieldCoefficient[intervals];
  grid.elasticCoefficient[points] = grid.elasticCoefficient[intervals];

  std::vector<double>& f = grid.distribution;
  f.assign(size, 0.0);
  const double ratio = std::exp(-step / params.startEnergy);
  f[1] = 1.0;
  for (int i = 1; i < points; ++i) f[i + 1] = f[i] * ratio;
  return true;
}

}  // namespace kinetics
