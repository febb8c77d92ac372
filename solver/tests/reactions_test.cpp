// Reaction parsing and the process table.
#include <gtest/gtest.h>

#include "src/cards.h"
#include "src/reactions.h"

using namespace kinetics;

namespace {

std::string name8(const std::string& name) { return padded(name, 8); }

// A species table as the species stage leaves it: card species, then the electron.
struct Gas {
  SpeciesTable species;
  GasComposition gas;
  void add(const std::string& name, double amount, double energy = 0.0) {
    int i = ++species.count;
    species.name[i] = name8(name);
    species.amount[i] = amount;
    species.energy[i] = energy;
  }
  void addElectron() {
    gas.cardSpeciesCount = species.count;
    add("E(-)", 0.0);
    gas.electronIndex = species.count;
  }
};

std::vector<std::string> names(const ParsedReaction& p, int side) {
  std::vector<std::string> result;
  for (int s = 0; s < kSlotsPerSide; ++s) {
    std::string n = p.name[side][s];
    n.erase(n.find_last_not_of(' ') + 1);
    if (!n.empty()) result.push_back(n);
  }
  return result;
}

using Names = std::vector<std::string>;

}  // namespace

TEST(ParseReactionTest, Names) {
  struct Row { const char* text; Names left; Names right; };
  const Row rows[] = {
      {"AR + E ^ AR* + E-", {"AR", "E(-)"}, {"AR*", "E(-)"}},
      {"N2 + E(-) ^ N2+ + E(-) + E(-)", {"N2", "E(-)"}, {"N2+", "E(-)", "E(-)"}},
      {"XY+ + E(-) ^ X + Y", {"XY+", "E(-)"}, {"X", "Y"}},
      {"N2(+) + E ^ N 2", {"N2(+)", "E(-)"}, {"N2"}},  // blanks inside a name are skipped
      {"ABCDEFGHIJ + E ^ ABCDEFGHIJ + E", {"ABCDEFGH", "E(-)"}, {"ABCDEFGH", "E(-)"}},
      {"A + E(-) ^ B + HNU", {"A", "E(-)"}, {"B", "HNU"}},
      {"O2+", {"O2"}, {}},                          // a last "+" ends the name
      {"A + E ^ ^ B", {"A", "E(-)"}, {}},            // an empty species ends the text
      {"A ^ B ^ C", {"A"}, {"B"}},                  // a second "^" ends the text
      {"A+B+C+D+F+G+H ^ X", {"A", "B", "C", "D", "F"}, {"X"}},
  };
  for (const Row& r : rows) {
    SpeciesTable species;
    ParsedReaction p = parseReaction(r.text, species);
    EXPECT_EQ(r.left, names(p, 0)) << r.text;
    EXPECT_EQ(r.right, names(p, 1)) << r.text;
  }
}

TEST(ParseReactionTest, OnlyTheFirst54ColumnsCount) {
  SpeciesTable species;
  std::string text = padded("A + E ^ A + E", 54) + "QQQ";
  ParsedReaction p = parseReaction(text, species);
  EXPECT_EQ(Names({"A", "E(-)"}), names(p, 1));
  EXPECT_EQ(2, species.count);
}

TEST(ParseReactionTest, IndicesAndKeys) {
  Gas g;
  g.add("N2", 0.8);
  g.addElectron();  // index 2
  ParsedReaction p = parseReaction("N2 + E(-) ^ N2+ + E(-) + E(-)", g.species);
  EXPECT_EQ(3, g.species.count);  // N2+ appended
  EXPECT_EQ(name8("N2+"), g.species.name[3]);
  EXPECT_EQ(0.0, g.species.amount[3]);
  EXPECT_EQ((std::array<int, 5>{1, 2, 0, 0, 0}), p.index[0]);
  EXPECT_EQ((std::array<int, 5>{3, 2, 2, 0, 0}), p.index[1]);
  EXPECT_EQ(3000000 + 1 + 4, p.leftKey);
  EXPECT_EQ(7000000 + 9 + 4 + 4, p.rightKey);

  // A photon takes no table entry and adds nothing to the key.
  p = parseReaction("N2 + HNU ^ N2", g.species);
  EXPECT_EQ(3, g.species.count);
  EXPECT_EQ(1000001, p.leftKey);
  EXPECT_EQ(p.leftKey, p.rightKey);

  // Species beyond the fifth on a side take no slot, no entry and no key part.
  p = parseReaction("N2+N2+N2+N2+N2+ZZ ^ N2", g.species);
  EXPECT_EQ(3, g.species.count);
  EXPECT_EQ(5000005, p.leftKey);
}

