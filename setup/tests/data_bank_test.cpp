#include "setup/data_bank.h"

#include <gtest/gtest.h>

#include "fifo_unblocker.h"
#include "setup/card_text.h"
#include "test_support.h"

namespace setup {
namespace {

using test::endCardText;
using test::TempDir;
using test::writeFile;

// A .rc file from its lines, each ended by `eol`.
std::string rcFile(const std::vector<std::string>& lines, const std::string& eol = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + eol;
  return text;
}

std::string reactionLine(const std::string& text) {
  std::string line = text;
  line.resize(70, ' ');
  return line + "+1";
}

std::string speciesLine(const std::string& name, const std::string& amountField) {
  std::string line = name;
  line.resize(8, ' ');
  line += amountField;
  line.resize(70, ' ');
  return line + " 1";
}

class DataBankTest : public ::testing::Test {
 protected:
  TempDir dir;
  CalculationModel model = CalculationModel::atStartUp(dir.path());
  std::string bank() const { return dir.path() + "/Gasfiles/"; }
  void gasList(const std::string& content) { writeFile(bank() + "Gasnames.cnf", content); }
  void gas(const std::string& base, const std::vector<std::string>& lines,
           const std::string& eol = "\r\n") {
    writeFile(bank() + base + ".rc", rcFile(lines, eol));
  }
  void simpleGas(const std::string& base) {
    gas(base, {endCardText(), reactionLine("X + E(-) ^ X* + E(-)"), endCardText(),
               speciesLine("X", " 1.000E+00"), endCardText()});
  }
};

TEST(CardText, EndCardNeedsTheExactFirst72Columns) {
  std::string card = endCardText();
  EXPECT_TRUE(isEndCard(card));
  EXPECT_TRUE(isEndCard(card + "   trailing"));
  EXPECT_FALSE(isEndCard(card.substr(0, 71)));
  EXPECT_FALSE(isEndCard("-1"));
  EXPECT_FALSE(isEndCard(std::string(69, ' ') + "-1 "));
  EXPECT_FALSE(isEndCard(std::string(70, ' ') + "+1"));
}

TEST(CardText, CardsAreSeventyTwoColumns) {
  EXPECT_EQ(std::string(60, 'a') + std::string(12, ' '), toCard(std::string(60, 'a')));
  EXPECT_EQ(std::string(72, 'b'), toCard(std::string(80, 'b')));
  std::string card = reactionCard("AR + E(-) ^ AR* + E(-)");
  EXPECT_EQ(72u, card.size());
  EXPECT_EQ("AR + E(-) ^ AR* + E(-)" + std::string(48, ' ') + "+1", card);
  std::string full = reactionCard(std::string(60, 'r'));
  EXPECT_EQ(std::string(53, 'r') + std::string(17, ' ') + "+1", full);
}

TEST_F(DataBankTest, GasListMissingGivesTheWarningAndUserDirIsUsed) {
  DataBankLoad load = programDataBank(model);
  ASSERT_TRUE(load.warning.has_value());
  EXPECT_EQ("File " + bank() + "Gasnames.cnf" +
                " not found. Use File\\Change DataBank Dir MenuItem to set file path.",
            *load.warning);
  EXPECT_FALSE(model.DataBankLoaded);
  std::string other = dir.path() + "/other/";
  writeFile(other + "Gasnames.cnf", "");
  model.UserBankDir = other;
  load = programDataBank(model);
  EXPECT_FALSE(load.warning.has_value());
  EXPECT_TRUE(model.DataBankLoaded);
  EXPECT_EQ(other, model.DataBankDir);
  EXPECT_EQ(other, bankDirOfChosenFile(other + "Gasnames.cnf"));
}

// A refused "Program" changes nothing: neither the folder nor what was loaded
// from it or set since.
TEST_F(DataBankTest, RefusedProgramLeavesTheModelAsItWas) {
  simpleGas("A");
  gasList("A gas\n");
  ASSERT_FALSE(programDataBank(model).warning.has_value());
  model.GasChecked[0] = true;
  model.SpeciesAmounts[0][0] = 0.25;
  model.Summary.add("X       ", "0.25");
  model.EN[3] = 50;
  model.Er[3] = 30;
  model.Maxwellian = true;
  const std::string noBank = dir.path() + "/nothing/";
  std::filesystem::create_directories(noBank);
  model.UserBankDir = noBank;
  DataBankLoad load = programDataBank(model);
  ASSERT_TRUE(load.warning.has_value());
  EXPECT_NE(std::string::npos, load.warning->find(noBank + "Gasnames.cnf not found")) << *load.warning;
  EXPECT_EQ(bank(), model.DataBankDir);
  EXPECT_EQ(bank() + "Gasnames.cnf", model.GasListPath);
  EXPECT_EQ(noBank, model.UserBankDir);  // the choice stays for the next "Program"
  EXPECT_EQ(1, model.GasCount);
  EXPECT_TRUE(model.GasChecked[0]);
  EXPECT_DOUBLE_EQ(0.25, model.SpeciesAmounts[0][0]);
  EXPECT_FALSE(model.Summary.isEmpty());
  EXPECT_DOUBLE_EQ(50, model.EN[3]);
  EXPECT_DOUBLE_EQ(30, model.Er[3]);
  EXPECT_TRUE(model.Maxwellian);
  EXPECT_TRUE(model.DataBankLoaded);
}

TEST_F(DataBankTest, GasListLinesNamesAndEnds) {
  simpleGas("A");
  simpleGas("B");
  simpleGas("C");
  gasList("A Gas A\r\nB  Gas B\nC Gas C\n D ignored\nE never\n");
  std::vector<std::string> errors = loadDataBank(model);
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(3, model.GasCount);
  EXPECT_EQ("A", model.GasFileNames[0]);
  EXPECT_EQ("Gas A", model.GasDisplayNames[0]);
  EXPECT_EQ(" Gas B", model.GasDisplayNames[1]);  // the second blank belongs to the name
  EXPECT_EQ("Gas C", model.GasDisplayNames[2]);
  EXPECT_EQ(0, model.SelectedGas);
  EXPECT_TRUE(model.DataBankLoaded);
  EXPECT_EQ(bank() + "Gasnames.cnf", model.GasListPath);
}

TEST_F(DataBankTest, LastLineWithOrWithoutLineEnd) {
  simpleGas("A");
  simpleGas("B");
  gasList("A one\nB two\n");
  loadDataBank(model);
  EXPECT_EQ(2, model.GasCount);
  gasList("A one\nB two");
  loadDataBank(model);
  EXPECT_EQ(2, model.GasCount);
  EXPECT_EQ("two", model.GasDisplayNames[1]);
  gasList("A\nB two\n");  // a line without a blank is all base name
  loadDataBank(model);
  EXPECT_EQ(2, model.GasCount);
  EXPECT_EQ("A", model.GasFileNames[0]);
  EXPECT_EQ("", model.GasDisplayNames[0]);
  EXPECT_EQ("B", model.GasFileNames[1]);
}

TEST_F(DataBankTest, HundredAndOneLinesGiveHundredGases) {
  std::string list;
  for (int i = 0; i < 101; ++i) {
    simpleGas("G" + std::to_string(i));
    list += "G" + std::to_string(i) + " Gas " + std::to_string(i) + "\r\n";
  }
  gasList(list);
  EXPECT_TRUE(loadDataBank(model).empty());
  EXPECT_EQ(100, model.GasCount);
  EXPECT_EQ("G99", model.GasFileNames[99]);
}

TEST_F(DataBankTest, EmptyGasListSelectsNothing) {
  gasList("");
  EXPECT_TRUE(loadDataBank(model).empty());
  EXPECT_EQ(0, model.GasCount);
  EXPECT_EQ(-1, model.SelectedGas);
  EXPECT_TRUE(model.DataBankLoaded);
}

TEST_F(DataBankTest, FailedReactionSpeciesFilesAreReportedInOrder) {
  simpleGas("Good");
  gas("Bad", {reactionLine("no end card first"), endCardText()});
  gas("Empty", {});
  gasList("Missing m\nBad b\nGood g\nEmpty e\n");
  std::vector<std::string> errors = loadDataBank(model);
  ASSERT_EQ(3u, errors.size());
  EXPECT_EQ(bank() + "Missing.rc file is not found", errors[0]);
  EXPECT_EQ(bank() + "Bad.rc file read error", errors[1]);
  EXPECT_EQ(bank() + "Empty.rc file read error", errors[2]);
  EXPECT_EQ(4, model.GasCount);  // failed gases stay in the list
  for (int g : {0, 1, 3}) {
    EXPECT_EQ(0, model.ReactionCount[g]);
    EXPECT_EQ(0, model.SpeciesCount[g]);
    EXPECT_TRUE(model.ReactionTexts[g].empty());
    EXPECT_TRUE(model.SpeciesAmounts[g].empty());
  }
  EXPECT_EQ(1, model.ReactionCount[2]);
}

TEST_F(DataBankTest, ReactionAndSpeciesColumns) {
  std::string longText = "N2 + E(-) ^ N2(A) + E(-)";
  longText.resize(70, 'x');
  std::string longLine = reactionLine("R1") + std::string(100, 'z');  // 172 characters
  gas("G", {endCardText(), longText, "", longLine, endCardText() + "      ",
            speciesLine("AR", " 1.000E+00"), speciesLine("B", "       1.0"),
            speciesLine("C", "         1"), speciesLine("D", "          "),
            speciesLine("E(-)", " 1.000E+08") + std::string(80, 'q'), "-1", endCardText(),
            "after the last end card"});
  gasList("G gas\n");
  EXPECT_TRUE(loadDataBank(model).empty());
  ASSERT_EQ(3, model.ReactionCount[0]);
  EXPECT_EQ(longText.substr(0, 53), model.ReactionTexts[0][0]);
  EXPECT_EQ("", model.ReactionTexts[0][1]);  // a blank line is a reaction with an empty text
  EXPECT_EQ(53u, model.ReactionTexts[0][2].size());
  EXPECT_EQ((std::vector<std::uint8_t>{1, 1, 1}), model.ReactionSelected[0]);
  ASSERT_EQ(6, model.SpeciesCount[0]);  // "-1" alone is no end card: a species line
  EXPECT_EQ("AR      ", model.SpeciesNames[0][0]);
  EXPECT_EQ((std::vector<double>{1.0, 1.0, 1.0, 0.0, 1e8, 0.0}), model.SpeciesAmounts[0]);
  EXPECT_EQ("E(-)    ", model.SpeciesNames[0][4]);
  EXPECT_EQ("-1", model.SpeciesNames[0][5]);
}

TEST_F(DataBankTest, UnclosedSectionsEndAtTheEndOfTheFile) {
  gas("OpenSpecies", {endCardText(), reactionLine("R1"), endCardText(), speciesLine("S1", " 2.000E-01"),
                      speciesLine("S2", " 3.000E-01")});
  gas("OpenReactions", {endCardText(), reactionLine("R1"), reactionLine("R2")});
  gasList("OpenSpecies a\nOpenReactions b\n");
  EXPECT_TRUE(loadDataBank(model).empty());
  EXPECT_EQ(1, model.ReactionCount[0]);
  ASSERT_EQ(2, model.SpeciesCount[0]);
  EXPECT_DOUBLE_EQ(0.3, model.SpeciesAmounts[0][1]);
  EXPECT_EQ(2, model.ReactionCount[1]);
  EXPECT_EQ(0, model.SpeciesCount[1]);
}

TEST_F(DataBankTest, CrLfAndLfGiveTheSameData) {
  std::vector<std::string> lines = {endCardText(), reactionLine("AR + E(-) ^ AR* + E(-)"),
                                    endCardText(), speciesLine("AR", " 1.000E+00"), endCardText()};
  gas("Crlf", lines, "\r\n");
  gas("Lf", lines, "\n");
  gasList("Crlf one\r\nLf two\r\n");
  loadDataBank(model);
  EXPECT_EQ(model.ReactionTexts[0], model.ReactionTexts[1]);
  EXPECT_EQ(model.SpeciesNames[0], model.SpeciesNames[1]);
  EXPECT_EQ(model.SpeciesAmounts[0], model.SpeciesAmounts[1]);
  EXPECT_EQ("one", model.GasDisplayNames[0]);
}

TEST_F(DataBankTest, ReloadResetsChoicesAndParameters) {
  simpleGas("A");
  gasList("A gas\n");
  loadDataBank(model);
  model.GasChecked[0] = true;
  model.ReactionSelected[0][0] = 0;
  model.SpeciesAmounts[0][0] = 0.25;
  model.Summary.add("X       ", "0.25");
  model.GasTemperature = 300;
  model.EN[3] = 50;
  model.FieldMode = kFieldMagnetic;
  model.Maxwellian = true;
  model.OutputMode = 1;
  model.OutName = "kept";
  loadDataBank(model);
  EXPECT_FALSE(model.GasChecked[0]);
  EXPECT_EQ(1, model.ReactionSelected[0][0]);
  EXPECT_DOUBLE_EQ(1.0, model.SpeciesAmounts[0][0]);
  EXPECT_TRUE(model.Summary.isEmpty());
  EXPECT_EQ(1u, model.Summary.rows().size());
  EXPECT_DOUBLE_EQ(273.0, model.GasTemperature);
  EXPECT_DOUBLE_EQ(0.0, model.EN[3]);
  EXPECT_EQ(kFieldDirect, model.FieldMode);
  EXPECT_FALSE(model.Maxwellian);
  EXPECT_EQ(1, model.OutputMode);  // output mode and name are not part of the data bank
  EXPECT_EQ("kept", model.OutName);
}

TEST_F(DataBankTest, GasWhoseFileFailsOnReloadLosesItsData) {
  simpleGas("A");
  gasList("A gas\n");
  loadDataBank(model);
  ASSERT_EQ(1, model.SpeciesCount[0]);
  std::filesystem::remove(bank() + "A.rc");
  ASSERT_EQ(1u, loadDataBank(model).size());
  EXPECT_EQ(0, model.ReactionCount[0]);
  EXPECT_EQ(0, model.SpeciesCount[0]);
  EXPECT_TRUE(model.SpeciesNames[0].empty());
}

// A bank file's name borne by a FIFO, a folder or a device: reported like a
// missing file, at once.
TEST_F(DataBankTest, BankFilesThatAreNoRegularFilesCountAsMissing) {
  simpleGas("Good");
  std::filesystem::create_directories(bank() + "Folder.rc");
  std::filesystem::create_symlink("/dev/null", bank() + "Device.rc");
  gasList("Fifo f\nFolder d\nDevice n\nGood g\n");
  test::FifoUnblocker unblocker({bank() + "Fifo.rc"}, std::chrono::seconds(5));
  std::vector<std::string> errors = loadDataBank(model);
  EXPECT_FALSE(unblocker.fired()) << "the load waited on the FIFO";
  EXPECT_EQ((std::vector<std::string>{bank() + "Fifo.rc file is not found",
                                      bank() + "Folder.rc file is not found",
                                      bank() + "Device.rc file is not found"}),
            errors);
  EXPECT_EQ(4, model.GasCount);
  EXPECT_EQ(1, model.SpeciesCount[3]);
}

// Editors on other systems save a UTF-8 byte-order mark at the start of a file.
TEST_F(DataBankTest, ByteOrderMarkAtTheStartOfABankFileIsSkipped) {
  const std::string mark = "\xEF\xBB\xBF";
  writeFile(bank() + "A.rc", mark + rcFile({endCardText(), reactionLine("A + E(-) ^ A* + E(-)"),
                                            endCardText(), speciesLine("A", " 5.000E-01"),
                                            endCardText()}));
  gasList(mark + "A Gas A\r\n");
  EXPECT_TRUE(loadDataBank(model).empty());
  ASSERT_EQ(1, model.GasCount);
  EXPECT_EQ("A", model.GasFileNames[0]);
  EXPECT_EQ(1, model.ReactionCount[0]);
  ASSERT_EQ(1, model.SpeciesCount[0]);
  EXPECT_EQ("A       ", model.SpeciesNames[0][0]);
  EXPECT_DOUBLE_EQ(0.5, model.SpeciesAmounts[0][0]);
}

TEST(CalculationModelTest, StartUpAndDefaults) {
  CalculationModel model = CalculationModel::atStartUp("/home/user/run/");
  EXPECT_EQ("/home/user/run", model.ProgDir);
  EXPECT_EQ("/home/user/run/Gasfiles/", model.DataBankDir);
  EXPECT_EQ("/home/user/run", model.OutputDir);
  EXPECT_EQ("Tmp", model.OutName);
  EXPECT_EQ(0, model.OutNameIndex);
  EXPECT_EQ(0.0, model.GasTemperature);
  EXPECT_EQ(0.0, model.Freq);
  EXPECT_FALSE(model.DataBankLoaded);
  model.resetParametersToDefaults();
  EXPECT_EQ(1000.0, model.Freq);
  EXPECT_EQ(0.0, model.Magn);
  EXPECT_EQ(10.0, model.EN[0]);
  EXPECT_EQ(10.0, model.Er[0]);
  EXPECT_EQ(10.0, model.Eo[0]);
  EXPECT_EQ(0.0, model.EN[20]);
  EXPECT_EQ(273.0, model.GasTemperature);
  EXPECT_EQ(760.0, model.GasPressure);
  EXPECT_EQ(0.0, model.ElectronConc);
  EXPECT_EQ(10000.0, model.StartTe);
  EXPECT_EQ(0.001, model.Accuracy);
  EXPECT_EQ(2000.0, model.GridSize);
  EXPECT_EQ(500.0, model.MaxIter);
}

}  // namespace
}  // namespace setup
