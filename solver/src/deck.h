// The deck (React.tmp) holds three card groups, each ended by a card whose code
// is below 1: tape updates, reactions, species. The stages never read the deck
// itself: each takes its group from the deck-group unit.
#pragma once

#include "recordio/recordio.h"

namespace kinetics {

// Copies the next group of `deck` (cards up to and including the first with a
// code below 1) to `deckGroup`, which is rewound before and after. The deck stays
// positioned after that card. A deck that ends inside the group, a code that is
// not a number, or a card whose code columns are blank while its data columns
// are not (a damaged card, not an end card) throws recordio::IoError.
void copyInputDeck(recordio::RecordUnit& deck, recordio::RecordUnit& deckGroup);

// After its last group the deck holds nothing but blank lines: any other line
// (a stray end card inside the species group leaves the cards after it here)
// throws recordio::IoError naming it.
void expectDeckEnd(recordio::RecordUnit& deck);

}  // namespace kinetics
