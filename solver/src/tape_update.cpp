#include "src/tape_update.h"

#include "src/cards.h"
#include "src/reactions.h"

namespace kinetics {
namespace {

// Copies the rest of a block whose header has been read: the header with
// code 1, the reference card, then the cards up to and including the first
// whose columns 1-10 are blank. A block without data (blank right after the
// reference card) is taken out again: an empty update removes the process.
void copyBlock(const Card& header, recordio::RecordUnit& source, recordio::RecordUnit& target) {
  writeCard(target, header.data, 1, header.origin);
  expectBlockCard(source, header.origin);
  copyRecord(source, target);  // reference card
  bool first = true;
  while (true) {
    expectBlockCard(source, header.origin);
    Card card = readCard(source);
    writeCard(target, card.data, card.code, card.origin);
    if (card.blankUpTo(10)) {
      if (first) {
        for (int i = 0; i < 3; ++i) target.backspace();
      }
      return;
    }
    first = false;
  }
}

// Plain copy of a whole block, codes as they stand.
void copyBlockAsIs(const Card& header, recordio::RecordUnit& source,
                   recordio::RecordUnit& target) {
  writeCard(target, header.data, header.code, header.origin);
  expectBlockCard(source, header.origin);
  copyRecord(source, target);  // reference card
  while (true) {
    expectBlockCard(source, header.origin);
    Card card = readCard(source);
    writeCard(target, card.data, card.code, card.origin);
    if (card.blankUpTo(10)) return;
  }
}

// Skips the rest of a block whose header has been read: the reference card,
// then cards up to and including the first whose columns 1-8 are blank.
void skipBlock(recordio::RecordUnit& source) {
  const recordio::RecordOrigin header = source.origin();
  expectBlockCard(source, header);
  source.read();  // reference card
  do {
    expectBlockCard(source, header);
  } while (!readCard(source).blankUpTo(8));
}

struct KeyPair {
  long long left = 0;
  long long right = 0;
  bool operator==(const KeyPair&) const = default;
};

KeyPair keysOf(const Card& header, SpeciesTable& names) {
  ParsedReaction parsed =
      recordio::atOrigin(header.origin, [&] { return parseReaction(header.data, names); });
  return {parsed.leftKey, parsed.rightKey};
}

const recordio::Format& keyRecordFormat() {
  static const recordio::Format format("2I10,50X,I2");
  return format;
}

bool wasReplaced(const KeyPair& keys, recordio::RecordUnit& replacedKeys) {
  replacedKeys.rewind();
  while (true) {
    std::vector<recordio::Value> fields = replacedKeys.read(keyRecordFormat());
    if (std::get<long long>(fields[2]) < 1) return false;
    if (KeyPair{std::get<long long>(fields[0]), std::get<long long>(fields[1])} == keys) return true;
  }
}

void writeUpdateMessage(recordio::RecordSink& listing) {
  listing.put(recordio::formatRecords(
      "/,/,/,33X,'ELECTRON CROSSSECTION FILE ','WAS UPDATED.TIME.RECUIRED WAS',F5.1,'CP SEC.',"
      "/,33X,'CONSULT DAY FILE TO DETERMINE ','WHETHER THE UPDATED.FILE WAS RECATALOGUED.'",
      {0.0}));
}

void mergeUpdates(recordio::RecordUnit& tape, recordio::RecordUnit& workingTape,
                  recordio::RecordUnit& replacedKeys, recordio::RecordUnit& updates) {
  // Key pairs are compared only inside this merge, over a name table of its own.
  SpeciesTable names;
  while (true) {
    Card tapeHeader = readHeaderCard(tape);
    if (tapeHeader.endsGroup()) break;
    KeyPair wanted = keysOf(tapeHeader, names);
    updates.rewind();
    bool replaced = false;
    while (true) {
      Card updateHeader = readHeaderCard(updates);
      if (updateHeader.endsGroup()) break;
      if (keysOf(updateHeader, names) == wanted) {
        copyBlock(updateHeader, updates, workingTape);
        const std::vector<recordio::Value> key{wanted.left, wanted.right, 1LL};
        replacedKeys.write(recordio::formatRecords(keyRecordFormat(), key)[0]);
        skipBlock(tape);
        replaced = true;
        break;
      }
      skipBlock(updates);
    }
    if (!replaced) copyBlock(tapeHeader, tape, workingTape);
  }
  replacedKeys.write(endCardRecord());

  // Update blocks for processes not on the tape go after the tape's blocks.
  updates.rewind();
  while (true) {
    Card updateHeader = readHeaderCard(updates);
    if (updateHeader.endsGroup()) break;
    if (wasReplaced(keysOf(updateHeader, names), replacedKeys)) {
      skipBlock(updates);
    } else {
      copyBlock(updateHeader, updates, workingTape);
    }
  }
}

}  // namespace

void updateCrossSectionTape(recordio::RecordUnit& tape, recordio::RecordUnit& workingTape,
                            recordio::RecordUnit& replacedKeys, recordio::RecordUnit& deckGroup,
                            recordio::RecordSink& listing) {
  workingTape.rewind();
  replacedKeys.rewind();
  deckGroup.rewind();
  const bool updatesPresent = readCard(deckGroup).code > 0;
  deckGroup.rewind();

  tape.rewind();
  const bool tapeEmpty = readHeaderCard(tape).endsGroup();
  if (!tapeEmpty) tape.backspace();

  // Nothing could ever be read from the working tape: the run is refused here,
  // before anything is deleted, with the line a user can look at.
  if (tapeEmpty && !updatesPresent) {
    throw recordio::IoError(tape.where() +
                            ": no process block: the first card of the tape is an end card");
  }
  if (!updatesPresent || tapeEmpty) {
    recordio::RecordUnit& source = tapeEmpty ? deckGroup : tape;
    while (true) {
      Card header = readHeaderCard(source);
      if (header.endsGroup()) break;
      copyBlockAsIs(header, source, workingTape);
    }
  } else {
    mergeUpdates(tape, workingTape, replacedKeys, deckGroup);
  }
  workingTape.write(endCardRecord());
  replacedKeys.rewind();

  if (updatesPresent) writeUpdateMessage(listing);
  workingTape.rewind();
}

}  // namespace kinetics