TEST(ParseReactionTest, SideKeyNeedsSixtyFourBits) {
  EXPECT_EQ(1250312500LL, sideKey({250, 250, 250, 250, 250}));
}

TEST(ParseReactionTest, FullSpeciesTableRejectsTheRun) {
  SpeciesTable species;
  for (int i = 1; i <= kMaxSpecies; ++i) species.name[i] = name8("S" + std::to_string(i));
  species.count = kMaxSpecies;
  EXPECT_NO_THROW(parseReaction("S1 + S250 ^ S2", species));
  EXPECT_THROW(parseReaction("S1 + NEW ^ S2", species), recordio::IoError);
  EXPECT_EQ(kMaxSpecies, species.count);
}

namespace {

// A process table built from deck texts over the gas of these tests.
struct TableFixture {
  Gas g;
  ProcessTable table;
  recordio::RecordUnit tape{"tape"};
  TableFixture() {
    g.add("AR", 0.8e17);
    g.add("AR*", 1e10, 11.5);
    g.add("N2", 0.2e17, 0.5);
    g.add("O2", 3e16);
    g.add("ZERO", 0.0);
    g.addElectron();
    clearProcessTable(table);
  }
  void build(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) table.deckCards[i + 1] = padded(texts[i], 70);
    buildProcessTable(static_cast<int>(texts.size()), g.gas, g.species, tape, table);
  }
};

}  // namespace

TEST(ProcessTableTest, FromDeckCards) {
  TableFixture f;
  f.build({"AR + E ^ AR* + E-", "N2 + E(-) ^ N2+ + E(-) + E(-)", "O2 + E(-) ^ O- + O",
           "N2 + E(-) ^ N2 + E(-)", "B + E ^ C + E", "ZERO + E ^ ZERO* + E",
           "AR + E ^ AR* + E-"});
  ProcessTable& t = f.table;
  ASSERT_EQ(4, t.count);
  struct Row { int source; int type; double threshold; double target; double product; };
  const Row rows[] = {
      {1, 0, 11.5, 0.8e17, 1e10},   // both sides qualify
      {2, +1, -0.5, 0.2e17, 0.0},   // three species on the right
      {3, -1, 0.0, 3e16, 0.0},
      {7, 0, 11.5, 0.8e17, 1e10},   // the same reaction twice gives two processes
  };
  for (int n = 1; n <= 4; ++n) {
    const Row& r = rows[n - 1];
    EXPECT_EQ(r.source, t.source[n]) << n;
    EXPECT_EQ(r.type, t.type[n]) << n;
    EXPECT_EQ(r.threshold, t.threshold[n]) << n;
    EXPECT_EQ(r.target, t.targetDensity[n]) << n;
    EXPECT_EQ(r.product, t.productDensity[n]) << n;
  }
  EXPECT_EQ(padded("AR + E ^ AR* + E-", 32), t.name[1]);
  EXPECT_EQ(padded("MOMENTUM TRANSFER COLLISIONS", 32), t.name[5]);
  EXPECT_EQ(t.leftKey[1], t.leftKey[4]);
  EXPECT_NE(t.leftKey[1], t.rightKey[1]);
}

TEST(ProcessTableTest, ReactionCardsBeyond206AreDropped) {
  recordio::RecordUnit group("group");
  for (int i = 0; i < 210; ++i) writeCard(group, "AR + E ^ AR* + E", 1);
  writeCard(group, "", -1);
  group.rewind();
  ProcessTable t;
  clearProcessTable(t);
  EXPECT_EQ(206, readReactionCards(group, t));
  EXPECT_TRUE(group.atEnd());
  EXPECT_EQ(padded("AR + E ^ AR* + E", 70), t.deckCards[206]);
}

