#include "setup/mixture_page.h"

#include <gtest/gtest.h>

#include <cmath>

#include "setup/summary_list.h"

namespace setup {
namespace {

std::vector<std::pair<std::string, std::string>> cells(const SummaryList& list) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const SummaryRow& row : list.rows()) out.emplace_back(row.name, row.text);
  return out;
}

using Cells = std::vector<std::pair<std::string, std::string>>;

TEST(SummaryList, AddUpdatesInPlaceFillsTheEmptyRowOrAppends) {
  SummaryList list;
  EXPECT_TRUE(list.isEmpty());
  list.add("AR      ", "1");
  EXPECT_EQ((Cells{{"AR      ", "1"}}), cells(list));
  list.add("N2      ", "0.5");
  list.add("AR      ", "2");
  EXPECT_EQ((Cells{{"AR      ", "2"}, {"N2      ", "0.5"}}), cells(list));
  list.add("ar      ", "3");  // names are compared exactly
  EXPECT_EQ(3u, list.rows().size());
}

TEST(SummaryList, RemoveShiftsUpAndEmptiesTheLastRow) {
  SummaryList list;
  list.add("A", "1");
  list.add("B", "2");
  list.add("C", "3");
  list.remove("B");  // the second of three
  EXPECT_EQ((Cells{{"A", "1"}, {"C", "3"}}), cells(list));
  list.remove("unknown");
  EXPECT_EQ(2u, list.rows().size());
  list.remove("A");
  list.remove("C");
  EXPECT_EQ((Cells{{"", ""}}), cells(list));
  EXPECT_TRUE(list.isEmpty());
  list.add("D", "4");  // fills the empty row instead of appending
  EXPECT_EQ((Cells{{"D", "4"}}), cells(list));
}

TEST(HiddenSpeciesRule, NamesThatHideTheirRow) {
  struct Row {
    const char* name;
    bool hidden;
  } rows[] = {
      {"RN2     ", true},  {"R", true},          {"ARv1    ", true}, {"HEv     ", true},
      {"NEv2    ", true},  {"XEv     ", true},   {"KRv     ", true}, {"rN2     ", false},
      {"Arv     ", false}, {"ARV1    ", false},  {"AR      ", false}, {"", false},
      {"N2(v)   ", false}, {"arv     ", false},
  };
  for (const Row& row : rows) EXPECT_EQ(row.hidden, isHiddenSpecies(row.name)) << row.name;
}

// One gas with a visible and a hidden species, a second gas sharing a name.
class MixturePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.GasCount = 2;
    model.GasDisplayNames = {"Argon", "Mix"};
    model.ReactionCount[0] = 2;
    model.ReactionTexts[0] = {"R1", "R2"};
    model.ReactionSelected[0] = {1, 1};
    model.SpeciesCount[0] = 3;
    model.SpeciesNames[0] = {"AR      ", "ARv1    ", "AR*     "};
    model.SpeciesAmounts[0] = {0.123456789, 0.5, 0.0};
    model.SpeciesCount[1] = 2;
    model.SpeciesNames[1] = {"AR      ", "N2      "};
    model.SpeciesAmounts[1] = {2.0, 3.0};
    model.SelectedGas = 0;
  }
  CalculationModel model;
};

TEST_F(MixturePageTest, ConcentrationRowsShowDisplayFormAndHideSpecies) {
  std::vector<ConcentrationRow> rows = concentrationRows(model, 0, '.');
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ("0.123457", rows[0].text);
  EXPECT_FALSE(rows[0].hidden);
  EXPECT_EQ("0", rows[1].text);  // hidden: shows 0, the stored amount stays
  EXPECT_TRUE(rows[1].hidden);
  EXPECT_DOUBLE_EQ(0.5, model.SpeciesAmounts[0][1]);
  EXPECT_TRUE(concentrationRows(model, 5, '.').empty());
  EXPECT_TRUE(concentrationRows(model, -1, '.').empty());
}

TEST_F(MixturePageTest, CheckingAndUncheckingAGas) {
  setGasChecked(model, 0, true, '.');
  EXPECT_EQ((Cells{{"AR      ", "0.123457"}}), cells(model.Summary));  // hidden and zero stay out
  setGasChecked(model, 1, true, '.');
  EXPECT_EQ(1, model.SelectedGas);
  EXPECT_EQ((Cells{{"AR      ", "2"}, {"N2      ", "3"}}), cells(model.Summary));
  setGasChecked(model, 1, false, '.');  // removes the shared name too
  EXPECT_TRUE(model.Summary.isEmpty());
  EXPECT_FALSE(model.GasChecked[1]);
  EXPECT_TRUE(model.GasChecked[0]);
  EXPECT_DOUBLE_EQ(2.0, model.SpeciesAmounts[1][0]);
  setGasChecked(model, 7, true, '.');  // no such gas: nothing happens
  EXPECT_EQ(1, model.SelectedGas);
}

