#include "viewer/core/graph_data.h"

#include <gtest/gtest.h>

#include <sstream>

#include "gdt_builder.h"

namespace vorn::viewer {
namespace {

using test::buildGdt;
using test::GdtSpec;

ReadResult readText(const std::string& text) {
    std::istringstream in(text);
    return readGraphData(in);
}

TEST(GdtBuilder, FieldsAreWrittenAsTheSolverWritesThem) {
    EXPECT_EQ(" 0.12345E+02", test::fortranE(12.345, 12, 5));
    EXPECT_EQ("0.0000000E+00", test::fortranE(0, 14, 7).substr(1));
    EXPECT_EQ(" 0.10000E-49", test::fortranE(1e-50, 12, 5));
    EXPECT_EQ("   20.0", test::fortranF(20, 7, 1));
}

TEST(GraphDataReader, ReadsACompleteFileInEveryFieldMode) {
    for (int mode : {0, 1, 2}) {
        GdtSpec spec;
        spec.mode = mode;
        const ReadResult r = readText(buildGdt(spec));
        ASSERT_TRUE(r.data) << "mode " << mode << ": " << describe(r.error);
        const GraphData& d = *r.data;
        EXPECT_EQ(mode, d.fieldMode);
        EXPECT_EQ("Uniform Electric Field", d.fieldLine);
        EXPECT_EQ(" Pure N2      ", d.gasLine);
        EXPECT_EQ(3, d.pointCount);
        EXPECT_EQ(2, d.fieldValueCount);
        EXPECT_EQ(2, d.processCount);
        ASSERT_EQ(6u, d.processNames.size());
        EXPECT_EQ(32u, d.processNames[0].size()) << "trailing blanks of a process name are kept";
        EXPECT_EQ("<u>d(ln(Ne)/dt", d.processNames[5]);
        EXPECT_EQ((std::vector<double>{100, 200}), d.fieldValues);
        ASSERT_EQ(2u, d.distributions.size());
        EXPECT_EQ((std::vector<double>{0, 0.5, 1.0}), d.distributions[1].energies);
        EXPECT_DOUBLE_EQ(0.2, d.distributions[1].values[1]);
        EXPECT_EQ(2, d.caseCount);
        EXPECT_EQ(4u, d.rateCurves.size());
        EXPECT_DOUBLE_EQ(GdtSpec::rate(3, 1), d.rateCurves[3][1]);
        EXPECT_EQ(4u, d.powerCurves.size());
        EXPECT_DOUBLE_EQ(GdtSpec::power(2, 0), d.powerCurves[2][0]);
        ASSERT_EQ(6u, d.transportCurves.size());
        EXPECT_DOUBLE_EQ(GdtSpec::transport(5, 1), d.transportCurves[5][1]);
        EXPECT_DOUBLE_EQ(1e-4, d.accuracy);
        EXPECT_EQ(2, d.intervals);
        EXPECT_DOUBLE_EQ(-300, d.startTe);
        ASSERT_EQ(2u, d.balance.size());
        EXPECT_DOUBLE_EQ(21.0, d.balance[1].energyRange);
        EXPECT_DOUBLE_EQ(0.5, d.balance[1].balanceAccuracy);
        EXPECT_DOUBLE_EQ(-0.5, d.balance[1].eeDiscrepancy);
        EXPECT_EQ(2, d.convergedCaseCount());
    }
}

}  // namespace
}  // namespace vorn::viewer
