// Speed of the kinetics on synthetic model gases: 21 field values per load, with
// the count of sweeps, the time of one sweep and of one rate pass on the last
// case's operator, the time per case and the peak memory of the process.
//
//   kinrun_bench [abc]    loads (a) 2000 intervals, 20 processes;
//                         (b) 20000 intervals, 200 processes;
//                         (c) as (a) on wide energy ranges, timed on a case whose f falls far
//                         below 1e-300 (denormal and zero values).
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "recordio/recordio.h"
#include "src/case_setup.h"
#include "src/cross_section.h"
#include "src/deck.h"
#include "src/distribution_solver.h"
#include "src/reactions.h"
#include "src/run_data.h"
#include "src/solve_case.h"
#include "src/gas_composition.h"
#include "src/tape_update.h"

namespace {

using namespace kinetics;
using Clock = std::chrono::steady_clock;

std::string endCard() { return std::string(70, ' ') + "-1"; }

std::string field(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%10.4E", x);
  return text;
}

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

void writeBlock(recordio::RecordUnit& tape, const std::string& text,
                const std::vector<double>& energies, const std::vector<double>& sigmas) {
  tape.write(padded(text, 54) + "1.000  0bench   " + " 1");
  tape.write("synthetic benchmark data");
  for (std::size_t c = 0; c < energies.size(); c += 7) {
    std::string e;
    std::string s;
    for (std::size_t i = c; i < energies.size() && i < c + 7; ++i) {
      e += field(energies[i]);
      s += field(sigmas[i]);
    }
    tape.write(e);
    tape.write(s);
  }
  tape.write(std::string(72, ' '));
}

struct Load {
  const char* label;
  int intervals;
  int excitations;  // plus one ionisation and one attachment process
  double rangeScale;
  double startTemperature;
  int timedCase;  // the case whose operator times one sweep and one rate pass
};

struct Figures {
  long long sweeps = 0;
  double seconds = 0.0;
  double sweepMicroseconds = 0.0;
  double ratePassMicroseconds = 0.0;
  double smallestF = 0.0;
  int tailPoints = 0;  // points of the last f below 1e-300 (zero included)
  int converged = 0;
};

// A diatomic-like model gas "BG" with `excitations` levels between 0.2 and 20 eV.
Figures run(const Load& load) {
  RunParameters params;
  params.fieldMode = 0;
  params.gasPressure = 1.0;
  params.gasTemperature = 300.0;
  params.meshIntervals = load.intervals;
  params.meshPoints = load.intervals + 1;
  params.maxIterations = 900;
  params.accuracy = 0.0010000000474974513;
  params.startTemperature = load.startTemperature;
  params.startEnergy = load.startTemperature * 8.614231822439214e-05;
  for (int k = 1; k <= kMaxFieldValues; ++k) {
    const double td = 10.0 * std::pow(1.25, k - 1);
    params.fieldListTd[k] = td;
    params.fieldList[k] = td / 10.0;
    // The tables end at 1000 eV; a wider range would leave the gas without
    // momentum transfer at the top (a fatal set-up).
    params.energyRangeList[k] = std::min(900.0, load.rangeScale * (15.0 + 0.15 * td));
  }

  recordio::RecordUnit deck("deck");
  recordio::RecordUnit cross("tape");
  deck.write(endCard());
  std::vector<std::string> species = {padded("BG", 8) + field(1.0) + field(0.0) + field(28.0)};
  writeBlock(cross, "BG + E ^ BG + E", {0.0, 1.0, 2.0, 5.0, 10.0, 100.0, 1000.0},
             {5.0, 8.0, 12.0, 10.0, 8.0, 4.0, 1.0});
  for (int k = 1; k <= load.excitations; ++k) {
    const double threshold = 0.2 + (k - 1) * 19.8 / std::max(1, load.excitations - 1);
    const std::string name = "BG" + std::to_string(k);
    const std::string text = "BG + E ^ " + name + " + E";
    deck.write(padded(text, 70) + "+1");
    species.push_back(padded(name, 8) + field(0.0) + field(threshold) + field(28.0));
    const double peak = 1.0 / (1.0 + 0.05 * k);
    writeBlock(cross, text,
               {threshold, threshold + 0.5, threshold + 1.0, threshold + 3.0, threshold + 10.0,
                threshold + 50.0, 1000.0},
               {0.0, 0.5 * peak, peak, 0.8 * peak, 0.5 * peak, 0.2 * peak, 0.01 * peak});
  }
  deck.write(padded("BG + E ^ BG+ + E + E", 70) + "+1");
  species.push_back(padded("BG+", 8) + field(0.0) + field(15.6) + field(28.0));
  writeBlock(cross, "BG + E ^ BG+ + E + E", {15.6, 20.0, 50.0, 100.0, 1000.0},
             {0.0, 0.3, 2.0, 2.5, 1.0});
  deck.write(padded("BG + E ^ BG-", 70) + "+1");
  species.push_back(padded("BG-", 8) + field(0.0) + field(0.0) + field(28.0));
  writeBlock(cross, "BG + E ^ BG-", {0.0, 2.0, 4.0, 6.0, 1000.0}, {0.0, 0.0, 0.01, 0.0, 0.0});
  deck.write(endCard());
  for (std::string& card : species) deck.write(padded(card, 70) + " 1");
  deck.write(endCard());
  cross.write(endCard());
  deck.rewind();
  cross.rewind();

  recordio::MemorySink listing;
  recordio::RecordUnit group("group");
  recordio::RecordUnit keys("keys");
  recordio::RecordUnit working("working tape");
  SpeciesTable table;
  GasComposition gas;
  ProcessTable processes;
  copyInputDeck(deck, group);
  updateCrossSectionTape(cross, working, keys, group, listing);
  copyInputDeck(deck, group);
  clearProcessTable(processes);
  const int stored = readReactionCards(group, processes);
  copyInputDeck(deck, group);
  readSpeciesGroup(group, params, table, gas);
  buildProcessTable(stored, gas, table, working, processes);
  CrossSectionTape tape(working);

  Figures figures;
  CaseGrid grid;
  CaseCarry carry{params.startTemperature, 0.0};
  CaseSolution out;
  const Clock::time_point start = Clock::now();
  for (int k = 1; k <= kMaxFieldValues; ++k) {
    if (!setUpCase(params, gas, table, processes, tape, k, grid, listing)) {
      std::printf("  case %d: zero momentum-transfer sum\n", k);
      break;
    }
    const double e = params.fieldList[k] * 1.0000000168623835e-16 * gas.gasDensity;
    solveCase(params, gas, processes, e, grid, carry, out);
    figures.sweeps += out.iterationCount;
    figures.converged += out.converged ? 1 : 0;
    if (!out.converged) break;
  }
  figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (load.timedCase != kMaxFieldValues) {
    carry = CaseCarry{params.startTemperature, 0.0};
    setUpCase(params, gas, table, processes, tape, load.timedCase, grid, listing);
    solveCase(params, gas, processes,
              params.fieldList[load.timedCase] * 1.0000000168623835e-16 * gas.gasDensity, grid,
              carry, out);
  }

  figures.smallestF = grid.distribution[grid.meshIntervals + 1];
  for (int i = 1; i <= grid.meshIntervals + 1; ++i) {
    if (std::fabs(grid.distribution[i]) < 1e-300) ++figures.tailPoints;
  }
  OperatorInputs inputs{params.fieldList[load.timedCase] * 1.0000000168623835e-16 * gas.gasDensity,
                        out.gasTemperatureEv, 0.0, 1.6020000187211282e-19};
  DistributionSolver solver(processes, grid, inputs);
  solver.buildRows(out.netProductionFrequency);
  // Other work on the machine only ever adds time: report the fastest of several
  // batches.
  const int repeats = load.intervals > 5000 ? 20 : 500;
  figures.sweepMicroseconds = 1e300;
  figures.ratePassMicroseconds = 1e300;
  CaseSolution rates;
  for (int batch = 0; batch < 8; ++batch) {
    Clock::time_point t0 = Clock::now();
    for (int r = 0; r < repeats; ++r) solver.sweep(1e-3);
    figures.sweepMicroseconds =
        std::min(figures.sweepMicroseconds,
                 std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / repeats);
    t0 = Clock::now();
    for (int r = 0; r < repeats / 10; ++r) solver.ratePass(rates);
    figures.ratePassMicroseconds = std::min(
        figures.ratePassMicroseconds,
        std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / (repeats / 10));
  }
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  // An argument of letters picks the loads to run ("kinrun_bench ac"); none runs all.
  const std::string pick = argc > 1 ? argv[1] : "abc";
  const Load loads[] = {
      {"(a) 2000 intervals, 22 processes", 2000, 20, 1.0, 10000.0, 21},
      {"(b) 20000 intervals, 202 processes", 20000, 200, 1.0, 10000.0, 21},
      {"(c) as (a), tail below 1e-300", 2000, 20, 40.0, 300.0, 1},
  };
  for (const Load& load : loads) {
    if (pick.find(load.label[1]) == std::string::npos) continue;
    const Figures f = run(load);
    std::printf("%s\n", load.label);
    std::printf("  cases converged %d of 21, sweeps %lld, %.3f s in all, %.1f ms per case\n",
                f.converged, f.sweeps, f.seconds, 1e3 * f.seconds / std::max(1, f.converged));
    std::printf("  one sweep %.1f us, one rate pass %.1f us\n", f.sweepMicroseconds,
                f.ratePassMicroseconds);
    std::printf("  timed case: f at the grid end %.3g, %d points below 1e-300\n", f.smallestF,
                f.tailPoints);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %.1f MB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
