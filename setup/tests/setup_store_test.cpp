#include "setup/setup_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "setup/mixture_page.h"
#include "test_support.h"

namespace setup {
namespace {

using test::TempDir;

// A model with `gases` gases: gas g has g+1 reactions and two species.
CalculationModel sample(int gases) {
  CalculationModel model = CalculationModel::atStartUp("/start");
  model.resetParametersToDefaults();
  model.GasCount = gases;
  for (int g = 0; g < gases; ++g) {
    std::string n = std::to_string(g);
    model.GasFileNames[g] = "F" + n;
    model.GasDisplayNames[g] = "Gas " + n;
    model.ReactionCount[g] = g + 1;
    for (int k = 0; k <= g; ++k) {
      model.ReactionTexts[g].push_back("G" + n + " + E(-) ^ reaction " + std::to_string(k));
      model.ReactionSelected[g].push_back(k % 2 == 0);
    }
    model.SpeciesCount[g] = 2;
    model.SpeciesNames[g] = {"S" + n + "      ", "SHARED  "};
    model.SpeciesAmounts[g] = {0.25 * (g + 1), g == 0 ? 0.0 : 1.5};
  }
  model.SelectedGas = gases > 0 ? 0 : -1;
  return model;
}

long long countRecords(const std::string& path, const std::string& table) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, ("SELECT COUNT(*) FROM \"" + table + "\"").c_str(), -1, &stmt, nullptr);
  sqlite3_step(stmt);
  long long count = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return count;
}

void execSql(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr)) << sql;
  sqlite3_close(db);
}

TEST(SetupStoreTest, RoundTripRestoresTheWholeSetUp) {
  TempDir dir;
  std::string path = dir.path() + "/" + kStoreFileName;
  CalculationModel saved = sample(3);
  saved.GasChecked = {true, false, true};
  saved.ReactionTexts[2][0] = std::string(53, 'x');  // longer than the original 50-character field
  saved.EN[20] = 123.4567;
  saved.Er[20] = 30;
  saved.Eo[5] = 2.5e6;
  saved.Freq = 2450;
  saved.Magn = 0.5;
  saved.GasTemperature = 300;
  saved.GasPressure = 1.5;
  saved.ElectronConc = 1e8;
  saved.StartTe = 5000;
  saved.Accuracy = 0.0001;
  saved.GridSize = 2500.7;
  saved.MaxIter = 0.5;
  saved.FieldMode = kFieldMagnetic;
  saved.Maxwellian = true;
  saved.OutputMode = 1;
  saved.OutName = "case7";
  saved.OutputDir = "/data/runs";
  SetupStore(path).save(saved);

  CalculationModel loaded = CalculationModel::atStartUp("/elsewhere");
  loaded.DataBankDir = "/bank/";
  SetupStore(path).load(loaded, '.');
  EXPECT_EQ(3, loaded.GasCount);
  for (int g = 0; g < 3; ++g) {
    EXPECT_EQ(saved.GasFileNames[g], loaded.GasFileNames[g]);
    EXPECT_EQ(saved.GasDisplayNames[g], loaded.GasDisplayNames[g]);
    EXPECT_EQ(saved.GasChecked[g], loaded.GasChecked[g]);
    EXPECT_EQ(saved.ReactionCount[g], loaded.ReactionCount[g]);
    EXPECT_EQ(saved.ReactionTexts[g], loaded.ReactionTexts[g]);
    EXPECT_EQ(saved.SpeciesNames[g], loaded.SpeciesNames[g]);
    EXPECT_EQ(saved.SpeciesAmounts[g], loaded.SpeciesAmounts[g]);
  }
  EXPECT_EQ(saved.ReactionSelected[0], loaded.ReactionSelected[0]);
  // A reaction of an unchecked gas comes back unselected.
  EXPECT_EQ((std::vector<std::uint8_t>{0, 0}), loaded.ReactionSelected[1]);
  EXPECT_EQ(saved.EN, loaded.EN);
  EXPECT_EQ(saved.Er, loaded.Er);
  EXPECT_EQ(saved.Eo, loaded.Eo);
  EXPECT_EQ(2450, loaded.Freq);
  EXPECT_EQ(0.5, loaded.Magn);
  EXPECT_EQ(300, loaded.GasTemperature);
  EXPECT_EQ(1.5, loaded.GasPressure);
  EXPECT_EQ(1e8, loaded.ElectronConc);
  EXPECT_EQ(5000, loaded.StartTe);
  EXPECT_EQ(0.0001, loaded.Accuracy);
  EXPECT_EQ(2500.7, loaded.GridSize);
  EXPECT_EQ(0.5, loaded.MaxIter);
  EXPECT_EQ(kFieldMagnetic, loaded.FieldMode);
  EXPECT_TRUE(loaded.Maxwellian);
  EXPECT_EQ(1, loaded.OutputMode);
  EXPECT_EQ("case7", loaded.OutName);
  EXPECT_EQ("case7", loaded.OutNameText);
  EXPECT_EQ(-2, loaded.OutNameIndex);
  EXPECT_EQ("/data/runs", loaded.OutputDir);
  EXPECT_EQ(0, loaded.SelectedGas);
  // Not part of the store.
  EXPECT_EQ("/bank/", loaded.DataBankDir);
  EXPECT_FALSE(loaded.DataBankLoaded);
  // Summary: checked gases' non-zero amounts, one row each even for equal names.
  std::vector<std::pair<std::string, std::string>> rows;
  for (const SummaryRow& row : loaded.Summary.rows()) rows.emplace_back(row.name, row.text);
  EXPECT_EQ((std::vector<std::pair<std::string, std::string>>{
                {"S0      ", "0.25"}, {"S2      ", "0.75"}, {"SHARED  ", "1.5"}}),
            rows);
}

