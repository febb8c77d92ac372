// Deck groups and the working tape.
#include <gtest/gtest.h>

#include "src/cards.h"
#include "src/deck.h"
#include "src/tape_update.h"

using namespace kinetics;
using Records = std::vector<std::string>;

namespace {

std::string card(const std::string& data, const char* code) { return padded(data, 70) + code; }
const std::string kEnd = std::string(70, ' ') + "-1";

// A process block as the data bank writes it; `tag` makes its data distinct.
Records block(const std::string& text, const std::string& tag, bool withData = true) {
  Records r{card(padded(text, 54) + " 1000  0" + "01/02/99", "+1"), card("REF " + tag, " 1")};
  if (withData) {
    r.push_back(card("     0.000     1.000     2.000", " 1"));
    r.push_back(card("     " + tag + "     1.000     1.500", " 1"));
  }
  r.push_back(std::string(72, ' '));
  return r;
}

// Cards as the solver writes them again: 70 data columns and the code as I2.
Records rewritten(Records b) {
  for (std::string& r : b) r = cardRecord(padded(r, 70), int(recordio::readInteger(r.substr(70))));
  return b;
}

// A block as the merge writes it: header code 1, the other cards rewritten.
Records merged(Records b) {
  b = rewritten(b);
  b[0] = b[0].substr(0, 70) + " 1";
  return b;
}

Records join(std::initializer_list<Records> parts) {
  Records all;
  for (const Records& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

recordio::RecordUnit unitOf(const std::string& name, const Records& records) {
  recordio::RecordUnit unit(name);
  for (const std::string& r : records) unit.write(r);
  unit.rewind();
  return unit;
}

struct TapeRun {
  recordio::RecordUnit working{"working"};
  recordio::RecordUnit keys{"keys"};
  recordio::MemorySink listing;
  void run(const Records& tapeCards, const Records& updateGroup) {
    recordio::RecordUnit tape = unitOf("Cross.tmp", tapeCards);
    recordio::RecordUnit group = unitOf("group", updateGroup);
    updateCrossSectionTape(tape, working, keys, group, listing);
    EXPECT_EQ(0u, working.position());
  }
};

const Records kUpdateMessage = {
    "",
    "",
    "",
    "                                 ELECTRON CROSSSECTION FILE WAS UPDATED.TIME.RECUIRED WAS  0.0CP SEC.",
    "                                 CONSULT DAY FILE TO DETERMINE WHETHER THE UPDATED.FILE WAS RECATALOGUED.",
};

const Records kA = block("AR + E ^ AR* + E", "1.000");
const Records kB = block("N2 + E ^ N2(V1) + E", "2.000");
const Records kC = block("O2 + E ^ O- + O", "3.000");

}  // namespace

TEST(CopyInputDeckTest, CopiesOneGroupAtATime) {
  recordio::RecordUnit deck = unitOf("React.tmp", {kEnd, card("AR + E ^ AR* + E", "+1"), kEnd,
                                                   card("AR       5.000E-01", "+1")});
  recordio::RecordUnit group("group");
  copyInputDeck(deck, group);
  EXPECT_EQ(Records({std::string(70, ' ') + "-1"}), group.records());
  copyInputDeck(deck, group);
  EXPECT_EQ(Records({card("AR + E ^ AR* + E", " 1"), kEnd}), group.records());
  EXPECT_EQ(0u, group.position());
  // The species group lacks its end card: the copy runs into the end of the file.
  EXPECT_THROW(copyInputDeck(deck, group), recordio::IoError);
}

TEST(CopyInputDeckTest, NonNumericCodeIsAFailure) {
  recordio::RecordUnit deck = unitOf("React.tmp", {card("X", "x1")});
  recordio::RecordUnit group("group");
  EXPECT_THROW(copyInputDeck(deck, group), recordio::IoError);
}

TEST(TapeUpdateTest, EmptyUpdateGroupCopiesTheTape) {
  TapeRun t;
  t.run(join({kA, kB, {kEnd}}), {kEnd});
  EXPECT_EQ(rewritten(join({kA, kB, {kEnd}})), t.working.records());
  EXPECT_TRUE(t.listing.records.empty());
}

TEST(TapeUpdateTest, UpdateReplacesTheTapeBlockInPlace) {
  TapeRun t;
  Records newB = block("N2+E^N2(V1)+E", "9.000");  // same process, other spacing
  t.run(join({kA, kB, kC, {kEnd}}), join({newB, {kEnd}}));
  EXPECT_EQ(join({merged(kA), merged(newB), merged(kC), {kEnd}}), t.working.records());
  EXPECT_EQ(kUpdateMessage, t.listing.records);
}

TEST(TapeUpdateTest, UpdateForANewProcessIsAppended) {
  TapeRun t;
  t.run(join({kA, kB, {kEnd}}), join({kC, {kEnd}}));
  EXPECT_EQ(join({merged(kA), merged(kB), merged(kC), {kEnd}}), t.working.records());
  EXPECT_EQ(kUpdateMessage, t.listing.records);
}

TEST(TapeUpdateTest, EmptyUpdateBlockRemovesTheProcess) {
  TapeRun t;
  t.run(join({kA, kB, kC, {kEnd}}), join({block("N2 + E ^ N2(V1) + E", "", false), {kEnd}}));
  EXPECT_EQ(join({merged(kA), merged(kC), {kEnd}}), t.working.records());
}

TEST(TapeUpdateTest, ReverseProcessIsNotTheSameBlock) {
  TapeRun t;
  Records reverse = block("N2(V1) + E ^ N2 + E", "9.000");
  t.run(join({kB, {kEnd}}), join({reverse, {kEnd}}));
  EXPECT_EQ(join({merged(kB), merged(reverse), {kEnd}}), t.working.records());
}

TEST(TapeUpdateTest, EmptyTape) {
  TapeRun withoutUpdates;
  withoutUpdates.run({kEnd}, {kEnd});
  EXPECT_TRUE(withoutUpdates.working.records().empty());
  EXPECT_THROW(withoutUpdates.working.read(), recordio::IoError);

  TapeRun withUpdates;
  withUpdates.run({kEnd}, join({kA, {kEnd}}));
  EXPECT_EQ(rewritten(join({kA, {kEnd}})), withUpdates.working.records());
  EXPECT_EQ(kUpdateMessage, withUpdates.listing.records);
}

TEST(TapeUpdateTest, TapeEndingInsideABlockIsAFailure) {
  TapeRun t;
  Records cut(kA.begin(), kA.begin() + 3);
  EXPECT_THROW(t.run(cut, {kEnd}), recordio::IoError);
}
