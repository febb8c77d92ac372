#include "src/run_driver.h"

#include <new>

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
  // Its records keep the lines of Cross.tmp (or React.tmp) they came from.
  recordio::RecordUnit workingTape{std::string(kTapeFileName)};
};

struct RunOutputs {
  std::unique_ptr<recordio::RecordSink> graph;
  std::unique_ptr<recordio::RecordSink> listing;
};

// E/N unit of the field list (1e-16 V cm2), a single-precision value widened.
constexpr double kFieldUnit = 1.0000000168623835e-16;

// Why a run computed no case, when no case could start: the listing says so
// (the fatal zero momentum-transfer sum has its own message).
void writeNoCaseMessage(recordio::RecordSink& listing) {
  listing.put("");
  listing.put(std::string(30, ' ') + "NO CASE WAS RUN");
  listing.put(std::string(5, ' ') +
              "THE FIELD LIST BEGINS WITH A FIELD VALUE OF 0, WHICH ENDS THE LIST;");
  listing.put(std::string(5, ' ') +
              "A FIELD VALUE WITHOUT A POSITIVE ENERGY RANGE IS SKIPPED.");
}

// Stages 7 to 9: one case per field value up to the first that does not
// converge, then the rest of the graph-data file and the summary tables.
// Returns the number of cases run (a case that did not converge included).
// When a case set-up meets a zero momentum-transfer sum its message is in the
// listing and the run ends at once, with the cases run before it.
int runCases(RunInput& in, RunOutputs& out) {
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
      return caseCounter;
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
  if (fieldValueCount == 0) writeNoCaseMessage(*out.listing);
  return caseCounter;
}

void deleteOrKeep(RunFiles& files, std::string_view name, RunOutcome& outcome) {
  if (!files.deleteInput(name)) outcome.inputsKept.emplace_back(name);
}

}  // namespace

RunOutcome runSolver(RunFiles& files) {
  RunOutcome outcome;
  // The input being read, for a run that memory runs out on.
  std::string_view reading = kTapeFileName;
  try {
    // Stage 1: the inputs; a missing one ends the run before anything is written.
    recordio::RecordUnit tape = files.openInput(kTapeFileName);
    recordio::RecordUnit replacedKeys("replaced keys");
    recordio::RecordUnit deckGroup("React.tmp card group");
    reading = kDeckFileName;
    recordio::RecordUnit deck = files.openInput(kDeckFileName);
    reading = kParameterFileName;
    recordio::RecordUnit parameterFile = files.openInput(kParameterFileName);
    RunInput in;
    clearProcessTable(in.processes);

    // Stage 2: the tape update writes before the listing exists; its records
    // become the first records of the listing.
    reading = kTapeFileName;
    recordio::MemorySink earlyListing;
    copyInputDeck(deck, deckGroup);
    updateCrossSectionTape(tape, in.workingTape, replacedKeys, deckGroup, earlyListing);

    // Stage 3.
    reading = kDeckFileName;
    copyInputDeck(deck, deckGroup);
    int reactionCards = readReactionCards(deckGroup, in.processes);

    // Stage 4. Both outputs exist before Param.tmp goes: an output that cannot
    // be created costs no input.
    reading = kParameterFileName;
    readRunParameters(parameterFile, in.params);
    files.checkOutputs({"graph-data file", in.params.graphFileName, in.params.graphFileNameWhere},
                       {"listing", in.params.listingFileName, in.params.listingFileNameWhere});
    compactAndSortFieldList(in.params);
    RunOutputs out;
    out.graph = files.createOutput(in.params.graphFileName);
    out.listing = files.createOutput(in.params.listingFileName);
    outcome.listing = files.outputPath(in.params.listingFileName);
    deleteOrKeep(files, kParameterFileName, outcome);
    out.listing->put(earlyListing.records);
    deriveRunValues(in.params);

    // Stages 5 and 6.
    reading = kDeckFileName;
    copyInputDeck(deck, deckGroup);
    expectDeckEnd(deck);
    readSpeciesGroup(deckGroup, in.params, in.species, in.gas);
    reading = kTapeFileName;
    buildProcessTable(reactionCards, in.gas, in.species, in.workingTape, in.processes);

    outcome.casesRun = runCases(in, out);

    // Stage 10 (also after a fatal case set-up, which skips the rest of stages
    // 7-9). A run that computed no case keeps React.tmp and Cross.tmp, which
    // are needed to find out why.
    if (out.graph) out.graph->close();
    out.graph.reset();
    // A listing that cannot be written out must fail the run while its inputs
    // are still there.
    out.listing->flush();
    if (outcome.casesRun > 0) {
      deleteOrKeep(files, kDeckFileName, outcome);
      deleteOrKeep(files, kTapeFileName, outcome);
    }
    out.listing->close();
    out.listing.reset();
  } catch (const std::bad_alloc&) {
    throw recordio::IoError(std::string(reading) + ": memory ran out while reading the file");
  }
  return outcome;
}

}  // namespace kinetics
