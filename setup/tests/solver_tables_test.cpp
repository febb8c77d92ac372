#include "setup/solver_tables.h"

#include <gtest/gtest.h>

#include <sstream>

#include "setup/execute.h"
#include "setup/mixture_page.h"
#include "test_support.h"

namespace setup {
namespace {

using test::TempDir;

// A card: data laid over 70 blanks, then the two-column code.
std::string card(const std::string& data, const char* code = " 1") {
  std::string text = data;
  text.resize(70, ' ');
  return text + code + "\r\n";
}

std::string endCard() { return card("", "-1"); }

// A species line: name, amount 1.0, energy 0, mass 10.
std::string speciesLine(const std::string& name) {
  std::string text = name;
  text.resize(8, ' ');
  return card(text + " 1.000E+00 0.000E+00 1.000E+01");
}

// A process block: header, reference card, one energy and one sigma card, blank card.
std::string processBlock(const std::string& reaction) {
  return card(reaction) + card("reference") + card("      0.0       1.0") +
         card("      0.0       1.0") + card("", " 0");
}

std::vector<std::string> names(std::initializer_list<const char*> list) {
  std::vector<std::string> out;
  for (const char* name : list) {
    std::string padded = name;
    padded.resize(8, ' ');
    out.push_back(padded);
  }
  return out;
}

TEST(SolverTables, ReactionTextNamesAsTheSolverEntersThem) {
  EXPECT_EQ(names({"AR", "E(-)", "AR*", "E(-)"}), reactionTextNames("AR + E ^ AR* + E-"));
  EXPECT_EQ(names({"XY+", "E(-)", "X", "Y"}), reactionTextNames("XY+ + E(-) ^ X + Y"));
  EXPECT_EQ(names({"N2(+)", "E(-)", "N2+", "E(-)"}),
            reactionTextNames("N2(+) + E ^ N2 + + E(-)"));
  EXPECT_EQ(names({"A", "E(-)", "B"}), reactionTextNames("A + E(-) ^ B + HNU"));
  EXPECT_EQ(names({"ABCDEFGH", "E(-)"}), reactionTextNames("ABCDEFGHIJ + E"));
  // Five species a side; a second "^" or an empty species ends the text.
  EXPECT_EQ(names({"A", "B", "C", "D", "E1", "G"}), reactionTextNames("A+B+C+D+E1+F ^ G"));
  EXPECT_EQ(names({"A", "B"}), reactionTextNames("A ^ B ^ C"));
  EXPECT_EQ(names({"A"}), reactionTextNames("A ^ ^ B"));
  // Only the first 54 columns are read.
  EXPECT_EQ(names({"ABCD"}), reactionTextNames(std::string(50, ' ') + "ABCDEFGH"));
  EXPECT_TRUE(reactionTextNames("        ").empty());
}

TEST(SolverTables, CountsCardsElectronReactionAndTapeNamesOnce) {
  std::istringstream deck(endCard() +                                      // no updates
                          card("AR + E(-) ^ AR* + E(-)") + card("AR + E ^ AR+ + E + E") +
                          endCard() + speciesLine("AR") + speciesLine("AR*") +
                          speciesLine("E") + speciesLine("E(-)") + speciesLine("AR") +
                          endCard());
  std::istringstream tape(processBlock("AR + E(-) ^ AR** + E(-)") +
                          processBlock("N2 + E(-) ^ N2 + E(-)") + endCard() +
                          processBlock("NEVERREAD + E ^ X + E"));
  SolverTableCounts counts = countSolverTables(deck, tape);
  EXPECT_EQ(2, counts.reactions);
  // AR, AR*, E(-), AR+ (reactions), AR**, N2 (tape); the electron cards add nothing.
  EXPECT_EQ(6, counts.speciesNames);
}

TEST(SolverTables, TapeUpdateCardsCountNeitherAsReactionsNorAsSpecies) {
  std::istringstream deck(card("UPD1 + E ^ UPD2 + E") + endCard() + card("AR + E ^ AR* + E") +
                          endCard() + speciesLine("AR") + endCard());
  std::istringstream tape(endCard());
  SolverTableCounts counts = countSolverTables(deck, tape);
  EXPECT_EQ(1, counts.reactions);
  EXPECT_EQ(3, counts.speciesNames);  // E(-), AR, AR*
}

TEST(SolverTables, RefusesOnlyBeyondTheTables) {
  EXPECT_FALSE(solverTableLimitError({206, 250}));
  std::optional<std::string> reactions = solverTableLimitError({207, 10});
  ASSERT_TRUE(reactions);
  EXPECT_NE(std::string::npos, reactions->find(" 207 selected reactions")) << *reactions;
  EXPECT_NE(std::string::npos, reactions->find("at most 206")) << *reactions;
  std::optional<std::string> species = solverTableLimitError({1, 251});
  ASSERT_TRUE(species);
  EXPECT_NE(std::string::npos, species->find(" 251 different species")) << *species;
  EXPECT_NE(std::string::npos, species->find("at most 250")) << *species;
}

// A data bank of two gases: "wide" with species S001..S<n> and the given
// reactions, "twin" with S001 and S002 again and one process block naming CRSX.
CalculationModel bankWith(const std::string& progDir, int species,
                          const std::vector<std::string>& reactions) {
  const std::string bank = progDir + "/Gasfiles/";
  test::writeFile(bank + "Gasnames.cnf", "wide Wide gas\r\ntwin Twin gas\r\n");
  std::string rc = endCard();
  for (const std::string& reaction : reactions) rc += card(reaction);
  rc += endCard();
  for (int i = 1; i <= species; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "S%03d", i);
    rc += speciesLine(name);
  }
  test::writeFile(bank + "wide.rc", rc + endCard());
  test::writeFile(bank + "wide.crs", processBlock("S001 + E(-) ^ S002 + E(-)") + endCard());
  test::writeFile(bank + "twin.rc", endCard() + endCard() + speciesLine("S001") +
                                        speciesLine("S002") + endCard());
  test::writeFile(bank + "twin.crs", processBlock("S002 + E(-) ^ CRSX + E(-)") + endCard());
  CalculationModel model = CalculationModel::atStartUp(progDir);
  loadDataBank(model);
  setGasChecked(model, 0, true, '.');
  setGasChecked(model, 1, true, '.');
  return model;
}

bool anyInputFile(const std::string& dir) {
  return test::exists(dir + "/Cross.tmp") || test::exists(dir + "/React.tmp") ||
         test::exists(dir + "/Param.tmp");
}

TEST(SolverTables, ExecuteRefusesMoreSpeciesNamesThanTheSolverHolds) {
  TempDir dir;
  // 248 cards + the electron + CRSX from the second gas's tape = 250.
  CalculationModel model = bankWith(dir.path(), 248, {"S001 + E ^ NEW1 + E"});
  const OverwriteQuestion yes = [](const std::string&) { return true; };
  SolverLauncher launcher(dir.path());
  EXPECT_EQ(251, countSolverTables(model).speciesNames);  // NEW1 from the reaction
  ExecuteOutcome outcome = execute(model, launcher, yes, nullptr);
  EXPECT_EQ(*solverTableLimitError({1, 251}), outcome.error);
  EXPECT_FALSE(outcome.started);
  EXPECT_FALSE(anyInputFile(dir.path()));

  setReactionSelected(model, 0, 0, false);
  EXPECT_EQ(250, countSolverTables(model).speciesNames);
  outcome = execute(model, launcher, yes, [](const FinishedRun&) {});
  EXPECT_EQ("", outcome.error);
  EXPECT_TRUE(test::exists(dir.path() + "/Param.tmp"));
}

TEST(SolverTables, ExecuteRefusesMoreSelectedReactionsThanTheSolverKeeps) {
  TempDir dir;
  CalculationModel model =
      bankWith(dir.path(), 2, std::vector<std::string>(207, "S001 + E(-) ^ S002 + E(-)"));
  const OverwriteQuestion yes = [](const std::string&) { return true; };
  SolverLauncher launcher(dir.path());
  ExecuteOutcome outcome = execute(model, launcher, yes, nullptr);
  EXPECT_EQ(*solverTableLimitError({207, 4}), outcome.error);
  EXPECT_FALSE(anyInputFile(dir.path()));

  setReactionSelected(model, 0, 206, false);
  outcome = execute(model, launcher, yes, [](const FinishedRun&) {});
  EXPECT_EQ("", outcome.error);
  EXPECT_TRUE(test::exists(dir.path() + "/React.tmp"));
}

TEST(SolverTables, ExecuteRefusesAnEmptyOutputName) {
  TempDir dir;
  CalculationModel model = bankWith(dir.path(), 2, {});
  model.OutName.clear();
  SolverLauncher launcher(dir.path());
  ExecuteOutcome outcome =
      execute(model, launcher, [](const std::string&) { return true; }, nullptr);
  EXPECT_EQ(kNoOutputName, outcome.error);
  EXPECT_FALSE(anyInputFile(dir.path()));
}

}  // namespace
}  // namespace setup
