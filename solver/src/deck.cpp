#include "src/deck.h"

#include "src/cards.h"

namespace kinetics {

void copyInputDeck(recordio::RecordUnit& deck, recordio::RecordUnit& deckGroup) {
  deckGroup.rewind();
  while (true) {
    Card card = readCard(deck);
    if (card.lacksCode()) throw recordio::IoError(missingCodeMessage(deck, "card"));
    writeCard(deckGroup, card.data, card.code, card.origin);
    if (card.endsGroup()) break;
  }
  deckGroup.rewind();
}

void expectDeckEnd(recordio::RecordUnit& deck) {
  while (!deck.atEnd()) {
    const std::string& line = deck.read();
    if (line.find_first_not_of(" \t\r") != std::string::npos) {
      throw recordio::IoError(deck.where() + ": card after the end of the species group");
    }
  }
}

}  // namespace kinetics
