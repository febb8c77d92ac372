// Run parameters: reading, the list of cases, clamps and derived values.
#include <gtest/gtest.h>

#include <sstream>

#include "src/params.h"

using namespace kinetics;

namespace {

// The parameter file as the set-up program writes it, one value per line.
struct ParamFile {
  int fieldMode = 0;
  double frequency = 1000.0, magnetic = 0.0;
  std::vector<double> en{10.0}, eo{10.0}, er{10.0};
  double pressure = 760.0, temperature = 273.0, electrons = 0.0, startTe = 10000.0,
         accuracy = 0.001;
  std::string mesh = "2000", maxIter = "500";
  std::string graph = "/tmp/out/Tmp.gdt", listing = "/tmp/out/Tmp.lst";
  int outputMode = 0;

  recordio::RecordUnit unit() const {
    recordio::RecordUnit u("Param.tmp");
    auto real = [&](double v) {
      std::ostringstream s;
      s << std::showpoint << v;
      u.write(s.str());
    };
    auto list = [&](const std::vector<double>& values) {
      for (int i = 0; i < kMaxFieldValues; ++i) real(i < int(values.size()) ? values[i] : 0.0);
    };
    u.write("ZOLBEX PARAMETER FILE");
    u.write(std::to_string(fieldMode));
    real(frequency);
    real(magnetic);
    list(en);
    list(eo);
    real(pressure);
    real(temperature);
    real(electrons);
    list(er);
    real(startTe);
    real(accuracy);
    u.write(mesh);
    u.write("0");
    u.write("0.001");
    u.write(maxIter);
    u.write(graph + "   ");
    u.write(listing);
    u.write(std::to_string(outputMode));
    u.rewind();
    return u;
  }

  RunParameters read() const {
    recordio::RecordUnit u = unit();
    RunParameters p;
    readRunParameters(u, p);
    compactAndSortFieldList(p);
    deriveRunValues(p);
    return p;
  }
};

}  // namespace

TEST(RunParametersTest, ReadsEveryItem) {
  ParamFile f;
  f.en = {10.0, 20.0};
  f.er = {5.0, 6.0};
  f.electrons = 1e9;
  RunParameters p = f.read();
  EXPECT_EQ(0, p.fieldMode);
  EXPECT_EQ(0.0, p.frequencyOmega);
  EXPECT_EQ(1.0, p.fieldList[1]);  // Td to 1e-16 V cm2
  EXPECT_EQ(2.0, p.fieldList[2]);
  EXPECT_EQ(10.0, p.fieldListTd[1]);
  EXPECT_EQ(760.0, p.gasPressure);
  EXPECT_EQ(273.0, p.gasTemperature);
  EXPECT_EQ(1e9, p.electronDensity);
  EXPECT_EQ(10000.0, p.startTemperature);
  EXPECT_EQ(10000.0 * 8.614231822439214e-05, p.startEnergy);
  EXPECT_EQ(0.001, p.accuracy);
  EXPECT_EQ(2000, p.meshIntervals);
  EXPECT_EQ(2001, p.meshPoints);
  EXPECT_EQ(500, p.maxIterations);
  EXPECT_EQ("/tmp/out/Tmp.gdt", p.graphFileName);  // trailing blanks are not part of it
  EXPECT_EQ("/tmp/out/Tmp.lst", p.listingFileName);
  EXPECT_EQ(0, p.outputMode);
  EXPECT_FALSE(p.printFlags[1]);
  EXPECT_TRUE(p.printFlags[8]);
  EXPECT_EQ(2, caseCount(p));
}

TEST(RunParametersTest, FieldListCompactionAndSort) {
  struct Row {
    std::vector<double> en, er;
    std::vector<double> expectedEn, expectedEr;
    int cases;
  };
  const Row rows[] = {
      {{30, 10, 20}, {5, 6, 7}, {10, 20, 30}, {6, 7, 5}, 3},
      {{10, 0, 20}, {5, 0, 7}, {10, 20, 0}, {5, 7, 0}, 2},
      {{10, 0, 20}, {5, 6, 7}, {10, 0, 20}, {5, 6, 7}, 1},   // the zero entry ends the list
      {{10, 15, 20}, {5, 0, 7}, {10, 20, 0}, {5, 7, 0}, 2},  // 15 is lost to the gap
      {{20, -5, 10}, {5, 6, 7}, {20, -5, 10}, {5, 6, 7}, 3}, // a negative blocks the sort
      // A field value without a positive energy range is skipped; the others run.
      {{10, 20}, {5, 0}, {10, 0}, {5, 0}, 1},
      {{20, 10}, {15, 0}, {20, 0}, {15, 0}, 1},              // would sort first and end the list
      {{10, 30, 20}, {5, 25, 0}, {10, 30, 0}, {5, 25, 0}, 2},
      {{10, 40, 30}, {5, 0, 25}, {10, 30, 0}, {5, 25, 0}, 2},
      {{10, 15, 20}, {5, -3, 7}, {10, 20, 0}, {5, 7, 0}, 2}, // a negative range as well
      {{0, 15, 20}, {5, 6, 7}, {0, 15, 20}, {5, 6, 7}, 0},   // a zero field value still ends it
  };
  for (const Row& r : rows) {
    ParamFile f;
    f.en = r.en;
    f.er = r.er;
    RunParameters p = f.read();
    for (std::size_t i = 0; i < r.expectedEn.size(); ++i) {
      EXPECT_EQ(r.expectedEn[i], p.fieldListTd[i + 1]) << "entry " << i + 1;
      EXPECT_EQ(r.expectedEr[i], p.energyRangeList[i + 1]) << "entry " << i + 1;
    }
    EXPECT_EQ(r.cases, caseCount(p));
  }
}

