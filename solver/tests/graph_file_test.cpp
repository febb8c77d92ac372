#include "src/graph_file.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "writer_fixtures.h"

namespace kinetics {
namespace {

using namespace testing;

double number(const std::string& line) { return std::stod(line); }

CaseGrid makeGrid(int meshIntervals, double step) {
    CaseGrid g;
    g.meshIntervals = meshIntervals;
    g.energyStep = step;
    g.energyGrid.assign(meshIntervals + 2, 0.0);
    g.distribution.assign(meshIntervals + 2, 0.0);
    for (int i = 1; i <= meshIntervals + 1; ++i) {
        g.energyGrid[i] = (i - 1) * step;
        g.distribution[i] = i;
    }
    return g;
}

TEST(GraphFileTest, StrideAndPointCount) {
    struct Row {
        int mesh, stride, points;
    };
    for (const Row& r : {Row{2000, 2, 1001}, Row{20000, 20, 1001}, Row{100, 1, 101},
                         Row{1001, 2, 501}, Row{1000, 1, 1001}}) {
        EXPECT_EQ(r.stride, graphStride(r.mesh)) << r.mesh;
        EXPECT_EQ(r.points, graphPointCount(r.mesh)) << r.mesh;
    }
}

TEST(GraphFileTest, GasLine) {
    struct Row {
        std::vector<std::pair<std::string, double>> components;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {{{"N2", 1.0}}, " Pure N2      "},
        {{{"N2", 0.7808}, {"O2", 0.2192}}, "N2  /O2  =78.08/21.92"},
        // 99.999 % rounds to 100.00, which does not fit F5.2; 1e-5 still qualifies.
        {{{"AR", 0.99999}, {"XE", 1e-5}}, "AR  /XE  =*****/ 0.00"},
        {{{"N2", 0.6}, {"O2", 0.4}, {"AR", 5e-6}}, "N2  /O2  =60.00/40.00"},
        {{{"ABCDEFGH", 0.5}, {"XY", 0.5}}, "ABCD/XY  =50.00/50.00"},
        {{{"CO2", 5e-6}, {"RCO2", 0.0}}, ""},
        {{{"RN2", 0.0}, {"N2", 1.0}}, " Pure N2      "},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.expected, graphGasLine(makeComposition(r.components))) << r.expected;

    std::vector<std::pair<std::string, double>> twelve;
    for (int i = 0; i < 12; ++i) twelve.push_back({"G" + std::to_string(i), 1.0 / 12});
    EXPECT_EQ(131u, graphGasLine(makeComposition(twelve)).size());
}

TEST(GraphFileTest, HeaderUniformField) {
    RunParameters params = makeParams(0);
    params.gasTemperature = 273.0;
    params.gasPressure = 760.0;
    ProcessTable processes = makeProcesses(2);
    processes.name[2] = "PROC 2";  // a shorter text is still written left-aligned in 32
    recordio::MemorySink sink;
    writeGraphHeader(params, makeComposition({{"N2", 0.7808}, {"O2", 0.2192}}), processes, 3,
                     sink);
    const auto& r = sink.records;
    ASSERT_EQ(8u + 2 + 4 + 3, r.size());
    EXPECT_EQ("ZOLBEX GRP FILE", r[0]);
    EXPECT_EQ(0, std::stoi(r[1]));
    EXPECT_EQ("Uniform Electric Field", r[2]);
    EXPECT_EQ("N2  /O2  =78.08/21.92", r[3]);
    EXPECT_EQ(" T = 273. K,  P = 760.00 Torr, Ne = 0.0E+00 cm(-3)", r[4]);
    EXPECT_EQ(101, std::stoi(r[5]));
    EXPECT_EQ(3, std::stoi(r[6]));
    EXPECT_EQ(2, std::stoi(r[7]));
    EXPECT_EQ(pad("PROC 1", 32), r[8]);
    EXPECT_EQ(pad("PROC 2", 32), r[9]);
    EXPECT_EQ("MOM. TRANSF. TOTAL", r[10]);
    EXPECT_EQ("ELAS.+ROT.(FOR MOL.)", r[11]);
    EXPECT_EQ("d(ln(Ne/N))/dt", r[12]);
    EXPECT_EQ("<u>d(ln(Ne)/dt", r[13]);
    EXPECT_EQ(" 0.12345E+02", r[14]);  // E/N in Td
    EXPECT_EQ(" 0.20000E+02", r[15]);
    EXPECT_EQ(" 0.30000E+02", r[16]);
}

TEST(GraphFileTest, HeaderFieldLinesAndConditionsByMode) {
    RunParameters params = makeParams(1);
    params.frequencyOmega = 6.28e9;
    params.electronDensity = 3.2e10;  // NE/N = 1e-6
    recordio::MemorySink hf;
    writeGraphHeader(params, makeComposition({{"AR", 1.0}}), makeProcesses(0), 2, hf);
    ASSERT_EQ(8u + 0 + 4 + 2, hf.records.size());
    EXPECT_EQ("High Frequency Electric Field OMEGA = 6.28E+09 s-1", hf.records[2]);
    EXPECT_EQ(" Pure AR      ", hf.records[3]);
    EXPECT_EQ(" T = 300. K,  P =   1.00 Torr,  Ne/N = 1.0E-06", hf.records[4]);
    EXPECT_EQ(" 0.10000E+03", hf.records[12]);  // Eo in V/cm
    EXPECT_EQ(" 0.20000E+03", hf.records[13]);

    params.fieldMode = 2;
    params.magneticField = 1.0;
    recordio::MemorySink crossed;
    writeGraphHeader(params, makeComposition({{"AR", 1.0}}), makeProcesses(0), 1, crossed);
    EXPECT_EQ("Electric Field + _|_ Magnetic  H =  1.00E+00 kGs", crossed.records[2]);
    EXPECT_EQ(" 0.12345E+02", crossed.records[12]);
}

TEST(GraphFileTest, EmptyGasLineKeepsItsPlace) {
    recordio::MemorySink sink;
    writeGraphHeader(makeParams(0), makeComposition({{"RN2", 0.0}}), makeProcesses(1), 1, sink);
    ASSERT_EQ(8u + 1 + 4 + 1, sink.records.size());
    EXPECT_EQ("", sink.records[3]);
    EXPECT_EQ(1, std::stoi(sink.records[7]));
}

TEST(GraphFileTest, DistributionBlockStrideFloorAndNonFinite) {
    CaseGrid grid = makeGrid(1001, 0.01);  // stride 2, 501 points
    grid.distribution[3] = 1e-60;
    grid.distribution[5] = -2.0;
    grid.distribution[7] = std::numeric_limits<double>::quiet_NaN();
    recordio::MemorySink sink;
    writeDistributionBlock(grid, sink);
    const auto& r = sink.records;
    ASSERT_EQ(2u * 501, r.size());
    EXPECT_EQ(" 0.0000000E+00", r[0]);
    EXPECT_EQ(" 0.2000000E-01", r[1]);  // point 3
    EXPECT_EQ(" 0.1000000E+02", r[500]);  // point 1001, u = 10
    EXPECT_EQ(" 0.10000E+01", r[501]);
    EXPECT_EQ(" 0.10000E-49", r[502]);
    EXPECT_EQ(" 0.10000E-49", r[503]);
    EXPECT_EQ("         NaN", r[504]);
    EXPECT_EQ(" 0.10010E+04", r[1001]);
    // The floor is applied to the distribution itself.
    EXPECT_EQ(1e-50, grid.distribution[3]);
    EXPECT_EQ(1e-50, grid.distribution[5]);
    EXPECT_EQ(2.0, grid.distribution[2]);  // between listed points: untouched
}

CaseResults twoCaseResults() {
    CaseResults results;
    CaseResults::Case& a = results[1];
    a.fieldValue = 2.5;
    a.forwardRate[1] = 1e-30;
    a.forwardRate[2] = 2.5e-9;
    a.momentumTransferRate = 0.0;
    a.netProductionCoefficient = -3e-12;
    a.powerPartition[1] = 5e-31;
    a.powerPartition[2] = -12.5;
    a.powerPartition[3] = 40.0;
    a.storageShare = -5e-31;
    a.meanEnergy = 2.5;
    a.characteristicEnergy = 1.5;
    a.diffusionCoefficient = 1e5;
    a.secondDiffusionCoefficient = 3e5;
    a.driftVelocity = 3e6;
    a.mobility = 4e5;
    a.secondMobility = 0.0;
    a.balanceAccuracy = -0.04;
    a.eeShare = 0.0;
    CaseResults::Case& b = results[2];
    b.fieldValue = 4.0;
    b.forwardRate[1] = 3e-10;
    b.forwardRate[2] = 1e-8;
    b.momentumTransferRate = 2e-7;
    b.netProductionCoefficient = 4e-11;
    b.powerPartition[1] = -5e-31;
    b.powerPartition[2] = 60.0;
    b.powerPartition[3] = 1e-31;
    b.storageShare = 5e-31;
    b.meanEnergy = 3.0;
    b.characteristicEnergy = 1.75;
    b.diffusionCoefficient = 2e5;
    b.secondDiffusionCoefficient = 4e5;
    b.driftVelocity = 5e6;
    b.mobility = 6e5;
    b.secondMobility = -1e3;
    b.balanceAccuracy = 0.26;
    b.eeShare = 1.25;
    return results;
}

TEST(GraphFileTest, CaseTableFloorsAndTrailer) {
    RunParameters params = makeParams(0);
    params.startTemperatureAsRead = 500.0;
    CaseResults results = twoCaseResults();
    recordio::MemorySink sink;
    writeCaseTableAndTrailer(params, makeProcesses(2), 2, results, sink);
    const std::vector<std::string> table = {
        " 0.25000E+02", " 0.40000E+02",                  // E/N times 10: Td
        " 0.10000E-29", " 0.30000E-09",                  // rate of process 1
        " 0.25000E-08", " 0.10000E-07",                  // rate of process 2
        " 0.10000E-29", " 0.20000E-06",                  // momentum transfer, floored
        " 0.10000E-29", " 0.40000E-10",                  // net production, negative floored
        " 0.00000E+00", " 0.00000E+00",                  // tiny shares zeroed
        "-0.12500E+02", " 0.60000E+02",                  //
        " 0.40000E+02", " 0.00000E+00",                  // elastic share
        "-0.10000E-29", " 0.10000E-29",                  // storage share
        " 0.25000E+01", " 0.30000E+01",                  // mean energy
        " 0.15000E+01", " 0.17500E+01",                  // characteristic energy
        " 0.10000E+06", " 0.20000E+06",                  // D
        " 0.30000E+06", " 0.40000E+06",                  // second D
        " 0.30000E+07", " 0.50000E+07",                  // drift velocity (mode 0)
        " 0.00000E+00", "-0.10000E+04",                  // second mobility
    };
    const auto& r = sink.records;
    ASSERT_EQ(1u + 2 * (2 * 2 + 11) + 3 + 2, r.size());
    EXPECT_EQ(2, std::stoi(r[0]));
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i], r[1 + i]) << "line " << i;
    EXPECT_NEAR(0.0010000000474974513, number(r[31]), 1e-15);
    EXPECT_EQ(100, std::stoi(r[32]));
    EXPECT_EQ(-500.0, number(r[33]));
    EXPECT_EQ("   10.0   -0.0    0.0", r[34]);
    EXPECT_EQ("   20.0    0.3    1.2", r[35]);

