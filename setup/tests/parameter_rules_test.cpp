#include "setup/parameter_rules.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

CalculationModel defaults() {
  CalculationModel model;
  model.resetParametersToDefaults();
  return model;
}

// Expected outcome of one commit; nullptr = none.
struct Expect {
  const char* cell;
  const char* message;
  bool messageFirst;
};

// One commit of a grid row: the typed text, and the value stored afterwards.
struct CommitRow {
  int row;
  const char* text;
  CommitTrigger trigger;
  double stored;
  Expect expect;
};

void expectResult(const Expect& expect, const CommitResult& result, const std::string& what) {
  if (expect.cell == nullptr) {
    EXPECT_FALSE(result.cellText.has_value()) << what;
  } else {
    EXPECT_EQ(expect.cell, result.cellText.value_or("<none>")) << what;
  }
  if (expect.message == nullptr) {
    EXPECT_FALSE(result.message.has_value()) << what;
  } else {
    EXPECT_EQ(expect.message, result.message.value_or("<none>")) << what;
    EXPECT_EQ(expect.messageFirst, result.messageFirst) << what;
  }
}

void expectTyping(const std::optional<std::string>& message, const char* expected,
                  const std::string& what) {
  if (expected == nullptr) {
    EXPECT_FALSE(message.has_value()) << what << ": " << message.value_or("");
  } else {
    EXPECT_EQ(expected, message.value_or("<none>")) << what;
  }
}

TEST(MixtureGrid, TypingAndCommits) {
  expectTyping(checkMixtureTyping("-", '.'), "This value must be float", "-");
  expectTyping(checkMixtureTyping("-5", '.'), nullptr, "-5");
  expectTyping(checkMixtureTyping("", '.'), nullptr, "empty");
  expectTyping(checkMixtureTyping("1,5", '.'), "This value must be float", "1,5");

  CommitRow rows[] = {
      {0, "300", CommitTrigger::Mouse, 300, {nullptr, nullptr, false}},
      {0, "3e2", CommitTrigger::Key, 300, {nullptr, nullptr, false}},
      {0, "0", CommitTrigger::Mouse, 273, {"273", "Gas Temperature value must be positive", false}},
      {0, "-1", CommitTrigger::Key, 273, {"273", "Gas Temperature value must be positive", false}},
      {0, "0", CommitTrigger::Exit, 273, {"273", "Gas Temperature value must be positive", true}},
      {0, "abc", CommitTrigger::Mouse, 273, {"273", nullptr, false}},
      {0, "", CommitTrigger::Exit, 273, {"273", nullptr, false}},
      {1, "0", CommitTrigger::Mouse, 760, {"760", "Gas Pressure value must be positive", false}},
      {1, "1.5", CommitTrigger::Exit, 1.5, {nullptr, nullptr, false}},
      {2, "0", CommitTrigger::Mouse, 0, {nullptr, nullptr, false}},
      {2, "1e8", CommitTrigger::Mouse, 1e8, {nullptr, nullptr, false}},
      {2, "-1", CommitTrigger::Exit, 0,
       {"0", "Electron Concentration value must be non-negative", true}},
      {2, "-1", CommitTrigger::Key, 0,
       {"0", "Electron Concentration value must be non-negative", false}},
  };
  for (const CommitRow& row : rows) {
    CalculationModel model = defaults();
    CommitResult result = commitMixture(model, row.row, row.text, row.trigger, '.');
    std::string what = std::to_string(row.row) + " '" + row.text + "'";
    expectResult(row.expect, result, what);
    const double stored[] = {model.GasTemperature, model.GasPressure, model.ElectronConc};
    EXPECT_DOUBLE_EQ(row.stored, stored[row.row])
        << what;
  }
}

