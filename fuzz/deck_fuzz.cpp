// The solver's deck reader: the three card groups of React.tmp copied one by
// one, the reaction cards, the species cards with the gas composition, and the
// process table built from them.
#include "solver_units.h"
#include "src/deck.h"
#include "src/reactions.h"
#include "src/gas_composition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  recordio::RecordUnit deck = fuzz::unitFromText("React.tmp", fuzz::asText(data, size));
  recordio::RecordUnit deckGroup("React.tmp card group");
  recordio::RecordUnit workingTape = fuzz::unitFromText(
      "working tape", "                                                                      -1\n");
  kinetics::RunParameters params;
  params.gasPressure = 760.0;
  params.gasTemperature = 300.0;
  params.fieldList[1] = 10.0;
  params.energyRangeList[1] = 10.0;
  kinetics::SpeciesTable species;
  kinetics::GasComposition gas;
  kinetics::ProcessTable processes;
  kinetics::clearProcessTable(processes);
  try {
    kinetics::copyInputDeck(deck, deckGroup);  // tape updates: read by the tape-update target
    kinetics::copyInputDeck(deck, deckGroup);
    int cards = kinetics::readReactionCards(deckGroup, processes);
    kinetics::copyInputDeck(deck, deckGroup);
    kinetics::expectDeckEnd(deck);
    kinetics::readSpeciesGroup(deckGroup, params, species, gas);
    kinetics::buildProcessTable(cards, gas, species, workingTape, processes);
  } catch (const recordio::IoError&) {
    return 0;
  }
  if (species.count < 1 || species.count > kinetics::kMaxSpecies) fuzz::fail("species count");
  if (gas.count < 1 || gas.count > kinetics::kMaxComponents) fuzz::fail("component count");
  if (processes.count < 0 || processes.count > kinetics::kMaxProcesses) fuzz::fail("process count");
  return 0;
}
