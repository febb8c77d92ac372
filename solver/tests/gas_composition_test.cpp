// Species cards, gas components and gas density.
#include <gtest/gtest.h>

#include "src/cards.h"
#include "src/gas_composition.h"

using namespace kinetics;

namespace {

struct Card3 { const char* name; const char* amount; const char* energy = ""; const char* mass = ""; };

struct SpeciesRun {
  RunParameters params;
  SpeciesTable species;
  GasComposition gas;
  SpeciesRun() {
    params.gasPressure = 760.0;
    params.gasTemperature = 273.0;
  }
  void read(const std::vector<Card3>& cards) {
    recordio::RecordUnit group("group");
    for (const Card3& c : cards) {
      group.write(padded(c.name, 8) + padded(c.amount, 10) + padded(c.energy, 10) +
                  padded(c.mass, 10) + std::string(32, ' ') + "+1");
    }
    writeCard(group, "", -1);
    group.rewind();
    readSpeciesGroup(group, params, species, gas);
  }
  double density() const { return 760.0 * 9.650000140617908e+18 / 273.0; }
};

}  // namespace

TEST(SpeciesTest, TwoGases) {
  SpeciesRun r;
  r.read({{"N2", " 8.000E-01", "0.", "28."}, {"O2", " 2.000E-01", "0.", "32."}});
  ASSERT_EQ(2, r.gas.count);
  EXPECT_EQ("N2      ", r.gas.name[1]);
  EXPECT_EQ("O2      ", r.gas.name[2]);
  EXPECT_DOUBLE_EQ(0.8, r.gas.fraction[1]);
  EXPECT_DOUBLE_EQ(0.2, r.gas.fraction[2]);
  EXPECT_EQ(28.0, r.gas.mass[1]);
  const double n = r.density();
  EXPECT_EQ(n, r.gas.gasDensity);
  EXPECT_EQ(0.8 * (n / 1.0), r.species.amount[1]);
  EXPECT_EQ(3, r.species.count);
  EXPECT_EQ("E(-)    ", r.species.name[3]);
  EXPECT_EQ(3, r.gas.electronIndex);
  EXPECT_EQ(2, r.gas.cardSpeciesCount);
}

TEST(SpeciesTest, RotationalCompanion) {
  SpeciesRun r;
  r.read({{"N2", "0.8", "", "28."}, {"RN2", "0", "0.0002", "28."}, {"O2", "0.2"}});
  EXPECT_EQ(1, r.species.isRotational[2]);
  EXPECT_EQ(0.8, r.species.rotationalAmount[2]);
  EXPECT_EQ(0.0, r.species.amount[2] * 0.0);
  ASSERT_EQ(3, r.gas.count);
  EXPECT_EQ("N2      ", r.gas.name[1]);
  EXPECT_EQ("RN2     ", r.gas.name[2]);  // 0.8 through its molecule, ahead of O2
  EXPECT_EQ(0.0, r.gas.fraction[2]);
  EXPECT_DOUBLE_EQ(0.8, r.gas.rotationalFraction[2]);
  EXPECT_EQ(0.0, r.gas.rotationalFraction[1]);
  EXPECT_EQ(0.0002, r.gas.rotationalEnergy[2]);
}

TEST(SpeciesTest, CardRules) {
  SpeciesRun r;
  r.params.electronDensity = 5.0;
  r.read({{"AR", "0.5", "1.0"}, {"E(-)", "1.0E10"}, {"AR", "0.7", "2.0", "40."}, {"AR*", "1500", "11500"}});
  EXPECT_EQ(3, r.species.count);       // AR, AR*, electron
  EXPECT_EQ(2.0, r.species.energy[1]);  // the last card of a name wins
  EXPECT_EQ(40.0, r.species.mass[1]);
  EXPECT_EQ(11.5, r.species.energy[2]);  // three implied decimals
  EXPECT_EQ(1e10, r.params.electronDensity);
  EXPECT_EQ("AR*     ", r.gas.name[1]);  // 1.5 before 0.7
  EXPECT_DOUBLE_EQ(0.7 / 2.2, r.gas.fraction[2]);
}

