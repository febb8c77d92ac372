// The bundled sample data bank through the core, and a whole run of the real
// solver on input files written from it.
#include <gtest/gtest.h>

#include <future>

#include "setup/data_bank.h"
#include "setup/execute.h"
#include "setup/mixture_page.h"
#include "setup/summary_page.h"
#include "test_support.h"

namespace setup {
namespace {

using namespace std::chrono_literals;
using test::readFile;
using test::TempDir;

const std::string kSampleBank = SAMPLE_BANK_DIR;

// A start-up directory holding a copy of the sample bank, loaded.
CalculationModel loadSampleBank(const std::string& progDir) {
  std::filesystem::copy(kSampleBank, progDir + "/Gasfiles");
  CalculationModel model = CalculationModel::atStartUp(progDir);
  DataBankLoad load = programDataBank(model);
  EXPECT_FALSE(load.warning.has_value());
  EXPECT_TRUE(load.errors.empty());
  return model;
}

int gasIndex(const CalculationModel& model, const std::string& base) {
  for (int g = 0; g < model.GasCount; ++g) {
    if (model.GasFileNames[g] == base) return g;
  }
  return -1;
}

// The "lucas" gas alone (the gas of the bundled example calculation), five field values.
void prepareExample(CalculationModel& model) {
  int g = gasIndex(model, "lucas");
  ASSERT_GE(g, 0);
  setGasChecked(model, g, true, '.');
  const double en[] = {100, 200, 300, 500, 1000};
  const double er[] = {40, 60, 80, 100, 150};
  for (int i = 0; i < 5; ++i) {
    model.EN[i] = en[i];
    model.Er[i] = er[i];
  }
}

TEST(SampleBank, LoadsEveryGasWithoutErrors) {
  if (!test::exists(kSampleBank + "/Gasnames.cnf")) GTEST_SKIP() << "no sample bank";
  TempDir dir;
  CalculationModel model = loadSampleBank(dir.path());
  ASSERT_GT(model.GasCount, 0);
  for (int g = 0; g < model.GasCount; ++g) {
    EXPECT_FALSE(model.GasDisplayNames[g].empty()) << model.GasFileNames[g];
    EXPECT_GT(model.ReactionCount[g], 0) << model.GasFileNames[g];
    EXPECT_GT(model.SpeciesCount[g], 0) << model.GasFileNames[g];
    for (const std::string& name : model.SpeciesNames[g]) EXPECT_EQ(8u, name.size()) << name;
    EXPECT_TRUE(test::exists(dir.path() + "/Gasfiles/" + model.GasFileNames[g] + ".crs"));
  }
}

TEST(SampleBank, WritesTheExampleDeckAndTape) {
  const std::string example = std::string(VORN_SOURCE_ROOT) + "/examples/basic";
  if (!test::exists(kSampleBank + "/lucas.rc") || !test::exists(example + "/React.tmp")) {
    GTEST_SKIP() << "no sample bank or example";
  }
  TempDir dir;
  CalculationModel model = loadSampleBank(dir.path());
  prepareExample(model);
  WriteResult result = writeSolverInputs(model, [](const std::string&) { return true; });
  ASSERT_EQ("", result.error);
  EXPECT_EQ(readFile(example + "/React.tmp"), readFile(dir.path() + "/React.tmp"));
  EXPECT_EQ(readFile(example + "/Cross.tmp"), readFile(dir.path() + "/Cross.tmp"));
}

TEST(EndToEnd, RealSolverRunsOnTheWrittenInputFiles) {
  const std::string kinrun = KINRUN_PROGRAM;
  if (kinrun.empty() || !test::exists(kinrun)) GTEST_SKIP() << "no solver program";
  if (!test::exists(kSampleBank + "/lucas.rc")) GTEST_SKIP() << "no sample bank";
  TempDir dir;
  CalculationModel model = loadSampleBank(dir.path());
  std::filesystem::copy_file(kinrun, dir.path() + "/Kinrun.prg");
  prepareExample(model);
  buildSummaryPage(model, '.');

  SolverLauncher launcher(dir.path());
  std::promise<int> finished;
  ExecuteOutcome outcome = execute(model, launcher, [](const std::string&) { return true; },
                                   [&](const FinishedRun& run) { finished.set_value(run.end.status); });
  ASSERT_EQ("", outcome.error);
  ASSERT_TRUE(outcome.started);
  std::future<int> status = finished.get_future();
  ASSERT_EQ(std::future_status::ready, status.wait_for(300s));
  EXPECT_EQ(0, status.get());
  EXPECT_EQ(0u, readFile(dir.path() + "/Tmp.gdt").rfind("ZOLBEX GRP FILE", 0));
  EXPECT_FALSE(readFile(dir.path() + "/Tmp.lst").empty());
  // The solver deletes its input files.
  EXPECT_FALSE(test::exists(dir.path() + "/Param.tmp"));
  EXPECT_FALSE(test::exists(dir.path() + "/React.tmp"));
  EXPECT_FALSE(test::exists(dir.path() + "/Cross.tmp"));
}

}  // namespace
}  // namespace setup
