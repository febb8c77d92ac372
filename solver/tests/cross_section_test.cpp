// Simpson rule, Aitken-Neville interpolation, the cross-section reader's table
// rules, and the case set-up's warning page and fatal message.
#include "src/cross_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "recordio/recordio.h"
#include "src/case_setup.h"
#include "src/reactions.h"
#include "src/run_data.h"

namespace kinetics {
namespace {

TEST(SimpsonTest, WeightsAndDroppedLastInterval) {
  // v[0] is unused: tables are 1-based.
  const std::vector<double> v = {0, 1, 2, 3, 4, 5, 100};
  EXPECT_DOUBLE_EQ(simpsonIntegral(v.data(), 1, 3.0), 1 + 4 * 2 + 3);
  EXPECT_DOUBLE_EQ(simpsonIntegral(v.data(), 2, 3.0), 1 + 4 * (2 + 4) + 2 * 3 + 5);
  // Six intervals of an odd count of seven points would need p = 3; p = floor(5/2)
  // leaves the last interval (the 100) out.
  EXPECT_DOUBLE_EQ(simpsonIntegral(v.data(), 5 / 2, 0.3), 0.1 * (1 + 4 * (2 + 4) + 2 * 3 + 5));
  // Exact for cubics: integral of u^3 on [0, 2] with h = 0.5.
  std::vector<double> cubic(6);
  for (int i = 1; i <= 5; ++i) cubic[i] = std::pow((i - 1) * 0.5, 3);
  EXPECT_DOUBLE_EQ(simpsonIntegral(cubic.data(), 2, 0.5), 4.0);
  // The functional form gives the same bits.
  EXPECT_EQ(simpsonOf(2, 0.5, [&](int i) { return cubic[i]; }),
            simpsonIntegral(cubic.data(), 2, 0.5));
}

TEST(InterpolateTest, OrdersEndsAndExtrapolation) {
  const std::vector<double> x = {0, 1, 2, 4, 8};
  const std::vector<double> y = {0, 1, 4, 16, 64};  // u^2 at the points
  struct Row {
    int order;
    double at;
    double expected;
  };
  for (const Row row : {
           Row{1, 3.0, 10.0},   // linear inside (2..4)
           Row{1, 0.5, -0.5},   // linear below the first point, extrapolated
           Row{1, 10.0, 88.0},  // beyond the last point: the last interval, extrapolated
           Row{1, 2.0, 4.0},    // on a point
           Row{2, 3.0, 9.0},    // quadratic through 2, 4, 8 reproduces u^2
           Row{2, 1.5, 2.25},   // g = 2: points 1, 2, 4
           Row{2, 7.0, 52.0},   // g = n: linear in the last interval
           Row{2, 0.5, -0.5},   // g = 1: linear
           Row{5, 3.0, 9.0},    // order above n - 1 is cut to n - 1 (still exact for u^2)
       }) {
    EXPECT_DOUBLE_EQ(interpolateTable(row.order, row.at, x.data(), y.data(), 4), row.expected)
        << "order " << row.order << " at " << row.at;
  }
  EXPECT_EQ(interpolateTable(1, 5.0, x.data(), y.data(), 1), 1.0);  // n < 2: Y1
}

TEST(InterpolateTest, BracketFromAnyHintIsTheLinearSearchResult) {
  std::vector<double> x = {0, 0.0, 0.5, 0.5, 1.25, 3.0, 3.0, 7.0};  // non-decreasing, with ties
  const int n = 7;
  std::mt19937 random(7);
  std::uniform_real_distribution<double> at(-1.0, 9.0);
  for (int trial = 0; trial < 500; ++trial) {
    const double value = trial % 5 == 0 ? x[1 + trial % n] : at(random);
    int linear = n;
    for (int g = 1; g <= n; ++g) {
      if (value <= x[g]) {
        linear = g;
        break;
      }
    }
    for (int hint = -2; hint <= n + 2; ++hint) {
      ASSERT_EQ(bracketIndex(value, x.data(), n, hint), linear) << value << " hint " << hint;
    }
  }
  EXPECT_EQ(bracketIndex(std::nan(""), x.data(), n, 3), n);
}

// A tape written card by card: header, reference, energy and sigma cards, blank card.
class TapeBuilder {
 public:
  TapeBuilder& block(const std::string& text, const std::vector<double>& energies,
                     const std::vector<double>& sigmas, const std::string& factor = "     ") {
    std::string header = text;
    header.resize(54, ' ');
    unit.write(header + factor + "  0" + "01/01/26" + " 1");
    unit.write("reference");
    for (std::size_t c = 0; c < energies.size(); c += 7) {
      unit.write(cardOf(energies, c));
      unit.write(cardOf(sigmas, c));
    }
    unit.write(std::string(72, ' '));
    return *this;
  }
  TapeBuilder& raw(const std::string& line) {
    unit.write(line);
    return *this;
  }
  recordio::RecordUnit& finish() {
    unit.write(std::string(70, ' ') + "-1");
    unit.rewind();
    return unit;
  }

