#include "setup/solver_input_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "fifo_unblocker.h"
#include "setup/card_text.h"
#include "setup/mixture_page.h"
#include "test_support.h"

namespace setup {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Byte comparison that names the first differing line.
void expectSameFile(const std::string& expected, const std::string& actual,
                    const std::string& what) {
  if (expected == actual) return;
  std::vector<std::string> e = splitLines(expected);
  std::vector<std::string> a = splitLines(actual);
  for (std::size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
    std::string el = i < e.size() ? e[i] : "<end of file>";
    std::string al = i < a.size() ? a[i] : "<end of file>";
    if (el != al) {
      ADD_FAILURE() << what << ": line " << i + 1 << " differs\n expected [" << el
                    << "]\n   actual [" << al << "]";
      return;
    }
  }
  ADD_FAILURE() << what << " differs";
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

const OverwriteQuestion kNeverAsked = [](const std::string& question) {
  ADD_FAILURE() << "unexpected question: " << question;
  return false;
};

struct GoldenCase {
  const char* name;
  void (*prepare)(CalculationModel&);
};

void argonOnly(CalculationModel& m) { setGasChecked(m, 0, true, '.'); }

const GoldenCase kGoldenCases[] = {
    {"defaults", argonOnly},
    {"two_gases",
     [](CalculationModel& m) {
       setGasChecked(m, 0, true, '.');
       setGasChecked(m, 1, true, '.');
       setReactionSelected(m, 1, 0, false);
       commitConcentration(m, 0, 0, "0.5", '.');
     }},
    {"maxwellian",
     [](CalculationModel& m) {
       argonOnly(m);
       m.Maxwellian = true;
     }},
    {"high_frequency",
     [](CalculationModel& m) {
       setGasChecked(m, 1, true, '.');
       m.FieldMode = kFieldHighFrequency;
       m.Freq = 2450;
       m.EN[1] = 123.4567;
       m.Eo[0] = 100;
       m.Eo[1] = 2.5e6;
       m.Er[0] = 30;
       m.Er[1] = 50;
       m.ElectronConc = 1e8;
       m.Accuracy = 0.0001;
       m.GridSize = 2000.9;
     }},
    {"output_name",
     [](CalculationModel& m) {
       argonOnly(m);
       m.OutputDir = m.ProgDir + "/runs";
       m.OutName = "case7";
       m.OutputMode = 1;
       m.MaxIter = 1e12;
     }},
};

TEST(SolverInputFiles, GoldenFiles) {
  for (const GoldenCase& golden : kGoldenCases) {
    TempDir dir;
    CalculationModel model = test::loadedTestBank(dir.path());
    golden.prepare(model);
    WriteResult result = writeSolverInputs(model, kNeverAsked);
    EXPECT_TRUE(result.startSolver) << golden.name;
    EXPECT_EQ("", result.error) << golden.name;
    for (const char* file : {"Cross.tmp", "React.tmp", "Param.tmp"}) {
      std::string expected =
          readFile(std::string(SETUP_TEST_DATA) + "/expected/" + golden.name + "/" + file);
      ASSERT_FALSE(expected.empty()) << golden.name << "/" << file;
      expected = replaceAll(expected, "@PROGDIR@", dir.path());
      expectSameFile(expected, readFile(dir.path() + "/" + file),
                     std::string(golden.name) + "/" + file);
    }
  }
}

TEST(SolverInputFiles, DeckOfOneGasTwoReactionsThreeSpeciesHasEightCards) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  argonOnly(model);
  std::ostringstream deck;
  ASSERT_TRUE(writeInputDeck(model, deck));
  std::vector<std::string> lines = splitLines(deck.str());
  ASSERT_EQ(8u, lines.size());
  for (const std::string& line : lines) {
    EXPECT_EQ(73u, line.size()) << line;  // 72 columns and the CR
    EXPECT_EQ('\r', line.back());
  }
}

TEST(SolverInputFiles, NothingSelectedGivesEmptyGroups) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  std::ostringstream deck, tape;
  writeInputDeck(model, deck);  // no gas checked
  writeCrossSectionTape(model, tape);
  std::string end = endCard() + "\r\n";
  EXPECT_EQ(end + end + end, deck.str());
  EXPECT_EQ(end, tape.str());

  argonOnly(model);
  setReactionSelected(model, 0, 0, false);
  setReactionSelected(model, 0, 1, false);
  std::ostringstream unselected;
  writeInputDeck(model, unselected);
  EXPECT_EQ(0u, unselected.str().find(end + end));  // the reaction group is empty
}

