#include "setup/summary_page.h"

#include <gtest/gtest.h>

#include "setup/output_naming.h"

namespace setup {
namespace {

CalculationModel defaults() {
  CalculationModel model = CalculationModel::atStartUp("/runs/start");
  model.resetParametersToDefaults();
  return model;
}

std::vector<std::vector<std::string>> variantCells(const SummaryPage& page) {
  std::vector<std::vector<std::string>> out;
  for (const VariantRow& row : page.variants) {
    out.push_back({row.number, row.fieldValue, row.energyRange});
  }
  return out;
}

using Table = std::vector<std::vector<std::string>>;

TEST(SummaryPageTest, DefaultsAfterALoad) {
  CalculationModel model = defaults();
  SummaryPage page = buildSummaryPage(model, '.');
  ASSERT_EQ(1u, page.mixture.size());
  EXPECT_EQ("", page.mixture[0].text);
  EXPECT_EQ("273", page.gasState[0]);
  EXPECT_EQ("760", page.gasState[1]);
  EXPECT_EQ("0.00E+00", page.gasState[2]);
  EXPECT_EQ("E/N,  Td", page.variantHeading);
  EXPECT_EQ((Table{{"1", "10", "10"}}), variantCells(page));
  EXPECT_EQ((std::array<std::string, 4>{"10000", "0.001", "2000", "500"}), page.programValues);
  EXPECT_EQ("Direct", page.fieldTypeLabel);
  EXPECT_EQ("", page.fieldValueLabel);
  EXPECT_EQ("Brief", page.outputModeLabel);
  EXPECT_EQ("Tmp.lst,  Tmp.gdt", page.outputFilesLabel);
  EXPECT_EQ("/runs/start", page.outputDir);
}

TEST(SummaryPageTest, OnlyVariantsWithValueAndRangeAreListed) {
  CalculationModel model = defaults();
  model.EN = {10, 0, 20, 30};
  model.Er = {10, 5, 0, 15};
  SummaryPage page = buildSummaryPage(model, '.');
  EXPECT_EQ((Table{{"1", "10", "10"}, {"2", "30", "15"}}), variantCells(page));
  EXPECT_EQ(2, countingVariants(model));

  model.FieldMode = kFieldHighFrequency;  // E/N values typed in type 0 do not appear
  model.Eo = {};
  model.Eo[3] = 2.5;
  page = buildSummaryPage(model, ',');
  EXPECT_EQ("Eo,  V/cm", page.variantHeading);
  EXPECT_EQ((Table{{"1", "2,5", "15"}}), variantCells(page));

  model.Eo = {};
  page = buildSummaryPage(model, '.');
  EXPECT_TRUE(page.variants.empty());
  EXPECT_EQ(0, countingVariants(model));
}

TEST(SummaryPageTest, FieldTypeLabelsAndOtherTexts) {
  CalculationModel model = defaults();
  model.FieldMode = kFieldHighFrequency;
  model.Freq = 13.56;
  model.ElectronConc = 1e8;
  model.OutputMode = 1;
  model.Summary.add("AR      ", "0.5");
  SummaryPage page = buildSummaryPage(model, '.');
  EXPECT_EQ("High frequency", page.fieldTypeLabel);
  EXPECT_EQ(" f = 13.56  MHz", page.fieldValueLabel);
  EXPECT_EQ("1.00E+08", page.gasState[2]);
  EXPECT_EQ("Full", page.outputModeLabel);
  ASSERT_EQ(1u, page.mixture.size());
  EXPECT_EQ("0.5", page.mixture[0].text);
  model.FieldMode = kFieldMagnetic;
  model.Magn = 0.25;
  page = buildSummaryPage(model, ',');
  EXPECT_EQ("Direct + _I_ Magnetic", page.fieldTypeLabel);
  EXPECT_EQ(" H = 0,25  kGs", page.fieldValueLabel);
}

TEST(OutputNaming, ChosenFilesGiveFolderAndBaseName) {
  struct Row {
    const char* chosen;
    const char* comboText;
    const char* dir;
    const char* base;
  } rows[] = {
      {"/data/runs/case7.gdt", "/data/runs/case7", "/data/runs", "case7"},
      {"/data/runs/case7.LST", "/data/runs/case7", "/data/runs", "case7"},
      {"/data/runs/case8", "/data/runs/case8", "/data/runs", "case8"},
      {"/data/runs/case9.txt", "/data/runs/case9.txt", "/data/runs", "case9.txt"},
      {"/data/runs/case10.Gdt", "/data/runs/case10.Gdt", "/data/runs", "case10.Gdt"},
      {"/top.gdt", "/top", "/", "top"},
  };
  for (const Row& row : rows) {
    CalculationModel model = defaults();
    chooseOutputFile(model, row.chosen);
    EXPECT_EQ(row.comboText, model.OutNameText) << row.chosen;
    EXPECT_EQ(row.dir, model.OutputDir) << row.chosen;
    EXPECT_EQ((std::vector<std::string>{"Tmp", row.base}), model.OutNameItems) << row.chosen;
    EXPECT_EQ(1, model.OutNameIndex) << row.chosen;
    EXPECT_EQ("Tmp", model.OutName) << row.chosen;  // fixed only by the summary page
    SummaryPage page = buildSummaryPage(model, '.');
    EXPECT_EQ(row.base, model.OutName) << row.chosen;
    EXPECT_EQ(row.base, model.OutNameText) << row.chosen;
    EXPECT_EQ(std::string(row.base) + ".lst,  " + row.base + ".gdt", page.outputFilesLabel);
  }
  CalculationModel model = defaults();
  chooseOutputFile(model, "/data/runs/case7.gdt");
  EXPECT_EQ("/data/runs/case7", outputBasePath((buildSummaryPage(model, '.'), model)));
  EXPECT_EQ("/top/x", outputBasePath([] {
              CalculationModel m = CalculationModel::atStartUp("/top");
              m.OutName = "x";
              return m;
            }()));
}

TEST(OutputNaming, SameNameInOtherCaseAddsNoItem) {
  CalculationModel model = defaults();
  chooseOutputFile(model, "/a/Case7.gdt");
  chooseOutputFile(model, "/b/CASE7.lst");
  EXPECT_EQ((std::vector<std::string>{"Tmp", "Case7"}), model.OutNameItems);
  EXPECT_EQ(1, model.OutNameIndex);
  EXPECT_EQ("/b", model.OutputDir);
  SummaryPage page = buildSummaryPage(model, '.');
  // The file chosen, not the item's spelling: the two are different files here.
  EXPECT_EQ("CASE7", model.OutName);
  EXPECT_EQ("CASE7", model.OutNameText);
  EXPECT_EQ("CASE7.lst,  CASE7.gdt", page.outputFilesLabel);
  EXPECT_EQ("/b/CASE7", outputBasePath(model));
  buildSummaryPage(model, '.');
  EXPECT_EQ("CASE7", model.OutName);

  chooseOutputFile(model, "/c/Case7.gdt");  // the item's own spelling picks the item
  buildSummaryPage(model, '.');
  EXPECT_EQ("Case7", model.OutName);
  EXPECT_EQ(1, model.OutNameIndex);
}

TEST(OutputNaming, EditedTextIsTakenWhenTheSummaryIsShown) {
  CalculationModel model = defaults();
  editOutNameText(model, "run1");
  EXPECT_EQ(-2, model.OutNameIndex);
  EXPECT_EQ("Tmp", model.OutName);
  SummaryPage page = buildSummaryPage(model, '.');
  EXPECT_EQ("run1", model.OutName);
  EXPECT_EQ(1, model.OutNameIndex);
  EXPECT_EQ("run1.lst,  run1.gdt", page.outputFilesLabel);
  buildSummaryPage(model, '.');  // a second visit adds nothing
  EXPECT_EQ(2u, model.OutNameItems.size());

  editOutNameText(model, "TMP");  // differs only in case: typed text, no new item
  buildSummaryPage(model, '.');
  EXPECT_EQ("TMP", model.OutName);
  EXPECT_EQ(0, model.OutNameIndex);
  EXPECT_EQ(2u, model.OutNameItems.size());
  SummaryPage again = buildSummaryPage(model, '.');  // and at every later visit
  EXPECT_EQ("TMP", model.OutName);
  EXPECT_EQ("TMP", model.OutNameText);
  EXPECT_EQ("TMP.lst,  TMP.gdt", again.outputFilesLabel);
  EXPECT_EQ(2u, model.OutNameItems.size());

  pickOutNameItem(model, 1);
  buildSummaryPage(model, '.');
  EXPECT_EQ("run1", model.OutName);
  EXPECT_EQ(1, model.OutNameIndex);
}

TEST(OutputNaming, ItemsPickedOrChosenAfterATypedNameAreTakenAsTheyAre) {
  CalculationModel model = defaults();
  editOutNameText(model, "tmp");
  buildSummaryPage(model, '.');
  EXPECT_EQ("tmp", model.OutName);

  pickOutNameItem(model, 0);  // picking the item from the list takes the item
  buildSummaryPage(model, '.');
  buildSummaryPage(model, '.');
  EXPECT_EQ("Tmp", model.OutName);

  editOutNameText(model, "TMP");
  buildSummaryPage(model, '.');
  chooseOutputFile(model, "/runs/Tmp.gdt");  // so does the file dialog
  buildSummaryPage(model, '.');
  EXPECT_EQ("Tmp", model.OutName);
  EXPECT_EQ("/runs/Tmp", outputBasePath(model));

  editOutNameText(model, "");  // an emptied box adds no empty item
  SummaryPage page = buildSummaryPage(model, '.');
  buildSummaryPage(model, '.');
  EXPECT_EQ("", model.OutName);
  EXPECT_EQ(".lst,  .gdt", page.outputFilesLabel);
  EXPECT_EQ((std::vector<std::string>{"Tmp"}), model.OutNameItems);
}

}  // namespace
}  // namespace setup