TEST(SetupStoreTest, ThreeOverFiveAndFiveOverThree) {
  TempDir dir;
  std::string path = dir.path() + "/" + kStoreFileName;
  SetupStore store(path);
  store.save(sample(5));
  EXPECT_EQ(5, countRecords(path, "CheckListBox1"));
  EXPECT_EQ(15, countRecords(path, "CheckListBox2"));
  EXPECT_EQ(10, countRecords(path, "StringGrid1"));
  store.save(sample(3));
  EXPECT_EQ(3, countRecords(path, "CheckListBox1"));
  EXPECT_EQ(6, countRecords(path, "CheckListBox2"));
  EXPECT_EQ(6, countRecords(path, "StringGrid1"));
  EXPECT_EQ(21, countRecords(path, "StringGrid5"));
  EXPECT_EQ(1, countRecords(path, "Parameters1"));
  EXPECT_EQ(1, countRecords(path, "Parameters2"));
  CalculationModel loaded;
  store.load(loaded, '.');
  EXPECT_EQ(3, loaded.GasCount);
  EXPECT_EQ("Gas 2", loaded.GasDisplayNames[2]);
  EXPECT_EQ("", loaded.GasDisplayNames[3]);
  EXPECT_EQ(0, loaded.ReactionCount[3]);
  store.save(sample(5));
  EXPECT_EQ(5, countRecords(path, "CheckListBox1"));
  store.load(loaded, '.');
  EXPECT_EQ(5, loaded.GasCount);
  EXPECT_EQ(5, loaded.ReactionCount[4]);
  EXPECT_EQ("G4 + E(-) ^ reaction 4", loaded.ReactionTexts[4][4]);
}

TEST(SetupStoreTest, MissingRecordsReadAsEmptyAndCountsAreClamped) {
  TempDir dir;
  std::string path = dir.path() + "/" + kStoreFileName;
  SetupStore store(path);
  store.save(sample(2));
  execSql(path, "UPDATE Parameters1 SET NumGases = 500;"
                "UPDATE CheckListBox1 SET NumReac1 = -4 WHERE ord = 0;"
                "UPDATE CheckListBox1 SET NumReac2 = 1000 WHERE ord = 1;"
                "DELETE FROM StringGrid1 WHERE ord > 1;"
                "DELETE FROM StringGrid5 WHERE ord > 2;");
  CalculationModel loaded;
  store.load(loaded, '.');
  EXPECT_EQ(100, loaded.GasCount);
  EXPECT_EQ(0, loaded.ReactionCount[0]);
  EXPECT_EQ(100, loaded.SpeciesCount[1]);
  EXPECT_EQ(100u, loaded.SpeciesAmounts[1].size());
  EXPECT_EQ("", loaded.SpeciesNames[1][0]);
  EXPECT_EQ(0.0, loaded.SpeciesAmounts[1][99]);
  EXPECT_EQ("", loaded.GasDisplayNames[50]);  // only two gas records
  EXPECT_EQ(0, loaded.SpeciesCount[50]);
  EXPECT_EQ(0.0, loaded.EN[5]);
}

TEST(SetupStoreTest, EmptyDatabaseLoadsAnEmptySetUp) {
  TempDir dir;
  CalculationModel loaded = sample(2);
  SetupStore(dir.path() + "/" + kStoreFileName).load(loaded, '.');
  EXPECT_EQ(0, loaded.GasCount);
  EXPECT_EQ(-1, loaded.SelectedGas);
  EXPECT_TRUE(loaded.Summary.isEmpty());
  EXPECT_EQ(0.0, loaded.GasTemperature);
}

TEST(SetupStoreTest, FailedSaveLeavesThePreviousSetUpWhole) {
  TempDir dir;
  std::string path = dir.path() + "/" + kStoreFileName;
  SetupStore store(path);
  store.save(sample(3));
  // A trigger makes the write of the fifth table fail halfway through Save.
  execSql(path, "CREATE TRIGGER refuse BEFORE INSERT ON StringGrid5 "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
  EXPECT_THROW(store.save(sample(5)), StoreError);
  EXPECT_EQ(3, countRecords(path, "CheckListBox1"));
  EXPECT_EQ(6, countRecords(path, "CheckListBox2"));
  EXPECT_EQ(21, countRecords(path, "StringGrid5"));
  CalculationModel loaded;
  store.load(loaded, '.');
  EXPECT_EQ(3, loaded.GasCount);
}

TEST(SetupStoreTest, UnopenableDatabaseThrowsAndLeavesTheModel) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() + "/" + kStoreFileName);
  SetupStore store(dir.path() + "/" + kStoreFileName);
  CalculationModel model = sample(2);
  EXPECT_THROW(store.save(model), StoreError);
  EXPECT_THROW(store.load(model, '.'), StoreError);
  EXPECT_EQ(2, model.GasCount);
}

}  // namespace
}  // namespace setup
