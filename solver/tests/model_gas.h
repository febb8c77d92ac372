// Test runs on the model gases of the sample data bank: the deck and the tape are
// made from the bank's .rc and .crs files, read by the solver's own input stages,
// and the cases are set up and solved directly.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "recordio/recordio.h"
#include "src/case_setup.h"
#include "src/cross_section.h"
#include "src/deck.h"
#include "src/physical_constants.h"
#include "src/reactions.h"
#include "src/run_data.h"
#include "src/solve_case.h"
#include "src/gas_composition.h"
#include "src/tape_update.h"

namespace kinetics::testing {

inline std::filesystem::path gasFile(const std::string& name) {
  return std::filesystem::path(VORN_SOURCE_ROOT) / "samples" / "Gasfiles" / name;
}

inline std::string endCard() { return std::string(70, ' ') + "-1"; }

// Card lines of a bank file, without its end cards, split into its sections.
inline std::vector<std::vector<std::string>> sections(const std::filesystem::path& path) {
  recordio::RecordUnit unit = recordio::RecordUnit::openExisting(path);
  std::vector<std::vector<std::string>> result(1);
  for (const std::string& line : unit.records()) {
    if (line.substr(0, 72) == endCard()) {
      result.emplace_back();
    } else {
      result.back().push_back(line);
    }
  }
  return result;
}

struct ModelRun {
  RunParameters params;
  SpeciesTable species;
  GasComposition gas;
  ProcessTable processes;
  recordio::RecordUnit workingTape{"working tape"};
  std::unique_ptr<CrossSectionTape> tape;
  recordio::MemorySink listing;
  CaseCarry carry;
  CaseGrid grid;
};

// Plain run parameters: 1 Torr, 300 K, NE = 0, one energy range, accuracy 1e-4.
inline RunParameters modelParameters(double energyRange, int intervals) {
  RunParameters p;
  p.fieldMode = 0;
  p.gasPressure = 1.0;
  p.gasTemperature = 300.0;
  p.electronDensity = 0.0;
  for (int k = 1; k <= kMaxFieldValues; ++k) p.energyRangeList[k] = energyRange;
  p.startTemperatureAsRead = 10000.0;
  p.startTemperature = 10000.0;
  p.startEnergy = p.startTemperature * 8.614231822439214e-05;
  p.accuracy = 1e-4;
  p.meshIntervals = intervals;
  p.meshPoints = intervals + 1;
  p.maxIterations = 2000;
  return p;
}

// Loads the gases `bases` of the bank (species amounts overridden by `amounts`)
// with parameters `params` through the deck, tape, species and process stages.
// `swapSides` writes every tape block's reaction text with its sides exchanged.
inline std::unique_ptr<ModelRun> loadModelGases(const std::vector<std::string>& bases,
                                                const RunParameters& params,
                                                const std::map<std::string, double>& amounts = {},
                                                bool swapSides = false) {
  auto run = std::make_unique<ModelRun>();
  run->params = params;
  recordio::RecordUnit deck("deck");
  recordio::RecordUnit cross("tape");
  std::vector<std::string> reactions;
  std::vector<std::string> speciesCards;
  for (const std::string& base : bases) {
    const auto rc = sections(gasFile(base + ".rc"));
    reactions.insert(reactions.end(), rc.at(1).begin(), rc.at(1).end());
    for (std::string card : rc.at(2)) {
      std::string name = card.substr(0, 8);
      name.erase(name.find_last_not_of(' ') + 1);
      const auto changed = amounts.find(name);
      if (changed != amounts.end()) {
        char text[16];
        std::snprintf(text, sizeof text, "%10.3E", changed->second);
        card.replace(8, 10, text);
      }
      speciesCards.push_back(card);
    }
    const auto crs = sections(gasFile(base + ".crs"));
    bool header = true;
    for (std::string line : crs.at(0)) {
      if (header && swapSides) {
        const std::string text = line.substr(0, 54);
        const std::size_t arrow = text.find('^');
        std::string swapped = text.substr(arrow + 1) + " ^ " + text.substr(0, arrow);
        swapped.erase(0, swapped.find_first_not_of(' '));
        swapped.resize(54, ' ');
        line.replace(0, 54, swapped);
      }
      cross.write(line);
      header = line.find_first_not_of(' ') == std::string::npos;
    }
  }
  cross.write(endCard());
  deck.write(endCard());
  for (const std::string& r : reactions) deck.write(r);
  deck.write(endCard());
  for (const std::string& s : speciesCards) deck.write(s);
  deck.write(endCard());
  deck.rewind();
  cross.rewind();

  recordio::RecordUnit group("group");
  recordio::RecordUnit keys("keys");
  copyInputDeck(deck, group);
  updateCrossSectionTape(cross, run->workingTape, keys, group, run->listing);
  copyInputDeck(deck, group);
  clearProcessTable(run->processes);
  const int stored = readReactionCards(group, run->processes);
  copyInputDeck(deck, group);
  readSpeciesGroup(group, run->params, run->species, run->gas);
  buildProcessTable(stored, run->gas, run->species, run->workingTape, run->processes);
  run->tape = std::make_unique<CrossSectionTape>(run->workingTape);
  run->carry.electronTemperature = run->params.startTemperature;
  return run;
}

// E (V/cm) of an E/N in Td, as the case loop forms it.
inline double fieldStrengthOf(double td, double gasDensity) {
  return td / 10.0 * 1.0000000168623835e-16 * gasDensity;
}

// Sets up case `caseNumber` and solves it at E/N = td (Td).
inline CaseSolution runCase(ModelRun& run, int caseNumber, double td) {
  CaseSolution out;
  if (!setUpCase(run.params, run.gas, run.species, run.processes, *run.tape, caseNumber, run.grid,
                 run.listing)) {
    ADD_FAILURE() << "fatal zero momentum-transfer sum";
    return out;
  }
  solveCase(run.params, run.gas, run.processes, fieldStrengthOf(td, run.gas.gasDensity), run.grid,
            run.carry, out);
  return out;
}

}  // namespace kinetics::testing