TEST_F(MixturePageTest, ReactionCheckMarks) {
  setReactionSelected(model, 0, 1, false);
  EXPECT_EQ((std::vector<std::uint8_t>{1, 0}), model.ReactionSelected[0]);
  setReactionSelected(model, 0, 1, true);
  setReactionSelected(model, 0, 2, false);  // out of range: ignored
  EXPECT_EQ((std::vector<std::uint8_t>{1, 1}), model.ReactionSelected[0]);
}

TEST_F(MixturePageTest, TypingMessages) {
  struct Row {
    const char* text;
    const char* message;  // nullptr: none
  } rows[] = {
      {"", nullptr},
      {"-", "This value must be nonnegative float (e format is acceptable)"},
      {"-1", "This value must be >= 0"},
      {"1e", "This value must be nonnegative float (e format is acceptable)"},
      {"1e-3", nullptr},
      {"0", nullptr},
      {"inf", "This value must be nonnegative float (e format is acceptable)"},
      {"0,5", "This value must be nonnegative float (e format is acceptable)"},
  };
  for (const Row& row : rows) {
    std::optional<std::string> message = checkConcentrationTyping(row.text, '.');
    if (row.message == nullptr) {
      EXPECT_FALSE(message.has_value()) << row.text;
    } else {
      EXPECT_EQ(row.message, message.value_or("")) << row.text;
    }
  }
  EXPECT_FALSE(checkConcentrationTyping("0,5", ',').has_value());
}

TEST_F(MixturePageTest, CommitAcceptsOrPutsTheStoredAmountBack) {
  setGasChecked(model, 0, true, '.');
  struct Row {
    const char* text;
    const char* cell;   // cell text after the commit
    double amount;      // stored afterwards
  } rows[] = {
      {"abc", "0.123456789", 0.123456789},  // plain form, not the display form
      {"", "0.123456789", 0.123456789},
      {"-2", "0.123456789", 0.123456789},
      {"2.5e-1", "2.5e-1", 0.25},
      {"0", "0", 0.0},
      {"-0", "-0", 0.0},
  };
  for (const Row& row : rows) {
    model.SpeciesAmounts[0][0] = 0.123456789;
    EXPECT_EQ(row.cell, commitConcentration(model, 0, 0, row.text, '.')) << row.text;
    EXPECT_DOUBLE_EQ(row.amount, model.SpeciesAmounts[0][0]) << row.text;
    EXPECT_FALSE(std::signbit(model.SpeciesAmounts[0][0])) << row.text;
  }
}

TEST_F(MixturePageTest, CommitKeepsTheSummary) {
  setGasChecked(model, 0, true, '.');
  commitConcentration(model, 0, 2, "7e-1", '.');
  EXPECT_EQ((Cells{{"AR      ", "0.123457"}, {"AR*     ", "7e-1"}}), cells(model.Summary));
  commitConcentration(model, 0, 0, "0", '.');
  EXPECT_EQ((Cells{{"AR*     ", "7e-1"}}), cells(model.Summary));
  commitConcentration(model, 0, 2, "0", '.');  // the only row: emptied, not removed
  EXPECT_EQ((Cells{{"", ""}}), cells(model.Summary));
  commitConcentration(model, 0, 0, "x", '.');  // rejected: the stored 0 is put back
  EXPECT_TRUE(model.Summary.isEmpty());
  commitConcentration(model, 0, 0, "3", '.');
  EXPECT_EQ((Cells{{"AR      ", "3"}}), cells(model.Summary));
}

TEST_F(MixturePageTest, CommittingAHiddenRowZeroesItsAmount) {
  EXPECT_DOUBLE_EQ(0.5, model.SpeciesAmounts[0][1]);
  commitConcentration(model, 0, 1, "0", '.');
  EXPECT_DOUBLE_EQ(0.0, model.SpeciesAmounts[0][1]);
  commitConcentration(model, 0, 1, "4", '.');
  EXPECT_DOUBLE_EQ(0.0, model.SpeciesAmounts[0][1]);
  EXPECT_TRUE(model.Summary.isEmpty());
}

TEST_F(MixturePageTest, CommitOutsideTheGasChangesNothing) {
  EXPECT_EQ("5", commitConcentration(model, 0, 3, "5", '.'));
  EXPECT_EQ("5", commitConcentration(model, 9, 0, "5", '.'));
  EXPECT_TRUE(model.Summary.isEmpty());
  model.SelectedGas = -1;
  selectGas(model, 4);
  EXPECT_EQ(-1, model.SelectedGas);
  selectGas(model, 1);
  EXPECT_EQ(1, model.SelectedGas);
}

}  // namespace
}  // namespace setup