TEST(ProcessTableTest, FromTapeBlocksWithoutReactionCards) {
  TableFixture f;
  auto block = [&](const std::string& header) {
    writeCard(f.tape, padded(header, 54) + " 1000  0 1/1/2000", 1);
    writeCard(f.tape, "", 1);  // a blank reference card does not end the block
    writeCard(f.tape, "     0.000     1.000", 1);
    writeCard(f.tape, "     1.000     2.000", 1);
    writeCard(f.tape, "", 0);
  };
  block("AR + E ^ AR* + E");
  block("X + E ^ Y + E");
  block("N2 + E ^ N2+ + E + E");
  writeCard(f.tape, "", -1);
  f.tape.rewind();
  buildProcessTable(0, f.g.gas, f.g.species, f.tape, f.table);
  ASSERT_EQ(2, f.table.count);
  EXPECT_EQ(1, f.table.source[1]);
  EXPECT_EQ(2, f.table.source[2]);
  EXPECT_EQ(padded("N2 + E ^ N2+ + E + E", 54) + std::string(16, ' '), f.table.deckCards[2]);
  EXPECT_EQ(0u, f.tape.position());
}

TEST(ProcessTableTest, At206ProcessesFurtherTapeBlocksAreIgnored) {
  TableFixture f;
  for (int i = 0; i < 210; ++i) {
    writeCard(f.tape, "AR + E ^ AR* + E", 1);
    writeCard(f.tape, "ref", 1);
    writeCard(f.tape, "", 1);
  }
  writeCard(f.tape, "", -1);
  f.tape.rewind();
  buildProcessTable(0, f.g.gas, f.g.species, f.tape, f.table);
  EXPECT_EQ(206, f.table.count);
  EXPECT_EQ(padded("MOMENTUM TRANSFER COLLISIONS", 32), f.table.name[207]);
}

namespace {

// The fixture's gas with the species table filled up to its last entry.
struct FullTableFixture : TableFixture {
  FullTableFixture() {
    SpeciesTable& species = g.species;
    for (int i = species.count + 1; i <= kMaxSpecies; ++i) {
      species.name[i] = name8("S" + std::to_string(i));
    }
    species.count = kMaxSpecies;
  }
  // The message of the process table built from `stored` deck cards, or the tape.
  std::string failureOf(int stored) {
    try {
      buildProcessTable(stored, g.gas, g.species, tape, table);
    } catch (const recordio::IoError& e) {
      return e.what();
    }
    return "(no failure)";
  }
};

}  // namespace

TEST(ProcessTableTest, FullSpeciesTableNamesTheLineOfTheReactionCard) {
  FullTableFixture f;
  recordio::RecordUnit group = recordio::RecordUnit::fromText(
      "React.tmp", cardRecord("AR + E ^ AR* + E", 1) + "\n" + cardRecord("AR + E ^ NEW + E", 1) +
                       "\n" + endCardRecord() + "\n");
  const int stored = readReactionCards(group, f.table);
  EXPECT_EQ("React.tmp, line 2: species table full (250 entries): cannot enter \"NEW     \" from "
            "a reaction text",
            f.failureOf(stored));
}

TEST(ProcessTableTest, FullSpeciesTableNamesTheLineOfTheTapeHeader) {
  FullTableFixture f;
  // Two blocks of four lines: header, reference card, one data card, blank card.
  std::string text;
  for (const char* header : {"AR + E ^ AR* + E", "AR + E ^ NEW + E"}) {
    text += cardRecord(header, 1) + "\n" + cardRecord("ref", 1) + "\n" +
            cardRecord("     0.000     1.000", 1) + "\n" + cardRecord("", 0) + "\n";
  }
  f.tape = recordio::RecordUnit::fromText("Cross.tmp", text + endCardRecord() + "\n");
  EXPECT_EQ("Cross.tmp, line 5: species table full (250 entries): cannot enter \"NEW     \" from "
            "a reaction text",
            f.failureOf(0));
}
