#include "src/deck.h"

#include "src/cards.h"

namespace kinetics {

void copyInputDeck(recordio::RecordUnit& deck, recordio::RecordUnit& deckGroup) {
  deckGroup.rewind();
  while (true) {
    Card card = readCard(deck);
    writeCard(deckGroup, card.data, card.code, card.origin);
    if (card.endsGroup()) break;
  }
  deckGroup.rewind();
}

}  // namespace kinetics