TEST(SolverInputFiles, HiddenSpeciesZeroAmountAndFilesThatChanged) {
  TempDir dir;
  std::string bank = dir.path() + "/Gasfiles/";
  std::string end = endCard();
  auto species = [](const std::string& name, const std::string& tail) {
    std::string line = name;
    line.resize(8, ' ');
    return line + " 9.000E+00" + tail;
  };
  // Species lines of 60 and 200 characters; the .crs is missing.
  writeFile(bank + "Gasnames.cnf", "H hidden\n");
  writeFile(bank + "H.rc", end + "\n" + end + "\n" + species("ARv1", std::string(42, '.')) + "\n" +
                               species("X", std::string(182, '.')) + "\n" + end + "\n");
  CalculationModel model = CalculationModel::atStartUp(dir.path());
  loadDataBank(model);
  setGasChecked(model, 0, true, '.');
  commitConcentration(model, 0, 0, "5", '.');  // hidden: committed as 0
  ASSERT_DOUBLE_EQ(0.0, model.SpeciesAmounts[0][0]);
  // The file gains a species line after the load: it keeps its own amount.
  writeFile(bank + "H.rc", readFile(bank + "H.rc").substr(0, 73 * 2) +
                               species("ARv1", std::string(42, '.')) + "\n" +
                               species("X", std::string(182, '.')) + "\n" +
                               species("EXTRA", std::string(10, '.')) + "\n");
  std::ostringstream deck, tape;
  writeInputDeck(model, deck);
  writeCrossSectionTape(model, tape);
  std::vector<std::string> lines = splitLines(deck.str());
  ASSERT_EQ(6u, lines.size());
  EXPECT_EQ("ARv1     0.000E+00" + std::string(42, '.') + std::string(12, ' ') + "\r", lines[2]);
  EXPECT_EQ("X        9.000E+00" + std::string(54, '.') + "\r", lines[3]);
  EXPECT_EQ("EXTRA    9.000E+00" + std::string(10, '.') + std::string(44, ' ') + "\r", lines[4]);
  EXPECT_EQ(endCard() + "\r\n", tape.str());
}

TEST(SolverInputFiles, BankFilesThatAreNoRegularFilesAreSkipped) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  argonOnly(model);
  const std::string bank = dir.path() + "/Gasfiles/";
  std::filesystem::remove(bank + "Ar.crs");
  std::filesystem::remove(bank + "Ar.rc");
  test::FifoUnblocker unblocker({bank + "Ar.crs", bank + "Ar.rc"}, std::chrono::seconds(5));
  WriteResult result = writeSolverInputs(model, kNeverAsked);
  EXPECT_FALSE(unblocker.fired()) << "Execute waited on a FIFO";
  EXPECT_TRUE(result.startSolver);
  const std::string end = endCard() + "\r\n";
  EXPECT_EQ(end, readFile(dir.path() + "/Cross.tmp"));
  std::vector<std::string> deck = splitLines(readFile(dir.path() + "/React.tmp"));
  ASSERT_EQ(5u, deck.size());  // end card, two reaction cards, end card, no species, end card
  EXPECT_EQ(endCard() + "\r", deck[3]);

  std::filesystem::remove(bank + "Ar.crs");
  std::filesystem::create_symlink("/dev/null", bank + "Ar.crs");
  ASSERT_TRUE(writeSolverInputs(model, kNeverAsked).startSolver);
  EXPECT_EQ(end, readFile(dir.path() + "/Cross.tmp"));
}

TEST(SolverInputFiles, ByteOrderMarkOfACrossSectionFileIsNotCopied) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  argonOnly(model);
  const std::string crs = dir.path() + "/Gasfiles/Ar.crs";
  std::ostringstream plain;
  writeCrossSectionTape(model, plain);
  writeFile(crs, "\xEF\xBB\xBF" + readFile(crs));
  std::ostringstream marked;
  writeCrossSectionTape(model, marked);
  EXPECT_EQ(plain.str(), marked.str());
}

// The solver moves field-list entries on their energy range alone and runs the
// leading ones with a field value: Param.tmp holds the listed variants first.
TEST(SolverInputFiles, ParameterFileHoldsTheListedVariantsFirst) {
  struct Row {
    const char* what;
    int mode;
    std::vector<std::pair<double, double>> rows;  // (field value, energy range) per variant row
    std::vector<const char*> fieldLines;          // the list in use, the rest "0.00000"
    std::vector<const char*> rangeLines;
  } rows[] = {
      {"gaps in both columns", kFieldDirect, {{10, 10}, {0, 5}, {20, 0}, {30, 15}},
       {"10.0000", "30.0000"}, {"10.0000", "15.0000"}},
      {"listed ones after a gap", kFieldDirect, {{0, 0}, {0, 0}, {100, 40}, {0, 0}, {300, 80}},
       {"100.000", "300.000"}, {"40.0000", "80.0000"}},
      {"high frequency", kFieldHighFrequency, {{0, 7}, {2.5e6, 50}}, {"2.50000e+06"},
       {"50.0000"}},
  };
  for (const Row& row : rows) {
    CalculationModel model = CalculationModel::atStartUp("/p");
    model.resetParametersToDefaults();
    model.FieldMode = row.mode;
    model.EN.fill(0);
    model.Eo.fill(0);
    model.Er.fill(0);
    for (std::size_t i = 0; i < row.rows.size(); ++i) {
      model.fieldValues()[i] = row.rows[i].first;
      model.Er[i] = row.rows[i].second;
    }
    // The list not in use is written as it stands.
    std::array<double, kFieldVariants>& other = row.mode == kFieldHighFrequency ? model.EN : model.Eo;
    other[0] = 0;
    other[1] = 12;
    other[2] = 5;
    std::ostringstream out;
    writeParameterFile(model, out);
    std::vector<std::string> lines = splitLines(out.str());
    ASSERT_EQ(79u, lines.size()) << row.what;
    auto expected = [](const std::vector<const char*>& leading) {
      std::vector<std::string> list(kFieldVariants, "0.00000\r");
      for (std::size_t i = 0; i < leading.size(); ++i) list[i] = std::string(leading[i]) + "\r";
      return list;
    };
    std::vector<std::string> otherLines = expected({"0.00000", "12.0000", "5.00000"});
    auto at = [&](int first) {
      return std::vector<std::string>(lines.begin() + first - 1, lines.begin() + first - 1 + 21);
    };
    const bool hf = row.mode == kFieldHighFrequency;
    EXPECT_EQ(hf ? otherLines : expected(row.fieldLines), at(5)) << row.what;   // E/N
    EXPECT_EQ(hf ? expected(row.fieldLines) : otherLines, at(26)) << row.what;  // Eo
    EXPECT_EQ(expected(row.rangeLines), at(50)) << row.what;                    // energy ranges
  }
}