TEST(FieldBox, TypingStoresAndExitRepairs) {
  CalculationModel model = defaults();
  setFieldMode(model, kFieldHighFrequency);
  EXPECT_EQ(" f, MHz", fieldBoxHeading(model.FieldMode));
  EXPECT_EQ("1000", fieldBoxText(model, '.'));
  expectTyping(typeFieldBox(model, "5", '.'), nullptr, "5");
  EXPECT_DOUBLE_EQ(5, model.Freq);
  expectTyping(typeFieldBox(model, "50", '.'), nullptr, "50");
  EXPECT_DOUBLE_EQ(50, model.Freq);
  expectTyping(typeFieldBox(model, "", '.'), nullptr, "empty");
  EXPECT_EQ("50", commitFieldBox(model, "", '.').value_or("<none>"));
  expectTyping(typeFieldBox(model, "0", '.'), "This value must be > 0", "0");
  expectTyping(typeFieldBox(model, "-", '.'), "This value must be float", "-");
  EXPECT_DOUBLE_EQ(50, model.Freq);
  EXPECT_EQ("50", commitFieldBox(model, "0", '.').value_or("<none>"));
  EXPECT_FALSE(commitFieldBox(model, "2450", '.').has_value());
  EXPECT_DOUBLE_EQ(2450, model.Freq);

  setFieldMode(model, kFieldMagnetic);
  EXPECT_EQ(" H, kGs", fieldBoxHeading(model.FieldMode));
  EXPECT_EQ("0", fieldBoxText(model, '.'));
  expectTyping(typeFieldBox(model, "-1", '.'), "This value must be >= 0", "-1");
  expectTyping(typeFieldBox(model, "0,5", ','), nullptr, "0,5");
  EXPECT_DOUBLE_EQ(0.5, model.Magn);
  EXPECT_EQ("0.5", commitFieldBox(model, "x", '.').value_or("<none>"));
  EXPECT_FALSE(commitFieldBox(model, "0", '.').has_value());
  EXPECT_DOUBLE_EQ(0, model.Magn);
  EXPECT_DOUBLE_EQ(2450, model.Freq);  // each type keeps its own value

  setFieldMode(model, kFieldDirect);
  EXPECT_EQ("", fieldBoxHeading(model.FieldMode));
  EXPECT_FALSE(typeFieldBox(model, "x", '.').has_value());
  EXPECT_FALSE(commitFieldBox(model, "x", '.').has_value());
}

TEST(VariantGrid, TypingAndCommits) {
  expectTyping(checkVariantTyping("-", '.'), "This value must be float", "-");
  expectTyping(checkVariantTyping("-5", '.'), "This value must be > 0", "-5");
  expectTyping(checkVariantTyping("0", '.'), nullptr, "0");
  expectTyping(checkVariantTyping("", '.'), nullptr, "empty");

  CalculationModel model = defaults();
  expectResult({nullptr, nullptr, false}, commitVariant(model, 1, 2, "20", '.'), "EN row 2");
  EXPECT_DOUBLE_EQ(20, model.EN[1]);
  expectResult({"20", nullptr, false}, commitVariant(model, 1, 2, "-5", '.'), "EN -5");
  expectResult({"20", nullptr, false}, commitVariant(model, 1, 2, "", '.'), "EN empty");
  expectResult({nullptr, nullptr, false}, commitVariant(model, 1, 1, "0", '.'), "EN 0");
  EXPECT_DOUBLE_EQ(0, model.EN[0]);
  expectResult({nullptr, nullptr, false}, commitVariant(model, 2, 21, "30", '.'), "Er row 21");
  EXPECT_DOUBLE_EQ(30, model.Er[20]);
  expectResult({nullptr, nullptr, false}, commitVariant(model, 2, 22, "30", '.'), "row 22");
  expectResult({nullptr, nullptr, false}, commitVariant(model, 0, 1, "30", '.'), "column 0");

  // Type 1 edits Eo; switching back shows the E/N column unchanged.
  setFieldMode(model, kFieldHighFrequency);
  EXPECT_EQ("Eo,  V/cm", variantValueHeading(model.FieldMode));
  EXPECT_EQ("10", variantCellText(model, 1, 1, '.'));
  commitVariant(model, 1, 2, "75", '.');
  EXPECT_DOUBLE_EQ(75, model.Eo[1]);
  EXPECT_DOUBLE_EQ(20, model.EN[1]);
  setFieldMode(model, kFieldMagnetic);
  EXPECT_EQ("E/N,  Td", variantValueHeading(model.FieldMode));
  EXPECT_EQ("20", variantCellText(model, 1, 2, '.'));
  EXPECT_EQ("30", variantCellText(model, 2, 21, '.'));
  setFieldMode(model, 7);  // not a field type
  EXPECT_EQ(kFieldMagnetic, model.FieldMode);
}

