// Deck groups and the working tape.
#include <gtest/gtest.h>

#include <functional>

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

// A unit read from a file of these lines: every record knows its line.
recordio::RecordUnit fileOf(const std::string& name, const Records& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return recordio::RecordUnit::fromText(name, text);
}

std::string failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const recordio::IoError& e) {
    return e.what();
  }
  return "(no failure)";
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

// A card whose code columns are blank while its data columns are not has lost
// its code (trailing blanks stripped, tabs for blanks): it is refused, not
// taken as the end of its group. A blank card and an explicit code below 1
// still end the group.
TEST(CopyInputDeckTest, CardWithoutItsCodeIsRefused) {
  const std::string species = "AR       1.000E+00     0.000    40.000";
  struct Row {
    const char* what;
    std::string line2;
    std::string message;  // empty: the group ends at line 2
  };
  const Row rows[] = {
      {"trailing blanks stripped", species, "React.tmp, line 2: card without a code in columns 71-72"},
      {"code columns blank", card(species, "  "), "React.tmp, line 2: card without a code in columns 71-72"},
      {"tabs for blanks", "AR\t1.000E+00\t0.000\t40.000\t+1", "React.tmp, line 2: card without a code in columns 71-72"},
      {"blank card", std::string(72, ' '), ""},
      {"empty line", "", ""},
      {"explicit 0", card("", " 0"), ""},
      {"explicit -1 with data", card(species, "-1"), ""},
  };
  for (const Row& row : rows) {
    recordio::RecordUnit deck = fileOf("React.tmp", {card(species, "+1"), row.line2, kEnd});
    recordio::RecordUnit group("group");
    const std::string message = failureOf([&] { copyInputDeck(deck, group); });
    if (row.message.empty()) {
      EXPECT_EQ("(no failure)", message) << row.what;
      EXPECT_EQ(2u, group.size()) << row.what;
    } else {
      EXPECT_EQ(row.message, message) << row.what;
    }
  }
}

TEST(CopyInputDeckTest, NothingButBlankLinesAfterTheSpeciesGroup) {
  const std::string species = card("AR       1.000E+00     0.000    40.000", "+1");
  struct Row {
    const char* what;
    Records rest;
    std::string message;
  };
  const Row rows[] = {
      {"nothing", {}, "(no failure)"},
      {"blank lines", {"", std::string(72, ' '), "  \t "}, "(no failure)"},
      {"stray end card", {species, kEnd}, "React.tmp, line 6: card after the end of the species group"},
      {"end card", {"", kEnd}, "React.tmp, line 7: card after the end of the species group"},
  };
  for (const Row& row : rows) {
    recordio::RecordUnit deck =
        fileOf("React.tmp", join({{kEnd, kEnd, species, species, kEnd}, row.rest}));
    recordio::RecordUnit group("group");
    for (int g = 0; g < 3; ++g) copyInputDeck(deck, group);
    EXPECT_EQ(row.message, failureOf([&] { expectDeckEnd(deck); })) << row.what;
  }
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

// A tape nothing can be read from is refused with the file, the line and what
// is missing, before the run goes on.
TEST(TapeUpdateTest, TapeFailuresNameTheLineAndWhatIsMissing) {
  const std::string header = kA[0].substr(0, 70);  // the code columns stripped
  struct Row {
    const char* what;
    Records tape;
    Records updates;
    std::string message;
  };
  const Row rows[] = {
      {"only an end card", {kEnd}, {kEnd},
       "Cross.tmp, line 1: no process block: the first card of the tape is an end card"},
      {"a blank first card", {std::string(72, ' '), kEnd}, {kEnd},
       "Cross.tmp, line 1: no process block: the first card of the tape is an end card"},
      {"empty file", {}, {kEnd}, "Cross.tmp: the file is empty: no process block and no end card"},
      {"first header without its code", join({{header}, Records(kA.begin() + 1, kA.end()), {kEnd}}),
       {kEnd}, "Cross.tmp, line 1: header card without a code in columns 71-72"},
      {"later header without its code",
       join({kB, {header}, Records(kA.begin() + 1, kA.end()), {kEnd}}), {kEnd},
       "Cross.tmp, line 6: header card without a code in columns 71-72"},
      {"header without its code, with updates",
       join({kB, {header}, Records(kA.begin() + 1, kA.end()), {kEnd}}), join({kC, {kEnd}}),
       "Cross.tmp, line 6: header card without a code in columns 71-72"},
      {"no end card", join({kA, kB}), {kEnd},
       "Cross.tmp: no end card after the last process block (the file ends at line 10)"},
      {"block cut short", Records(kA.begin(), kA.begin() + 3), {kEnd},
       "Cross.tmp, line 1: the process block that begins on this line has no blank card before "
       "the end of the file"},
      {"block cut short, with updates", join({kB, Records(kA.begin(), kA.begin() + 2)}),
       join({kC, {kEnd}}),
       "Cross.tmp, line 6: the process block that begins on this line has no blank card before "
       "the end of the file"},
  };
  for (const Row& row : rows) {
    recordio::RecordUnit tape = fileOf("Cross.tmp", row.tape);
    recordio::RecordUnit group = unitOf("group", row.updates);
    recordio::RecordUnit working("Cross.tmp"), keys("keys");
    recordio::MemorySink listing;
    EXPECT_EQ(row.message,
              failureOf([&] { updateCrossSectionTape(tape, working, keys, group, listing); }))
        << row.what;
  }
}