TEST(SpeciesTest, SmallAmountsAreNoComponent) {
  SpeciesRun r;
  r.read({{"A", "0.99"}, {"B", "5.0E-6"}});
  EXPECT_EQ(1, r.gas.count);
  SpeciesRun alone;
  alone.read({{"B", "5.0E-6"}});
  EXPECT_EQ(1, alone.gas.count);  // a first species is a component whatever its amount
}

TEST(SpeciesTest, Densities) {
  SpeciesRun r;
  r.read({{"A", "2.0E17"}, {"B", "5.0E16"}});
  EXPECT_EQ(2.5e17, r.gas.gasDensity);
  EXPECT_EQ(2e17, r.species.amount[1]);
  EXPECT_DOUBLE_EQ(0.8, r.gas.fraction[1]);
  EXPECT_DOUBLE_EQ(0.2, r.gas.fraction[2]);
}

TEST(SpeciesTest, HighFrequencyEffectiveField) {
  for (const char* amount : {"1.0", "2.5E17", "2.5E+17"}) {
    SpeciesRun r;
    r.params.fieldMode = 1;
    r.params.amplitudeList[1] = 100.0;
    r.read({{"A", amount}});
    double n = r.gas.gasDensity;
    EXPECT_EQ(100.0 / n * 10000000272564224.0 / 1.4142135381698608, r.params.fieldList[1]) << amount;
  }
}

TEST(SpeciesTest, RejectedDecks) {
  struct Row { const char* what; std::vector<Card3> cards; const char* message; };
  const Row rows[] = {
      {"no cards", {}, "no species card gives a positive amount"},
      {"only zeros", {{"A", "0"}, {"B", ""}}, "no species card gives a positive amount"},
      {"bad amount", {{"A", "0.5x"}}, "\"0.5x"},
      {"negative amount", {{"A", "0.5"}, {"B", "-0.5"}},
       "group, record 2: the amount of species \"B\" is negative (-0.5)"},
      {"negative mass", {{"A", "1.0", "0", "-4.0"}},
       "group, record 1: the mass of species \"A\" is negative (-4)"},
      {"negative rotational amount", {{"A", "1.0"}, {"RA", "-1.0"}}, "\"RA\" is negative (-1)"},
      // An R-prefixed name is a rotational species: its amount is no gas.
      {"only a rotational species", {{"XE*", "0"}, {"RB", "1.0", "0", "85.5"}},
       "group, record 2: species \"RB\" is read as a rotational species (its name begins with "
       "R), whose amount gives no gas of its own; no species card gives a positive amount to a "
       "species that is not rotational"},
  };
  for (const Row& row : rows) {
    SpeciesRun r;
    try {
      r.read(row.cards);
      ADD_FAILURE() << row.what << ": accepted";
    } catch (const recordio::IoError& e) {
      EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
    }
  }
}

TEST(SpeciesTest, NegativeElectronAmountIsTheDensityZero) {
  SpeciesRun r;
  r.params.electronDensity = 5.0;
  r.read({{"A", "1.0", "", "4."}, {"E", "-1.0E10", "", "-1."}});
  EXPECT_EQ(0.0, r.params.electronDensity);
}

TEST(SpeciesTest, TableFullOfCardsLeavesNoRoomForTheElectron) {
  std::vector<std::string> names;
  std::vector<Card3> cards;
  for (int i = 0; i < 252; ++i) names.push_back("S" + std::to_string(i));
  for (const std::string& n : names) cards.push_back({n.c_str(), "0.1"});
  SpeciesRun r;
  EXPECT_THROW(r.read(cards), recordio::IoError);
  EXPECT_EQ(kMaxSpecies, r.species.count);
}
