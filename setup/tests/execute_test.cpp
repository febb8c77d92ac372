#include "setup/execute.h"

#include <gtest/gtest.h>

#include <future>

#include "setup/mixture_page.h"
#include "setup/summary_page.h"
#include "test_support.h"

namespace setup {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

const OverwriteQuestion kYes = [](const std::string&) { return true; };

bool anyInputFile(const std::string& dir) {
  return test::exists(dir + "/Cross.tmp") || test::exists(dir + "/React.tmp") ||
         test::exists(dir + "/Param.tmp");
}

TEST(ExecuteTest, RefusalsWriteNothing) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  SolverLauncher launcher(dir.path());
  ExecuteOutcome outcome = execute(model, launcher, kYes, nullptr);
  EXPECT_EQ("Gas Mixture was not choosen", outcome.error);

  setGasChecked(model, 0, true, '.');
  model.Er[0] = 0;
  outcome = execute(model, launcher, kYes, nullptr);
  EXPECT_EQ("No Electric Field Parameters and Energy Range Values were choosen", outcome.error);

  // The solver reads 200 bytes of the name: 90 letters "ü" take 180 of them.
  model.Er[0] = 10;
  std::string name;
  for (int i = 0; i < 90; ++i) name += "\xC3\xBC";
  model.OutName = name;
  const std::string path = dir.path() + "/" + name + ".gdt";
  ASSERT_GT(path.size(), 200u);
  outcome = execute(model, launcher, kYes, nullptr);
  EXPECT_EQ("Output file name " + path + " is " + std::to_string(path.size()) +
                " bytes long; the solver reads at most 200 bytes of it",
            outcome.error);
  EXPECT_FALSE(outcome.started);
  EXPECT_FALSE(anyInputFile(dir.path()));
}

TEST(ExecuteTest, WritesAndStartsOnceAndNotWhileRunning) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  setGasChecked(model, 0, true, '.');
  std::filesystem::copy_file(STUB_SOLVER, dir.path() + "/Kinrun.prg");
  test::writeFile(dir.path() + "/stub_sleep", "1");
  SolverLauncher launcher(dir.path());
  std::promise<FinishedRun> finished;
  ExecuteOutcome outcome =
      execute(model, launcher, kYes, [&](const FinishedRun& run) { finished.set_value(run); });
  EXPECT_TRUE(outcome.started);
  EXPECT_EQ("", outcome.error);
  EXPECT_TRUE(anyInputFile(dir.path()));

  // A second Execute while the solver runs writes nothing and starts nothing.
  std::filesystem::remove(dir.path() + "/Param.tmp");
  outcome = execute(model, launcher, kYes,
                    [](const FinishedRun&) { ADD_FAILURE() << "second start"; });
  EXPECT_FALSE(outcome.started);
  EXPECT_EQ("", outcome.error);
  EXPECT_FALSE(test::exists(dir.path() + "/Param.tmp"));
  FinishedRun run = finished.get_future().get();
  EXPECT_EQ(0, run.end.status);
  EXPECT_EQ(dir.path() + "/Tmp", run.outputBase);  // the files written into Param.tmp
}

TEST(ExecuteTest, NoToOverwriteStartsNothing) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  setGasChecked(model, 0, true, '.');
  test::writeFile(dir.path() + "/Tmp.lst", "earlier run");
  SolverLauncher launcher(dir.path());
  ExecuteOutcome outcome = execute(
      model, launcher, [](const std::string&) { return false; },
      [](const FinishedRun&) { ADD_FAILURE() << "started"; });
  EXPECT_FALSE(outcome.started);
  EXPECT_EQ("", outcome.error);
  EXPECT_TRUE(test::exists(dir.path() + "/Param.tmp"));  // written before the question
}

}  // namespace
}  // namespace setup