    // The adjustments are kept for the summary tables.
    EXPECT_EQ(1e-30, results[1].momentumTransferRate);
    EXPECT_EQ(1e-30, results[1].netProductionCoefficient);
    EXPECT_EQ(0.0, results[1].powerPartition[1]);
    EXPECT_EQ(0.0, results[2].powerPartition[3]);
    EXPECT_EQ(-1e-30, results[1].storageShare);
    EXPECT_EQ(1e-30, results[2].storageShare);
    EXPECT_EQ(-12.5, results[1].powerPartition[2]);
}

TEST(GraphFileTest, CaseTableHighFrequencyWritesEoAndMobility) {
    RunParameters params = makeParams(1);
    CaseResults results = twoCaseResults();
    results[1].fieldValue = 100.0;
    recordio::MemorySink sink;
    writeCaseTableAndTrailer(params, makeProcesses(2), 2, results, sink);
    EXPECT_EQ(" 0.10000E+03", sink.records[1]);  // Eo as stored
    EXPECT_EQ(" 0.40000E+06", sink.records[27]);  // mobility in place of drift velocity
    EXPECT_EQ(" 0.60000E+06", sink.records[28]);
}

TEST(GraphFileTest, TrailerStartTemperatureMarksMaxwellianRuns) {
    struct Row {
        int maxIterations;
        double start, expected;
    };
    for (const Row& row : {Row{900, 500.0, -500.0}, Row{-1, 500.0, 500.0}, Row{0, 500.0, -500.0},
                           Row{900, 0.0, 0.0}}) {
        RunParameters params = makeParams(0);
        params.maxIterations = row.maxIterations;
        params.startTemperatureAsRead = row.start;
        CaseResults results;
        recordio::MemorySink sink;
        writeCaseTableAndTrailer(params, makeProcesses(1), 0, results, sink);
        ASSERT_EQ(4u, sink.records.size());  // no case: NC line and three trailer values
        EXPECT_EQ(0, std::stoi(sink.records[0]));
        EXPECT_EQ(row.expected, number(sink.records[3])) << row.maxIterations;
        if (row.expected == 0.0) {
            EXPECT_EQ(std::string::npos, sink.records[3].find('-'));
        }
    }
}

