// The solver's tape update: Cross.tmp merged with the tape-update group of the
// deck. Input: the tape, the separator line, then the deck (its first group is
// the update group).
#include "solver_units.h"
#include "src/deck.h"
#include "src/tape_update.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> files = fuzz::splitFiles(fuzz::asText(data, size), 2);
  recordio::RecordUnit tape = fuzz::unitFromText("Cross.tmp", files[0]);
  recordio::RecordUnit deck = fuzz::unitFromText("React.tmp", files[1]);
  recordio::RecordUnit deckGroup("React.tmp card group");
  recordio::RecordUnit workingTape("working tape");
  recordio::RecordUnit replacedKeys("replaced keys");
  recordio::MemorySink listing;
  try {
    kinetics::copyInputDeck(deck, deckGroup);
    kinetics::updateCrossSectionTape(tape, workingTape, replacedKeys, deckGroup, listing);
  } catch (const recordio::IoError&) {
    return 0;
  }
  // Whatever went in, a written working tape ends with its end card.
  if (workingTape.size() > 0 && workingTape.records().back().substr(70) != "-1") {
    fuzz::fail("working tape without its end card");
  }
  return 0;
}
