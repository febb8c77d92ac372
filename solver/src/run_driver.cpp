#include "src/run_driver.h"

#include "src/deck.h"
#include "src/params.h"
#include "src/reactions.h"
#include "src/species.h"
#include "src/tape_update.h"

namespace kinetics {
namespace {

// What the input stages leave for the cases.
struct RunInput {
  RunParameters params;
  SpeciesTable species;
  GasComposition gas;
  ProcessTable processes;
  recordio::RecordUnit workingTape{"working tape"};
};

struct RunOutputs {
  std::unique_ptr<recordio::RecordSink> graph;
  std::unique_ptr<recordio::RecordSink> listing;
};

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

  // Stage 10.
  out.graph.reset();
  files.deleteInput(kDeckFileName);
  files.deleteInput(kTapeFileName);
  out.listing.reset();
}

}  // namespace kinetics
