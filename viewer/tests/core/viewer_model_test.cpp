#include "viewer/core/viewer_model.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "gdt_builder.h"
#include "viewer/core/curve_rules.h"

namespace vorn::viewer {
namespace {

using test::buildGdt;
using test::GdtLayout;

GraphData read(const GdtLayout& layout) {
    std::istringstream in(buildGdt(layout));
    ReadResult r = readGraphData(in);
    EXPECT_TRUE(r.data) << describe(r.error);
    return *r.data;
}

// The layout's text with lines (from 1) replaced.
std::string withLines(const GdtLayout& layout, const std::map<int, std::string>& replaced) {
    std::string text = buildGdt(layout);
    for (const auto& [n, line] : replaced) {
        size_t pos = 0;
        for (int i = 1; i < n; ++i) pos = text.find('\n', pos) + 1;
        text.replace(pos, text.find('\r', pos) - pos, line);
    }
    return text;
}

TEST(ViewerModel, TextsByFieldMode) {
    struct Row {
        int mode;
        std::array<const char*, 3> pages;
        const char *heading, *series;
    };
    const Row rows[] = {
        {0, {"Mean and Characteristic energies", "Diffusion coefficient", "Drift velocity"}, "E/N, Td", "E/N,  Td"},
        {1, {"Mean energy", "Diffusion coefficient", "Mobilities"}, "Eo, V/cm", "Eo, V/cm"},
        {2, {"Mean energy", "Diffusion coefficients", "Mobilities"}, "E/N, Td", "E/N,  Td"},
    };
    for (const Row& row : rows) {
        GdtLayout layout;
        layout.mode = row.mode;
        const ViewerTexts t = buildTexts(read(layout), {});
        for (int i = 0; i < 3; ++i) EXPECT_EQ(row.pages[i], t.pageCaptions[i]) << row.mode;
        EXPECT_EQ(row.heading, t.fieldHeading);
        EXPECT_EQ(row.series, t.fieldSeriesTitle);
    }
}

TEST(ViewerModel, CheckListsAndPanels) {
    GdtLayout layout;
    layout.startTe = -300;
    const GraphData d = read(layout);
    const ViewerTexts t = buildTexts(d, {});
    EXPECT_EQ((std::vector<std::string>{"1.000E+02", "2.000E+02"}), t.fieldRows);
    ASSERT_EQ(4u, t.rateRows.size());
    EXPECT_EQ("MOM. TRANSF. TOTAL", t.rateRows[2]);
    EXPECT_EQ("d(ln(Ne/N))/dt", t.rateRows[3]);
    ASSERT_EQ(4u, t.powerRows.size());
    EXPECT_EQ("ELAS.+ROT.(FOR MOL.)", t.powerRows[2]);
    EXPECT_EQ("<u>d(ln(Ne)/dt", t.powerRows[3]);
    EXPECT_EQ("2", t.intervals);
    EXPECT_EQ("1.000E-04", t.accuracy);
    EXPECT_EQ("Te = -300 , K", t.startTe);
    EXPECT_FALSE(t.maxwellian) << "negative start temperature: iterative run";

    const CaseSummary s = caseSummary(d, t, 1, {});
    EXPECT_EQ("E/N = 2.000E+02 Td", s.fieldValue);
    EXPECT_EQ("21.0", s.energyRange);
    EXPECT_EQ("0.50", s.balanceAccuracy);
    EXPECT_EQ("-0.50", s.eeDiscrepancy);

    layout.mode = 1;
    layout.startTe = 5000;
    const GraphData hf = read(layout);
    const ViewerTexts th = buildTexts(hf, {',', '.'});
    EXPECT_EQ("Eo = 1,000E+02 V/cm", caseSummary(hf, th, 0, {',', '.'}).fieldValue);
    EXPECT_EQ("Te = 5000 , K", th.startTe);
    EXPECT_TRUE(th.maxwellian);
}

TEST(ViewerModel, CurvesPerChartAndMode) {
    struct Row {
        int mode;
        std::array<int, 3> transport;  // curves on Chart4, Chart5, Chart6
    };
    for (const Row& row : {Row{0, {2, 1, 1}}, Row{1, {1, 1, 2}}, Row{2, {1, 2, 2}}}) {
        GdtLayout layout;
        layout.mode = row.mode;
        const GraphData d = read(layout);
        const auto charts = buildCharts(d, buildTexts(d, {}));
        EXPECT_EQ(1u + 2, charts[kDistChart].series.size()) << "heading plus one per case";
        EXPECT_EQ(1u + 4, charts[kRateChart].series.size()) << "heading plus P + 2";
        EXPECT_EQ(1u + 4, charts[kPowerChart].series.size());
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(size_t(row.transport[c]), charts[kMeanEnergyChart + c].series.size())
                << "mode " << row.mode << " chart " << c + 4;
        EXPECT_TRUE(charts[kDistChart].series[0].heading);
        EXPECT_EQ(kHeadingColour, charts[kDistChart].series[0].colour);
        for (const ChartModel& chart : charts)
            for (const Series& s : chart.series) {
                if (!s.heading) {
                    EXPECT_FALSE(s.on) << "every curve off until its page shows it";
                }
            }
    }
}

TEST(ViewerModel, TransportTitlesAndAttachment) {
    EXPECT_EQ("<u>            ", transportCurveTitle(0, 0));
    EXPECT_EQ("D/Mu           ", transportCurveTitle(1, 0));
    EXPECT_EQ("D _I_ H        ", transportCurveTitle(2, 2));
    EXPECT_EQ("D              ", transportCurveTitle(2, 0));
    EXPECT_EQ("D II H         ", transportCurveTitle(3, 2));
    EXPECT_EQ("Vd             ", transportCurveTitle(4, 0));
    EXPECT_EQ("Mu cond        ", transportCurveTitle(4, 1));
    EXPECT_EQ("Mu II E        ", transportCurveTitle(4, 2));
    EXPECT_EQ("Mu _I_ E _I_ H ", transportCurveTitle(5, 2));
    EXPECT_EQ("Mu pol         ", transportCurveTitle(5, 1));

    GdtLayout layout;
    layout.mode = 2;
    const GraphData d = read(layout);
    const auto charts = buildCharts(d, buildTexts(d, {}));
    const ChartModel& drift = charts[kDriftChart];
    EXPECT_EQ(d.transportCurves[5], drift.curveAt(1)->y);
    EXPECT_EQ(d.caseFieldValues, drift.curveAt(1)->x);
    EXPECT_EQ("Mu || E, Mu _|_ E _|_ H, cm^2/(s V)", drift.axes.left.title);
    EXPECT_EQ("E/N, Td", drift.axes.bottom.title);
}

TEST(ViewerModel, ChartTitlesAndAxisTitles) {
    GdtLayout layout;
    layout.mode = 1;
    layout.fieldLine = "High Frequency Electric Field OMEGA = 6.28E+09 s-1";
    const GraphData d = read(layout);
    const auto charts = buildCharts(d, buildTexts(d, {}));
    EXPECT_EQ(layout.fieldLine, charts[kRateChart].titleLine1);
    EXPECT_EQ(layout.gasLine + layout.conditionsLine, charts[kRateChart].titleLine2);
    EXPECT_EQ("u, eV", charts[kDistChart].axes.bottom.title);
    EXPECT_EQ("f(u),  eV^-3/2", charts[kDistChart].axes.left.title);
    EXPECT_EQ("Eo, V/cm", charts[kPowerChart].axes.bottom.title);
    EXPECT_EQ("K, cm^3/s", charts[kRateChart].axes.left.title);
    EXPECT_EQ("<u>, eV", charts[kMeanEnergyChart].axes.left.title);
    EXPECT_EQ("D, cm^2/s", charts[kDiffusionChart].axes.left.title);
    EXPECT_EQ("Mu cond, Mu pol, cm^2/(s V)", charts[kDriftChart].axes.left.title);
}

TEST(ViewerModel, AxesAfterARead) {
    GdtLayout layout;
    layout.fieldValues = {10, 500};
    const GraphData d = read(layout);
    const auto charts = buildCharts(d, buildTexts(d, {}));
    const AxisState& distLeft = charts[kDistChart].axes.left;
    EXPECT_TRUE(distLeft.log);
    EXPECT_DOUBLE_EQ(10, distLeft.max) << "largest distribution value 2 -> 10";
    EXPECT_DOUBLE_EQ(1e-10, distLeft.min);
    const AxisState& rateLeft = charts[kRateChart].axes.left;
    EXPECT_DOUBLE_EQ(1e-9, rateLeft.max) << "largest rate 8e-10";
    EXPECT_TRUE(charts[kRateChart].axes.bottom.log) << "10 .. 500 spans more than a decade";
    EXPECT_DOUBLE_EQ(1000, charts[kRateChart].axes.bottom.max);
    const AxisState& powerLeft = charts[kPowerChart].axes.left;
    EXPECT_DOUBLE_EQ(100, powerLeft.max);
    EXPECT_DOUBLE_EQ(-1, powerLeft.min);
    EXPECT_FALSE(powerLeft.log);
    EXPECT_FALSE(charts[kMeanEnergyChart].axes.left.log) << "1e5 .. 2.1e5: linear";
    EXPECT_TRUE(charts[kMeanEnergyChart].axes.left.autoMax);
}

TEST(ViewerModel, EarlyStopLeavesTheFailedCaseOffTheFieldCharts) {
    GdtLayout layout;
    layout.fieldValues = {10, 20, 50, 100};
    layout.blocks = 3;
    layout.caseFieldValues = {10, 20, 0};
    const GraphData d = read(layout);
    const ViewerTexts t = buildTexts(d, {});
    EXPECT_EQ(3u, t.fieldRows.size()) << "only the cases run are listed";
    const auto charts = buildCharts(d, t);
    EXPECT_EQ(1u + 3, charts[kDistChart].series.size()) << "its distribution stays";
    for (int c = kRateChart; c < kChartCount; ++c)
        for (const Series& s : charts[c].series) {
            if (!s.heading) {
                EXPECT_EQ(2u, s.x.size()) << "chart " << c + 1;
            }
        }
}

TEST(ViewerModel, ACaseThatDidNotConvergeIsMarkedAndNotScaledTo) {
    GdtLayout layout;
    layout.fieldValues = {10, 20, 50};
    std::string text = buildGdt(layout);
    // Case 3's first distribution value (line 33) and its first rate value (line 42) were not
    // computed.
    auto setLine = [&](int n, const std::string& line) {
        size_t pos = 0;
        for (int i = 1; i < n; ++i) pos = text.find('\n', pos) + 1;
        text.replace(pos, text.find('\r', pos) - pos, line);
    };
    setLine(33, "         Inf");
    setLine(42, "         NaN");
    std::istringstream in(text);
    const ReadResult r = readGraphData(in);
    ASSERT_TRUE(r.data) << describe(r.error);
    const GraphData& d = *r.data;
    ASSERT_EQ(2, d.convergedCaseCount());
    const ViewerTexts t = buildTexts(d, {});
    const auto charts = buildCharts(d, t);
    EXPECT_EQ("5.000E+01 (not converged)", charts[kDistChart].curveAt(2)->title);
    EXPECT_EQ("2.000E+01", charts[kDistChart].curveAt(1)->title);
    EXPECT_EQ("5.000E+01", t.fieldRows[2]) << "the check list keeps the value";
    EXPECT_DOUBLE_EQ(10, charts[kDistChart].axes.left.max) << "largest finite value 2 (not Inf)";
    for (int c = kRateChart; c < kChartCount; ++c)
        for (const Series& s : charts[c].series)
            if (!s.heading) {
                EXPECT_EQ((std::vector<double>{10, 20}), s.x) << "chart " << c + 1;
            }
    EXPECT_DOUBLE_EQ(1e-9, charts[kRateChart].axes.left.max) << "case 3 is not scaled to";

    const CaseSummary failed = caseSummary(d, t, 2, {});
    EXPECT_EQ("E/N = 5.000E+01 Td", failed.fieldValue);
    EXPECT_EQ("22.0", failed.energyRange);
    EXPECT_EQ("not converged", failed.balanceAccuracy);
    EXPECT_EQ("not converged", failed.eeDiscrepancy);
    EXPECT_EQ("0.50", caseSummary(d, t, 1, {}).balanceAccuracy);
}

TEST(ViewerModel, EveryCurveTakesPartInTheScaling) {
    // Lines 38-39: the net production rate of the two cases; 46-47: the storage share.
    GdtLayout layout;
    const std::string text = withLines(layout, {{38, " 0.20000E-05"}, {39, " 0.50000E-05"},
                                                {46, "-0.45000E+02"}, {47, "-0.12000E+02"}});
    std::istringstream in(text);
    const ReadResult r = readGraphData(in);
    ASSERT_TRUE(r.data) << describe(r.error);
    ASSERT_EQ(5e-6, r.data->rateCurves[3][1]);
    const auto charts = buildCharts(*r.data, buildTexts(*r.data, {}));
    EXPECT_DOUBLE_EQ(1e-5, charts[kRateChart].axes.left.max) << "the net production rate";
    EXPECT_DOUBLE_EQ(-50, charts[kPowerChart].axes.left.min) << "the storage share";
    EXPECT_DOUBLE_EQ(100, charts[kPowerChart].axes.left.max);
}

TEST(ViewerModel, EveryReadStartsFromTheDesignAxes) {
    const GraphData d = read(GdtLayout{});
    const auto charts = buildCharts(d, buildTexts(d, {}));
    for (int c = 0; c < kChartCount; ++c) {
        const ChartAxes design = designAxes(c);
        const AxisState& bottom = charts[c].axes.bottom;
        EXPECT_EQ(0, bottom.increment) << c;
        if (c == kDistChart || !bottom.log) {
            EXPECT_TRUE(bottom.autoMin && bottom.autoMax) << "chart " << c + 1;
        }
        EXPECT_EQ(design.left.format, charts[c].axes.left.format) << c;
        EXPECT_EQ(0, charts[c].axes.left.increment) << c;
    }
    EXPECT_DOUBLE_EQ(1e-10, charts[kDistChart].axes.left.min);
    EXPECT_DOUBLE_EQ(1e-16, charts[kRateChart].axes.left.min);
    EXPECT_EQ(" Pure N2      ", charts[kRateChart].titleLine2.substr(0, charts[kRateChart].titleGasLength));
}

}  // namespace
}  // namespace vorn::viewer
