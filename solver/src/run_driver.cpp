#include "src/run_driver.h"

#include "src/case_results.h"
#include "src/case_setup.h"
#include "src/deck.h"
#include "src/graph_file.h"
#include "src/listing_pages.h"
#include "src/params.h"
#include "src/reactions.h"
#include "src/solve_case.h"
#include "src/gas_composition.h"
#include "src/summary_tables.h"
#include "src/tape_update.h"

namespace kinetics {
namespace {

// What the input stages leave for the cases.
struct RunInput {
  RunParameters params;
  SpeciesTable species;
  GasComposition gas;
  ProcessTable processes;
  recordio::RecordUnit workingTape{"working tape (from Cross.tmp)"};
};

struct RunOutputs {
  std::unique_ptr<recordio::RecordSink> graph;
  std::unique_ptr<recordio::RecordSink> listing;
};

// E/N unit of the field list (1e-16 V cm2), a single-precision value widened.
constexpr double kFieldUnit = 1.0000000168623835e-16;

// Stages 7 to 9: one case per field value up to the first that does not
// converge, then the rest of the graph-data file and the summary tables. False
// when a case set-up met a zero momentum-transfer sum: its message is in the
// listing and the run ends at once.
bool runCases(RunInput& in, RunOutputs& out) {
  CrossSectionTape tape(in.workingTape);
  CaseGrid grid;
  CaseSolution solution;
  CaseResults results;
  CaseCarry carry;
  carry.electronTemperature = in.params.startTemperature;
  carry.netProductionRate = 0.0;

  const int fieldValueCount = caseCount(in.params);
  int caseCounter = 0;
  for (int k = 1;; ++k) {
    // The set-up of the first energy range runs even when no case follows, and
    // may write its warnings; an entry without an energy range has no grid.
    if (in.params.energyRangeList[k] > 0.0 &&
        !setUpCase(in.params, in.gas, in.species, in.processes, tape, k, grid, *out.listing)) {
      return false;
    }
    if (caseCounter == fieldValueCount) break;
    ++caseCounter;

    double fieldStrength = in.params.fieldList[k] * kFieldUnit * in.gas.gasDensity;
    if (caseCounter == 1) {
      writeGraphHeader(in.params, in.gas, in.processes, fieldValueCount, *out.graph);
    }
    solution = CaseSolution{};
    solveCase(in.params, in.gas, in.processes, fieldStrength, grid, carry, solution);
    writeCasePages(CasePageInput{k, in.params, in.gas, in.processes, grid, solution},
                   *out.listing);
    writeDistributionBlock(grid, *out.graph);
    // A run stopped from now on keeps this case whole.
    out.graph->flush();
    out.listing->flush();
    if (!solution.converged) break;
    storeCaseResults(k, in.params, in.gas, in.processes, solution, results);
    if (caseCounter == fieldValueCount) break;
  }

  writeCaseTableAndTrailer(in.params, in.processes, caseCounter, results, *out.graph);
  out.graph->close();
  out.graph.reset();
  writeSummaryTables(in.params, in.gas, in.processes, caseCounter, results, *out.listing);
  return true;
}

}  // namespace

void runSolver(RunFiles& files) {
  // Stage 1: the inputs; a missing one ends the run before anything is written.
  recordio::RecordUnit tape = files.openInput(kTapeFileName);
  recordio::RecordUnit replacedKeys("replaced keys");
  recordio::RecordUnit deckGroup("React.tmp card group");
  recordio::RecordUnit deck = files.openInput(kDeckFileName);
  recordio::RecordUnit parameterFile = files.openInput(kParameterFileName);
  RunInput in;
  clearProcessTable(in.processes);

  // Stage 2: the tape update writes before the listing exists; its records
  // become the first records of the listing.
  recordio::MemorySink earlyListing;
  copyInputDeck(deck, deckGroup);
  updateCrossSectionTape(tape, in.workingTape, replacedKeys, deckGroup, earlyListing);

  // Stage 3.
  copyInputDeck(deck, deckGroup);
  int reactionCards = readReactionCards(deckGroup, in.processes);

  // Stage 4.
  readRunParameters(parameterFile, in.params);
  files.checkOutputs({"graph-data file", in.params.graphFileName, in.params.graphFileNameWhere},
                     {"listing", in.params.listingFileName, in.params.listingFileNameWhere});
  files.deleteInput(kParameterFileName);
  compactAndSortFieldList(in.params);
  RunOutputs out;
  out.graph = files.createOutput(in.params.graphFileName);
  out.listing = files.createOutput(in.params.listingFileName);
  out.listing->put(earlyListing.records);
  deriveRunValues(in.params);

  // Stages 5 and 6.
  copyInputDeck(deck, deckGroup);
  readSpeciesGroup(deckGroup, in.params, in.species, in.gas);
  buildProcessTable(reactionCards, in.gas, in.species, in.workingTape, in.processes);

  runCases(in, out);

  // Stage 10 (also after a fatal case set-up, which skips the rest of stages 7-9).
  if (out.graph) out.graph->close();
  out.graph.reset();
  // A listing that cannot be written out must fail the run while its inputs
  // are still there.
  out.listing->flush();
  files.deleteInput(kDeckFileName);
  files.deleteInput(kTapeFileName);
  out.listing->close();
  out.listing.reset();
}

}  // namespace kinetics