TEST(SolverInputFiles, ParameterLines) {
  CalculationModel model = CalculationModel::atStartUp("/p");
  model.resetParametersToDefaults();
  auto line = [&](int n) {
    std::ostringstream out;
    writeParameterFile(model, out);
    std::vector<std::string> lines = splitLines(out.str());
    EXPECT_EQ(79u, lines.size());
    return lines.at(n - 1).substr(0, lines.at(n - 1).size() - 1);
  };
  EXPECT_EQ("/p/Tmp.gdt", line(77));
  EXPECT_EQ("/p/Tmp.lst", line(78));
  model.MaxIter = 0.5;
  EXPECT_EQ("0", line(76));
  model.MaxIter = 3e9;
  EXPECT_EQ("2147483647", line(76));
  model.Maxwellian = true;
  EXPECT_EQ("-1", line(76));
  model.GridSize = 2000.9;
  EXPECT_EQ("2000", line(73));
  model.StartTe = 100000;
  EXPECT_EQ("100000.", line(71));
  model.FieldMode = kFieldMagnetic;
  model.Magn = 2.5;
  EXPECT_EQ("2", line(2));
  EXPECT_EQ("2.50000", line(4));
}

TEST(OverwriteQuestion, AskedWhenAnOutputFileExists) {
  struct Row {
    bool gdt, lst;
    bool answer;
    bool asked, start;
  } rows[] = {
      {false, false, false, false, true}, {true, false, true, true, true},
      {false, true, false, true, false},  {true, true, false, true, false},
  };
  for (const Row& row : rows) {
    TempDir dir;
    CalculationModel model = test::loadedTestBank(dir.path());
    argonOnly(model);
    std::string base = dir.path() + "/Tmp";
    if (row.gdt) writeFile(base + ".gdt", "x");
    if (row.lst) writeFile(base + ".lst", "x");
    std::vector<std::string> questions;
    WriteResult result = writeSolverInputs(model, [&](const std::string& q) {
      questions.push_back(q);
      return row.answer;
    });
    EXPECT_EQ(row.start, result.startSolver);
    ASSERT_EQ(row.asked ? 1u : 0u, questions.size());
    if (row.asked) {
      EXPECT_EQ("Output Files " + base + ".* are already exist.  Overwrite?", questions[0]);
    }
    // The input files are written before the question, whatever the answer.
    for (const char* file : {"/Cross.tmp", "/React.tmp", "/Param.tmp"}) {
      EXPECT_TRUE(test::exists(dir.path() + file)) << file;
    }
  }
}

TEST(OverwriteQuestion, FileThatCannotBeCreatedIsReportedAndNothingAsked) {
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  argonOnly(model);
  writeFile(dir.path() + "/Tmp.gdt", "x");
  std::filesystem::create_directory(dir.path() + "/Cross.tmp");  // cannot be opened as a file
  WriteResult result = writeSolverInputs(model, kNeverAsked);
  EXPECT_FALSE(result.startSolver);
  EXPECT_NE(std::string::npos, result.error.find(dir.path() + "/Cross.tmp")) << result.error;
}

TEST(OverwriteQuestion, FullDeviceIsReported) {
  if (!test::exists("/dev/full")) GTEST_SKIP();
  TempDir dir;
  CalculationModel model = test::loadedTestBank(dir.path());
  argonOnly(model);
  ::symlink("/dev/full", (dir.path() + "/React.tmp").c_str());
  WriteResult result = writeSolverInputs(model, kNeverAsked);
  EXPECT_FALSE(result.startSolver);
  EXPECT_NE(std::string::npos, result.error.find(dir.path() + "/React.tmp")) << result.error;
}

}  // namespace
}  // namespace setup