TEST(RunParametersTest, HighFrequencySortsAmplitudes) {
  ParamFile f;
  f.fieldMode = 1;
  f.frequency = 100.0;
  f.en = {7.0, 8.0};
  f.eo = {300.0, 100.0, 200.0};
  f.er = {5.0, 6.0, 7.0};
  RunParameters p = f.read();
  EXPECT_EQ(100.0, p.amplitudeList[1]);
  EXPECT_EQ(300.0, p.amplitudeList[3]);
  EXPECT_EQ(6.0, p.energyRangeList[1]);
  EXPECT_EQ(0.7, p.fieldList[1]);  // E/N itself is not sorted in this mode
  EXPECT_EQ(100.0 * 1e6 * 6.28000020980835, p.frequencyOmega);
  EXPECT_EQ(0, p.outputMode);
}

TEST(RunParametersTest, HighFrequencySkipsAnAmplitudeWithoutEnergyRange) {
  ParamFile f;
  f.fieldMode = 1;
  f.eo = {300.0, 100.0};
  f.er = {5.0, 0.0};
  RunParameters p = f.read();
  EXPECT_EQ(300.0, p.amplitudeList[1]);
  EXPECT_EQ(5.0, p.energyRangeList[1]);
  EXPECT_EQ(0.0, p.amplitudeList[2]);
  EXPECT_EQ(1, p.outputMode);  // one case left: the full listing
}

TEST(RunParametersTest, ClampsAndSwitches) {
  ParamFile f;
  f.fieldMode = 2;
  f.magnetic = 1.0;
  f.pressure = 0.0;
  f.temperature = -5.0;
  f.startTe = 0.0;
  f.mesh = "50000";
  f.outputMode = 0;
  RunParameters p = f.read();
  EXPECT_EQ(17589999616.0, p.frequencyOmega);
  EXPECT_EQ(1.0, p.gasPressure);
  EXPECT_EQ(300.0, p.gasTemperature);
  EXPECT_EQ(300.0, p.startTemperature);
  EXPECT_EQ(0.0, p.startTemperatureAsRead);
  EXPECT_EQ(20000, p.meshIntervals);
  EXPECT_EQ(20001, p.meshPoints);
  // A single field value forces the full listing.
  EXPECT_EQ(1, p.outputMode);
  EXPECT_TRUE(p.printFlags[1] && p.printFlags[2] && p.printFlags[5] && p.printFlags[8]);
}

TEST(RunParametersTest, RejectedFiles) {
  struct Row { const char* what; std::function<void(ParamFile&)> change; const char* message; };
  const Row rows[] = {
      {"real for an integer", [](ParamFile& f) { f.mesh = "2000.0"; }, "Param.tmp, record 73"},
      {"bad number", [](ParamFile& f) { f.maxIter = "5OO"; }, "Param.tmp, record 76"},
      {"field mode 3", [](ParamFile& f) { f.fieldMode = 3; }, "field mode 3"},
      {"one interval", [](ParamFile& f) { f.mesh = "1"; }, "at least 2"},
      {"negative pressure", [](ParamFile& f) { f.pressure = -760.0; },
       "Param.tmp, record 47: the gas pressure -760 Torr is negative"},
  };
  for (const Row& r : rows) {
    ParamFile f;
    r.change(f);
    recordio::RecordUnit u = f.unit();
    RunParameters p;
    try {
      readRunParameters(u, p);
      ADD_FAILURE() << r.what << ": accepted";
    } catch (const recordio::IoError& e) {
      EXPECT_NE(std::string(e.what()).find(r.message), std::string::npos) << r.what << ": " << e.what();
    }
  }
}

TEST(RunParametersTest, FileEndingEarlyIsAFailure) {
  recordio::RecordUnit u = ParamFile{}.unit();
  std::vector<std::string> lines = u.records();
  recordio::RecordUnit cut("Param.tmp");
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) cut.write(lines[i]);  // no output mode
  cut.rewind();
  RunParameters p;
  EXPECT_THROW(readRunParameters(cut, p), recordio::IoError);
}