TEST(ProgramGrid, TypingAndCommitsWithLimits) {
  expectTyping(checkProgramTyping("-", '.'), "This value must be positive float", "-");
  expectTyping(checkProgramTyping("-5", '.'), nullptr, "-5");
  CommitRow rows[] = {
      {0, "5000", CommitTrigger::Key, 5000, {nullptr, nullptr, false}},
      {0, "0", CommitTrigger::Mouse, 10000, {"10000", "This value must be > 0", false}},
      {0, "-3", CommitTrigger::Key, 10000, {"10000", "This value must be > 0", false}},
      {0, "0", CommitTrigger::Exit, 10000, {"10000", nullptr, false}},
      {0, "x", CommitTrigger::Mouse, 10000, {"10000", nullptr, false}},
      {1, "0.001", CommitTrigger::Key, 0.001, {nullptr, nullptr, false}},
      {1, "0.0001", CommitTrigger::Key, 0.0001, {nullptr, nullptr, false}},
      {1, "0.0011", CommitTrigger::Key, 0.001, {"0.001", "This value must be <= 0.001", true}},
      {1, "5", CommitTrigger::Exit, 0.001, {"0.001", "This value must be <= 0.001", true}},
      {2, "100", CommitTrigger::Key, 100, {nullptr, nullptr, false}},
      {2, "20000", CommitTrigger::Key, 20000, {nullptr, nullptr, false}},
      {2, "2500.7", CommitTrigger::Key, 2500.7, {nullptr, nullptr, false}},
      {2, "99.9", CommitTrigger::Key, 2000,
       {"2000", "This value must be >= 100 and <= 20000", true}},
      {2, "20000.5", CommitTrigger::Mouse, 2000,
       {"2000", "This value must be >= 100 and <= 20000", true}},
      {3, "0.5", CommitTrigger::Key, 0.5, {nullptr, nullptr, false}},
      {3, "1e12", CommitTrigger::Key, 1e12, {nullptr, nullptr, false}},
      {3, "0", CommitTrigger::Mouse, 500, {"500", "This value must be > 0", false}},
  };
  for (const CommitRow& row : rows) {
    CalculationModel model = defaults();
    CommitResult result = commitProgram(model, row.row, row.text, row.trigger, '.');
    std::string what = std::to_string(row.row) + " '" + row.text + "'";
    expectResult(row.expect, result, what);
    const double stored[] = {model.StartTe, model.Accuracy, model.GridSize, model.MaxIter};
    EXPECT_DOUBLE_EQ(row.stored, stored[row.row]) << what;
  }
}

TEST(ParameterGrids, CellTextsUseTheRegionalSeparator) {
  CalculationModel model = defaults();
  EXPECT_EQ("273", mixtureCellText(model, 0, ','));
  EXPECT_EQ("760", mixtureCellText(model, 1, ','));
  EXPECT_EQ("0", mixtureCellText(model, 2, ','));
  EXPECT_EQ("10000", programCellText(model, 0, ','));
  EXPECT_EQ("0,001", programCellText(model, 1, ','));
  EXPECT_EQ("2000", programCellText(model, 2, ','));
  EXPECT_EQ("500", programCellText(model, 3, ','));
  CommitResult result = commitProgram(model, 1, "0,0005", CommitTrigger::Key, ',');
  EXPECT_FALSE(result.message.has_value());
  EXPECT_DOUBLE_EQ(0.0005, model.Accuracy);
  result = commitProgram(model, 1, "0.0005", CommitTrigger::Key, ',');
  EXPECT_EQ("0,0005", result.cellText.value_or(""));
}

}  // namespace
}  // namespace setup