TEST(GraphFileTest, LineCountOfCompleteAndStoppedRuns) {
    struct Row {
        int processes, fieldValues, cases, mesh;
    };
    for (const Row& row : {Row{2, 3, 3, 100}, Row{5, 5, 3, 2000}, Row{0, 1, 1, 1001}}) {
        RunParameters params = makeParams(0);
        params.meshIntervals = row.mesh;
        for (int k = 1; k <= row.fieldValues; ++k) params.fieldListTd[k] = k;
        const ProcessTable processes = makeProcesses(row.processes);
        recordio::MemorySink sink;
        writeGraphHeader(params, makeComposition({{"AR", 1.0}}), processes, row.fieldValues, sink);
        CaseResults results;
        for (int k = 1; k <= row.cases; ++k) {
            CaseGrid grid = makeGrid(row.mesh, 0.01);
            writeDistributionBlock(grid, sink);
        }
        writeCaseTableAndTrailer(params, processes, row.cases, results, sink);
        const int p = row.processes, nf = row.fieldValues, nc = row.cases;
        const int np = graphPointCount(row.mesh);
        const std::size_t expected = 8 + p + 4 + nf + 2 * np * nc + 1 + nc * (2 * p + 11) + 3 + nc;
        EXPECT_EQ(expected, sink.records.size()) << p << " " << nf << " " << nc;
    }
}

}  // namespace
}  // namespace kinetics