  recordio::RecordUnit unit{"tape"};

 private:
  static std::string cardOf(const std::vector<double>& values, std::size_t from) {
    std::string card;
    for (std::size_t i = from; i < values.size() && i < from + 7; ++i) {
      char text[16];
      std::snprintf(text, sizeof text, "%10.4f", values[i]);
      card += text;
    }
    return card;
  }
};

// Species XA, XB, E(-): the wanted process is XA + E ^ XB + E.
struct Reader {
  SpeciesTable species;
  ReactionKeyFunction keys;
  ReactionKeys wanted;
  std::vector<double> grid;
  CrossSectionScratch scratch;
  std::vector<double> sigma;
  double tableEmax = -1.0;

  explicit Reader(int points, double step) {
    species.count = 3;
    species.name[1] = "XA      ";
    species.name[2] = "XB      ";
    species.name[3] = "E(-)    ";
    keys = [this](std::string_view text) {
      const ParsedReaction p = parseReaction(text, species);
      return ReactionKeys{p.leftKey, p.rightKey};
    };
    wanted = keys("XA + E ^ XB + E");
    grid.assign(points + 1, 0.0);
    for (int i = 1; i < points; ++i) grid[i + 1] = grid[i] + step;
  }

  CrossSectionFlags read(recordio::RecordUnit& unit) {
    CrossSectionTape tape(unit);
    return readCrossSection(tape, keys, wanted, grid, static_cast<int>(grid.size()) - 1, 1, sigma,
                            tableEmax, scratch);
  }
  // sigma at grid point i in units of 1e-16 cm2
  double at(int i) const { return sigma[i] / 1.0000000168623835e-16; }
};

TEST(ReadCrossSectionTest, EitherDirectionAndFirstBlockOnly) {
  Reader reader(11, 1.0);  // grid 0..10 eV
  TapeBuilder tape;
  tape.block("XA + E ^ XC + E", {0, 10}, {9, 9})
      .block("XB + E(-) ^ XA + E-", {0, 5, 10}, {1, 2, 3})
      .block("XA + E ^ XB + E", {0, 10}, {7, 7});
  const CrossSectionFlags flags = reader.read(tape.finish());
  EXPECT_FALSE(flags.any());
  EXPECT_DOUBLE_EQ(reader.at(1), 1.0);
  EXPECT_DOUBLE_EQ(reader.at(6), 2.0);
  EXPECT_DOUBLE_EQ(reader.at(9), 2.6);
  EXPECT_EQ(reader.tableEmax, 10.0);
}

TEST(ReadCrossSectionTest, TableEndRules) {
  struct Row {
    const char* what;
    std::vector<double> energies;
    std::vector<double> sigmas;
    bool dataError;
    bool zeroRange;
    double emax;
    std::vector<double> expected;  // at u = 0, 1, ..., 5
  };
  const std::vector<Row> rows = {
      {"leading zeros: starts at the last zero",
       {0, 1, 2, 3},
       {0, 0, 2, 4},
       false,
       false,
       3,
       {0, 0, 2, 4, 0, 0}},
      {"0, 0, 3 has no usable part", {0, 1, 2}, {0, 0, 3}, true, false, 0, {0, 0, 0, 0, 0, 0}},
      {"trailing zeros: ends at the first zero",
       {0, 1, 2, 3, 4},
       {2, 3, 0, 0, 0},
       false,
       false,
       2,
       {2, 3, 0, 0, 0, 0}},
      {"..., 0, x ends before x", {0, 1, 2, 3}, {2, 3, 0, 5}, false, false, 2, {2, 3, 0, 0, 0, 0}},
      {"first positive: linear from 0, negative gives 0",
       {2, 3, 4},
       {1, 3, 5},
       false,
       false,
       4,
       {0, 0, 1, 3, 5, 0}},
      {"equal energy is a data error",
       {0, 1, 1, 2},
       {1, 1, 1, 1},
       true,
       false,
       1,
       {0, 0, 0, 0, 0, 0}},
      {"all zero", {0, 1, 2}, {0, 0, 0}, true, false, 0, {0, 0, 0, 0, 0, 0}},
      {"range between grid points",
       {1.2, 1.5, 1.8},
       {0, 1, 0},
       false,
       true,
       1.8,
       {0, 0, 0, 0, 0, 0}},
  };
  for (const Row& row : rows) {
    Reader reader(6, 1.0);
    TapeBuilder tape;
    tape.block("XA + E ^ XB + E", row.energies, row.sigmas);
    const CrossSectionFlags flags = reader.read(tape.finish());
    EXPECT_FALSE(flags.noData) << row.what;
    EXPECT_EQ(flags.dataError, row.dataError) << row.what;
    EXPECT_EQ(flags.zeroRange, row.zeroRange) << row.what;
    EXPECT_EQ(reader.tableEmax, row.emax) << row.what;
    for (int i = 1; i <= 6; ++i)
      EXPECT_DOUBLE_EQ(reader.at(i), row.expected[i - 1]) << row.what << " " << i;
  }
}

TEST(ReadCrossSectionTest, ShortLastEnergyCardCapsTheTable) {
  Reader reader(6, 1.0);
  TapeBuilder tape;
  // Nine energies on two cards; the second card's blank fields read 0 and end the
  // table; its sigma card still fills the two stored points, further values are dropped.
  tape.raw(std::string("XA + E ^ XB + E").append(39, ' ') + "     " + "  0" + "01/01/26" + " 1")
      .raw("reference")
      .raw("    0.0000    0.5000    1.0000    1.5000    2.0000    2.5000    3.0000")
      .raw("    1.0000    1.0000    1.0000    1.0000    1.0000    1.0000    1.0000")
      .raw("    3.5000    4.0000")
      .raw("    1.0000    1.0000    9.0000    9.0000")
      .raw(std::string(72, ' '));
  const CrossSectionFlags flags = reader.read(tape.finish());
  EXPECT_FALSE(flags.any());
  EXPECT_EQ(reader.tableEmax, 4.0);
  EXPECT_DOUBLE_EQ(reader.at(5), 1.0);
  EXPECT_DOUBLE_EQ(reader.at(6), 0.0);
}

TEST(ReadCrossSectionTest, UnitFactor) {
  struct Row {
    const char* field;
    double scale;
  };
  for (const Row row :
       {Row{"     ", 1.0}, Row{"0.000", 1.0}, Row{" 1000", 1.0}, Row{"2.500", 2.5}}) {
    Reader reader(3, 1.0);
    TapeBuilder tape;
    tape.block("XA + E ^ XB + E", {0, 10}, {4, 4}, row.field);
    ASSERT_FALSE(reader.read(tape.finish()).any()) << row.field;
    EXPECT_DOUBLE_EQ(reader.at(2), 4.0 * row.scale) << "[" << row.field << "]";
  }
}

TEST(ReadCrossSectionTest, NotFoundAndEmptyTape) {
  Reader reader(3, 1.0);
  TapeBuilder other;
  other.block("XA + E ^ XC + E", {0, 10}, {1, 1});
  const CrossSectionFlags flags = reader.read(other.finish());
  EXPECT_TRUE(flags.noData);
  EXPECT_FALSE(flags.dataError);
  EXPECT_FALSE(flags.zeroRange);
  EXPECT_EQ(reader.tableEmax, 0.0);
  EXPECT_EQ(reader.sigma, std::vector<double>(4, 0.0));

  TapeBuilder empty;
  EXPECT_TRUE(reader.read(empty.finish()).noData);
  recordio::RecordUnit nothing("working tape");
  EXPECT_THROW(reader.read(nothing), recordio::IoError);
}

// A tape that ends where a block goes on, or where a header or the end card is
// due, names the line of the block's header or the file's last line.
TEST(ReadCrossSectionTest, TapeEndingEarlyNamesTheLine) {
  const std::string header = "XA + E ^ XB + E" + std::string(55, ' ') + " 1";
  const std::string energies = "     1.000     2.000";
  const std::string sigmas = "     1.000     1.000";
  struct Row {
    const char* what;
    std::string text;
    std::string message;
  };
  const Row rows[] = {
      {"inside the reference card", header + "\n",
       "Cross.tmp, line 1: the process block that begins on this line has no blank card before "
       "the end of the file"},
      {"after an energy card", header + "\nREF\n" + energies + "\n",
       "Cross.tmp, line 1: the process block that begins on this line has no blank card before "
       "the end of the file"},
      {"where the end card is due", header + "\nREF\n" + energies + "\n" + sigmas + "\n\n",
       "Cross.tmp: no end card after the last process block (the file ends at line 5)"},
  };
  for (const Row& row : rows) {
    Reader reader(3, 1.0);
    recordio::RecordUnit unit = recordio::RecordUnit::fromText("Cross.tmp", row.text);
    reader.wanted = {1, 2};  // no block matches: the whole tape is searched
    try {
      reader.read(unit);
      ADD_FAILURE() << row.what << ": no failure";
    } catch (const recordio::IoError& e) {
      EXPECT_EQ(row.message, e.what()) << row.what;
    }
  }
}

// A tape searched twice gives the same answer from what it remembered, and a
// block is converted only when a search reaches it.
TEST(ReadCrossSectionTest, TapeIsReadLazilyAndRemembered) {
  Reader reader(3, 1.0);
  TapeBuilder tape;
  tape.block("XA + E ^ XB + E", {0, 10}, {4, 4}).raw(std::string(72, 'x'));
  recordio::RecordUnit& unit = tape.finish();
  CrossSectionTape cached(unit);
  for (int pass = 0; pass < 2; ++pass) {
    const CrossSectionFlags flags =
        readCrossSection(cached, reader.keys, reader.wanted, reader.grid, 3, 1, reader.sigma,
                         reader.tableEmax, reader.scratch);
    EXPECT_FALSE(flags.any());
  }
  const ReactionKeys missing{1, 2};
  EXPECT_THROW(readCrossSection(cached, reader.keys, missing, reader.grid, 3, 1, reader.sigma,
                                reader.tableEmax, reader.scratch),
               recordio::IoError);
}

// A one-component gas XA (mass 4) with the given processes, on a 10-interval grid.
struct TinyCase {
  RunParameters params;
  SpeciesTable species;
  GasComposition gas;
  ProcessTable processes;
  CaseGrid grid;
  recordio::MemorySink listing;

