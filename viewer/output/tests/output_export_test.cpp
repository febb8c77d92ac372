#include <fstream>

#include <gtest/gtest.h>

#include "fake_prompts.h"
#include "output_commands.h"
#include "test_files.h"

namespace vorn::viewer::output {
namespace {

using namespace vorn::viewer::output::testing;

class ExportTable : public ::testing::Test {
 protected:
  TempDir dir;
  FakePrompts prompts;
  OutputCommands commands{prompts};

  // A hand-made run of three field values with three rate curves; the first
  // is off, the other two are on.
  std::vector<TableCurve> curves = {
      {{10, 100, 1000}, {1e-12, 2e-11, 3.5e-10}, false},
      {{10, 100, 1000}, {4.25e-9, 5e-9, 6.125e-9}, true},
      {{10, 100, 1000}, {0.5, 12.75, 99.875}, true},
  };
  const std::string expected =
      "10 4.25e-09 10 0.5 \n"
      "100 5e-09 100 12.75 \n"
      "1000 6.125e-09 1000 99.875 \n";

  void exportTo(const std::string& name) {
    prompts.tableAnswer = QString::fromStdString(dir.file(name));
    commands.exportChart(curves, QStringLiteral("/start/dir"), nullptr);
  }
};

TEST_F(ExportTable, WritesTheCurvesThatAreOn) {
  exportTo("rates.dat");
  EXPECT_TRUE(prompts.questions.isEmpty());
  EXPECT_TRUE(prompts.errors.isEmpty());
  EXPECT_EQ(QStringList{"/start/dir"}, prompts.startDirs);
  EXPECT_EQ(expected, readAll(dir.file("rates.dat")));
}

TEST_F(ExportTable, NameWithoutExtensionGetsDat) {
  exportTo("rates");
  EXPECT_EQ(expected, readAll(dir.file("rates.dat")));
}

TEST_F(ExportTable, ExistingFileIsOverwrittenOnlyAfterYes) {
  const std::string path = dir.file("rates.dat");
  std::ofstream(path) << "old contents, longer than the new table would be ............\n";
  prompts.confirmAnswer = false;
  exportTo("rates.dat");
  ASSERT_EQ(1, prompts.questions.size());
  EXPECT_EQ("Export File " + path + " is already exist.  Overwrite?",
            prompts.questions[0].toStdString());
  EXPECT_EQ(0u, readAll(path).find("old contents"));

  prompts.confirmAnswer = true;
  exportTo("rates.dat");
  EXPECT_EQ(2, prompts.questions.size());
  EXPECT_EQ(expected, readAll(path));
}

TEST_F(ExportTable, UnwritableFileIsReportedByName) {
  exportTo("missing/rates.dat");
  ASSERT_EQ(1, prompts.errors.size());
  EXPECT_TRUE(prompts.errors[0].contains(QString::fromStdString(dir.file("missing/rates.dat"))))
      << prompts.errors[0].toStdString();
}

TEST_F(ExportTable, ChartWithoutCurvesWritesEmptyTable) {
  curves.clear();
  exportTo("empty.dat");
  EXPECT_TRUE(prompts.errors.isEmpty());
  EXPECT_TRUE(std::filesystem::exists(dir.file("empty.dat")));
  EXPECT_EQ("", readAll(dir.file("empty.dat")));
}

TEST_F(ExportTable, CancelledDialogWritesNothing) {
  commands.exportChart(curves, QStringLiteral("/start/dir"), nullptr);
  EXPECT_TRUE(prompts.errors.isEmpty());
  EXPECT_TRUE(prompts.questions.isEmpty());
}

}  // namespace
}  // namespace vorn::viewer::output