  TinyCase(double energyRange, int processCount) {
    params.meshIntervals = 10;
    params.meshPoints = 11;
    params.energyRangeList[1] = energyRange;
    params.startEnergy = 1.0;
    species.count = 3;
    species.name[1] = "XA      ";
    species.name[2] = "XB      ";
    species.name[3] = "E(-)    ";
    species.mass[1] = 4.0;
    species.amount[1] = 1e16;
    gas.count = 1;
    gas.species[1] = 1;
    gas.name[1] = "XA      ";
    gas.fraction[1] = 1.0;
    gas.mass[1] = 4.0;
    gas.electronIndex = 3;
    gas.gasDensity = 1e16;
    processes.count = processCount;
    for (int k = 1; k <= processCount; ++k) {
      const std::string text = "XA + E ^ XB + E";
      processes.deckCards[k] = text;
      processes.source[k] = k;
      processes.name[k] = (text + std::string(32, ' ')).substr(0, 32);
      processes.targetDensity[k] = 1e16;
      processes.threshold[k] = 1.0;
    }
  }

  bool setUp(recordio::RecordUnit& unit) {
    CrossSectionTape tape(unit);
    return setUpCase(params, gas, species, processes, tape, 1, grid, listing);
  }
};

std::vector<std::string> warningPageHead() {
  return {"1",
          "                              WARNING--",
          "",
          "          ERRORS OCCURRED FOR THE INPUT E-CROSS SECTIONS",
          "          FOR THE FOLLOWING ELECTRON COLLISION PROCESSES.",
          "     IF THE PROGRAM IS EXECUTED, A ZERO CROSSSECTION WILL BE ASSUMED:",
          "",
          "        ------------------------------------------------------------",
          ""};
}

const std::string kIndent(20, ' ');

// " n)  " + 32-character name + 3 blanks.
std::string itemHeader(const std::string& number, const std::string& name) {
  return kIndent + number + ")  " + (name + std::string(32, ' ')).substr(0, 32) + "   ";
}

std::vector<std::string> fatalMessage() {
  return {"", "                              FATAL ERROR",
          "     MOMENTUM TRANSFER COLLISION FREQUENCY BECAME ZERO AT SOME POINT;",
          "                          ANALISIS HAS 1/QM TERMS."};
}

TEST(CaseSetUpTest, WarningPageForMissingProcess) {
  TinyCase c(10.0, 1);
  TapeBuilder tape;
  tape.block("XA + E ^ XA + E", {0, 50}, {5, 5});
  EXPECT_TRUE(c.setUp(tape.finish()));
  std::vector<std::string> expected = warningPageHead();
  expected.push_back(kIndent + std::string(40, ' '));
  expected.push_back(itemHeader(" 1", "XA + E ^ XB + E"));
  expected.push_back(kIndent + "      NO E-CROSS SECTION DATA WAS FOUND.");
  EXPECT_EQ(c.listing.records, expected);
  // A process with a warning keeps a zero column.
  for (double v : c.grid.crossSectionGrid) EXPECT_EQ(v, 0.0);
}

TEST(CaseSetUpTest, WideRangePrintsAsterisksAndShortTableIsFatal) {
  TinyCase c(100.0, 1);
  TapeBuilder tape;
  tape.block("XA + E ^ XB + E", {12, 15, 18}, {0, 1, 0}).block("XA + E ^ XA + E", {0, 50}, {5, 5});
  EXPECT_FALSE(c.setUp(tape.finish()));
  std::vector<std::string> expected = warningPageHead();
  expected.push_back(kIndent + std::string(40, ' '));
  expected.push_back(itemHeader(" 1", "XA + E ^ XB + E"));
  expected.push_back(kIndent + "      SIGMA=0 IN THE RANGE  [0,****] EV.");
  expected.push_back(itemHeader(" 2", "MOMENTUM TRANSFER FOR XA"));
  expected.push_back(kIndent + "CROSS SECTION DOES NOT SPAN (0,****) EV.");
  for (const std::string& line : fatalMessage()) expected.push_back(line);
  EXPECT_EQ(c.listing.records, expected);
}

TEST(CaseSetUpTest, ComponentWithoutDataIsListedAsNotSpanning) {
  TinyCase c(10.0, 0);
  TapeBuilder tape;
  EXPECT_FALSE(c.setUp(tape.finish()));
  std::vector<std::string> expected = warningPageHead();
  expected.push_back(itemHeader(" 1", "MOMENTUM TRANSFER FOR XA"));
  expected.push_back(kIndent + "      NO E-CROSS SECTION DATA WAS FOUND.");
  expected.push_back(kIndent + "CROSS SECTION DOES NOT SPAN (0,10.0) EV.");
  for (const std::string& line : fatalMessage()) expected.push_back(line);
  EXPECT_EQ(c.listing.records, expected);
}

TEST(CaseSetUpTest, ZeroRangeAndMassLines) {
  TinyCase c(10.0, 1);
  c.gas.mass[1] = 0.0;
  TapeBuilder tape;
  tape.block("XA + E ^ XB + E", {0.12, 0.15, 0.18}, {0, 1, 0})
      .block("XA + E ^ XA + E", {0, 50}, {5, 5});
  // The only component is left out of the sums: the momentum-transfer sum is zero.
  EXPECT_FALSE(c.setUp(tape.finish()));
  std::vector<std::string> expected = warningPageHead();
  expected.push_back(kIndent + std::string(40, ' '));
  expected.push_back(itemHeader(" 1", "XA + E ^ XB + E"));
  expected.push_back(kIndent + "      SIGMA=0 IN THE RANGE  [0,10.0] EV.");
  expected.push_back(itemHeader(" 2", "MOMENTUM TRANSFER FOR XA"));
  expected.push_back(kIndent + "THE MASS ENTERED FOR THIS SPECIES  = 0  ");
  for (const std::string& line : fatalMessage()) expected.push_back(line);
  EXPECT_EQ(c.listing.records, expected);
}

TEST(CaseSetUpTest, WarningListStopsWithItsClosingLine) {
  // Each missing process takes 3 lines (15 words): after 15 items the list holds
  // 225 words and closes; the 16th and later processes and the component are not listed.
  TinyCase c(10.0, 20);
  TapeBuilder tape;
  EXPECT_FALSE(c.setUp(tape.finish()));
  const std::vector<std::string>& out = c.listing.records;
  ASSERT_EQ(out.size(), 9u + 45u + 2u + 4u);
  EXPECT_EQ(out[9 + 43], itemHeader("15", "XA + E ^ XB + E"));
  EXPECT_EQ(out[9 + 45], kIndent + std::string(40, ' '));
  EXPECT_EQ(out[9 + 46], kIndent + "NO FURTHER WARNING DIAGNOSTICS WILL BE ISSUED.");
  EXPECT_EQ(out[9 + 47], "");
}

// A column with data in one case and a warning in the next is zero again.
TEST(CaseSetUpTest, ColumnOfAFlaggedProcessIsClearedOnReuse) {
  TinyCase c(20.0, 1);
  c.params.energyRangeList[2] = 10.0;
  TapeBuilder tape;
  tape.block("XA + E ^ XB + E", {12, 15, 18}, {0, 1, 0}).block("XA + E ^ XA + E", {0, 50}, {5, 5});
  recordio::RecordUnit& unit = tape.finish();
  CrossSectionTape cached(unit);
  ASSERT_TRUE(setUpCase(c.params, c.gas, c.species, c.processes, cached, 1, c.grid, c.listing));
  EXPECT_GT(c.grid.crossSectionGrid[8], 0.0);  // u = 14 eV
  EXPECT_TRUE(c.listing.records.empty());
  ASSERT_TRUE(setUpCase(c.params, c.gas, c.species, c.processes, cached, 2, c.grid, c.listing));
  EXPECT_FALSE(c.listing.records.empty());
  for (double v : c.grid.crossSectionGrid) EXPECT_EQ(v, 0.0);
}

TEST(CaseSetUpTest, GridCoefficientsAndStartingDistribution) {
  TinyCase c(10.0, 1);
  c.params.startEnergy = 2.0;
  TapeBuilder tape;
  tape.block("XA + E ^ XA + E", {0, 50}, {5, 5}).block("XB + E ^ XA + E", {0, 1, 50}, {0, 2, 2});
  ASSERT_TRUE(c.setUp(tape.finish()));
  EXPECT_TRUE(c.listing.records.empty());
  const CaseGrid& g = c.grid;
  EXPECT_EQ(g.energyStep, 1.0);
  for (int i = 1; i <= 11; ++i) {
    EXPECT_EQ(g.energyGrid[i], i - 1.0);
    EXPECT_DOUBLE_EQ(g.momentumTransferSum[i], 5e-16 * 1.0000000168623835);
    EXPECT_DOUBLE_EQ(g.crossSectionGrid[i],
                     (i - 1.0) * (i == 1 ? 0.0 : 2e-16 * 1.0000000168623835));
    EXPECT_DOUBLE_EQ(g.distribution[i], std::exp(-(i - 1) / 2.0));
  }
  // Field coefficient u / (N Q) is linear in u: order-2 interpolation at the half
  // steps reproduces it; entry M repeats entry N.
  const double q = 5e-16 * 1.0000000168623835;
  for (int j = 1; j <= 10; ++j) EXPECT_DOUBLE_EQ(g.fieldCoefficient[j], (j - 0.5) / 1e16 / q);
  EXPECT_EQ(g.fieldCoefficient[11], g.fieldCoefficient[10]);
  // Elastic coefficient c u^2 N Q / M: quadratic, reproduced except in the last
  // interval, where the interpolation is linear.
  const double scale = 0.0010887315729632974 * 1e16 * q / 4.0;
  for (int j = 1; j <= 9; ++j) {
    EXPECT_NEAR(g.elasticCoefficient[j] / (scale * (j - 0.5) * (j - 0.5)), 1.0, 1e-12) << j;
  }
  EXPECT_NEAR(g.elasticCoefficient[10] / (scale * (81.0 + 100.0) / 2.0), 1.0, 1e-12);
}

}  // namespace
}  // namespace kinetics
