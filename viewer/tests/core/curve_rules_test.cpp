#include "viewer/core/curve_rules.h"

#include <gtest/gtest.h>

#include <set>

namespace vorn::viewer {
namespace {

ChartModel chartWith(int curves) {
    ChartModel chart;
    chart.series.resize(curves);
    for (int i = 0; i < curves; ++i) {
        chart.series[i].colour = paletteColour(i);
        chart.series[i].on = true;
        chart.series[i].title = "curve " + std::to_string(i);
        chart.positionToSeries.push_back(i);
    }
    return chart;
}

TEST(CurveRules, PaletteHasFifteenDistinctColours) {
    std::set<Rgb> colours;
    for (int i = 0; i < 15; ++i) colours.insert(paletteColour(i));
    EXPECT_EQ(15u, colours.size());
    EXPECT_EQ(0u, colours.count(kHeadingColour));
}

TEST(CurveRules, RecolourLendsHiddenColoursOnce) {
    ChartModel chart = chartWith(18);  // series 0 .. 17
    for (int j = 1; j < 15; ++j) chart.series[j].on = j != 3 && j != 9;
    recolourSeries(chart);
    EXPECT_EQ(paletteColour(3), chart.series[15].colour);
    EXPECT_EQ(paletteColour(9), chart.series[16].colour);
    // No hidden series is left to lend a colour: the first further style.
    EXPECT_EQ(furtherStyle(0).colour, chart.series[17].colour);
    EXPECT_EQ(furtherStyle(0).line, chart.series[17].line);
    for (int j = 0; j < 15; ++j) EXPECT_EQ(paletteColour(j), chart.series[j].colour) << j;

    ChartModel off = chartWith(18);
    off.series[16].on = false;
    off.series[2].on = false;
    recolourSeries(off);
    EXPECT_EQ(paletteColour(2), off.series[15].colour);
    EXPECT_EQ(paletteColour(16), off.series[16].colour) << "a hidden series keeps its colour";
}

// Whether the curves shown (the heading aside) differ pairwise in colour or line.
bool shownCurvesDiffer(const ChartModel& chart, int* shown = nullptr) {
    std::set<std::pair<Rgb, LineStyle>> styles;
    int n = 0;
    for (size_t j = 1; j < chart.series.size(); ++j)
        if (chart.series[j].on) {
            ++n;
            styles.insert({chart.series[j].colour, chart.series[j].line});
        }
    if (shown) *shown = n;
    return int(styles.size()) == n;
}

TEST(CurveRules, FurtherStylesDifferFromEachOtherAndFromTheOwnColours) {
    std::set<std::pair<Rgb, LineStyle>> styles;
    for (int i = 1; i < 15; ++i) styles.insert({paletteColour(i), LineStyle::Solid});
    for (int n = 0; n < kFurtherStyles; ++n) {
        const CurveStyle s = furtherStyle(n);
        EXPECT_NE(kHeadingColour, s.colour) << n;
        EXPECT_TRUE(styles.insert({s.colour, s.line}).second) << "further style " << n;
    }
    EXPECT_EQ(furtherStyle(0), furtherStyle(kFurtherStyles)) << "then they repeat";
    // Unrecoloured defaults follow the same order.
    for (int i = 0; i < 15; ++i) EXPECT_EQ((CurveStyle{paletteColour(i), LineStyle::Solid}), defaultStyle(i));
    EXPECT_EQ(furtherStyle(3), defaultStyle(18));
}

TEST(CurveRules, EveryShownCurveDiffersFromTheOthers) {
    // The heading and 21 field values; the heading, 206 processes and two extra curves.
    const struct {
        int series;
        std::vector<int> off;  // curves switched off
        int shownFrom, shownTo;  // only these curves on (inclusive); 0, 0: all
    } rows[] = {
        {22, {}, 0, 0},
        {22, {2, 7, 13}, 0, 0},
        {22, {}, 10, 21},
        {209, {}, 1, 80},
        {209, {}, 30, 109},
        {209, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, 0, 94},
    };
    for (const auto& row : rows) {
        ChartModel chart = chartWith(row.series);
        chart.series[0].colour = kHeadingColour;
        for (int j = 1; j < row.series; ++j)
            chart.series[j].on = row.shownTo == 0 || (j >= row.shownFrom && j <= row.shownTo);
        for (int j : row.off) chart.series[j].on = false;
        for (int j = 0; j < row.series; ++j) {
            const CurveStyle s = defaultStyle(j);
            chart.series[j].colour = j == 0 ? kHeadingColour : s.colour;
            chart.series[j].line = s.line;
        }
        recolourSeries(chart);
        int shown = 0;
        EXPECT_TRUE(shownCurvesDiffer(chart, &shown)) << row.series << " series, " << row.shownFrom << ".." << row.shownTo;
        EXPECT_GE(shown, row.series == 22 ? 12 : 80);
    }
}

TEST(CurveRules, LegendPagesByTwentyShownEntries) {
    ChartModel chart = chartWith(45);
    std::vector<int> firsts;
    for (int click = 0; click < 4; ++click) {
        chart.legendFirst = nextLegendFirst(chart);
        firsts.push_back(chart.legendFirst);
    }
    EXPECT_EQ((std::vector<int>{20, 40, 0, 20}), firsts);
    for (int i = 20; i < 45; ++i) chart.series[i].on = false;  // 20 shown entries left
    chart.legendFirst = 0;
    EXPECT_EQ(0, nextLegendFirst(chart));
}

TEST(CurveRules, LegendPagesHoldTheHeadingAndAPageStep) {
    // Default window (26 rows fit): the heading and 20 entries on the rate chart, the heading
    // and all 21 field values on Chart1; a smaller window pages by what fits.
    EXPECT_EQ(21, legendPageRows(kRateChart, 26));
    EXPECT_EQ(20, legendPageStep(kRateChart, 26));
    EXPECT_EQ(22, legendPageRows(kDistChart, 26));
    EXPECT_EQ(22, legendPageStep(kDistChart, 26));
    EXPECT_EQ(12, legendPageRows(kRateChart, 12));
    EXPECT_EQ(12, legendPageStep(kRateChart, 12));
    EXPECT_EQ(1, legendPageStep(kPowerChart, 0));

    ChartModel chart = chartWith(28);  // the heading and 27 curves, all shown
    const std::vector<int> page1 = legendEntries(chart, legendPageRows(kRateChart, 26));
    ASSERT_EQ(21u, page1.size());
    EXPECT_EQ(0, page1.front());
    EXPECT_EQ(20, page1.back());
    chart.legendFirst = nextLegendFirst(chart, legendPageStep(kRateChart, 26));
    EXPECT_EQ(20, chart.legendFirst) << "entries 18 and 19 were on page 1";
    EXPECT_EQ((std::vector<int>{20, 21, 22, 23, 24, 25, 26, 27}), legendEntries(chart, 21));
    chart.series[22].on = false;  // positions count shown series only
    EXPECT_EQ((std::vector<int>{20, 21, 23, 24, 25, 26, 27}), legendEntries(chart, 21));
    EXPECT_EQ(0, nextLegendFirst(chart, 20));
    for (int i = 14; i < 28; ++i) chart.series[i].on = false;  // 14 shown: none from 20 on
    EXPECT_EQ(14u, legendEntries(chart, 21).size()) << "an empty legend could not be clicked";
    for (int i = 14; i < 28; ++i) chart.series[i].on = true;

    chart.legendFirst = 0;  // a small window: 12 rows, pages 0, 12, 24
    EXPECT_EQ(12, nextLegendFirst(chart, legendPageStep(kRateChart, 12)));
}

TEST(CurveRules, SeriesButtonsFollowThePage) {
    // A run with 12 field values: heading plus 12 curves, positions 0 .. 11.
    ChartModel chart;
    chart.series.resize(13);
    chart.series[0].heading = true;
    for (int k = 0; k < 12; ++k) {
        chart.positionToSeries.push_back(k + 1);
        chart.series[k + 1].title = "field " + std::to_string(k);
        chart.series[k + 1].on = k % 2 == 0;
    }
    const auto first = seriesButtons(chart, 12, 0);
    EXPECT_TRUE(first[0].down);
    EXPECT_FALSE(first[1].down);
    EXPECT_EQ("field 9", first[9].hint);
    const auto second = seriesButtons(chart, 12, 1);
    EXPECT_TRUE(second[0].down);
    EXPECT_EQ("field 10", second[0].hint);
    EXPECT_EQ("field 11", second[1].hint);
    for (int b = 2; b < 10; ++b) {
        EXPECT_FALSE(second[b].down) << b;
        EXPECT_EQ("", second[b].hint) << b;
    }
}

TEST(CurveRules, TransportAxisTitles) {
    struct Row {
        int chart, mode;
        bool first, second;
        const char* title;
    };
    const Row rows[] = {
        {kMeanEnergyChart, 0, true, true, "<u>, D/Mu, eV"},
        {kMeanEnergyChart, 0, true, false, "<u>, eV"},
        {kMeanEnergyChart, 0, false, true, "D/Mu, eV"},
        {kMeanEnergyChart, 2, true, false, "<u>, eV"},
        {kDiffusionChart, 1, true, false, "D, cm^2/s"},
        {kDiffusionChart, 2, true, true, "D _|_ H, D || H, cm^2/s"},
        {kDiffusionChart, 2, true, false, "D _|_ H, cm^2/s"},
        {kDiffusionChart, 2, false, true, "D || H, cm^2/s"},
        {kDriftChart, 0, true, false, "Vd, cm/s"},
        {kDriftChart, 1, true, true, "Mu cond, Mu pol, cm^2/(s V)"},
        {kDriftChart, 1, true, false, "Mu cond, cm^2/(s V)"},
        {kDriftChart, 1, false, true, "Mu pol, cm^2/(s V)"},
        {kDriftChart, 2, true, true, "Mu || E, Mu _|_ E _|_ H, cm^2/(s V)"},
        {kDriftChart, 2, true, false, "Mu || E, cm^2/(s V)"},
        {kDriftChart, 2, false, true, "Mu _|_ E _|_ H, cm^2/(s V)"},
    };
    for (const Row& row : rows) {
        const auto title = transportAxisTitle(row.chart, row.mode, row.first, row.second);
        ASSERT_TRUE(title) << row.title;
        EXPECT_EQ(row.title, *title);
    }
    EXPECT_FALSE(transportAxisTitle(kDriftChart, 1, false, false)) << "both off: title stays";
    EXPECT_FALSE(transportAxisTitle(kRateChart, 0, true, true));
    EXPECT_TRUE(transportHasSecondCurve(kMeanEnergyChart, 0));
    EXPECT_FALSE(transportHasSecondCurve(kMeanEnergyChart, 1));
    EXPECT_TRUE(transportHasSecondCurve(kDiffusionChart, 2));
    EXPECT_FALSE(transportHasSecondCurve(kDriftChart, 0));
    EXPECT_TRUE(transportHasSecondCurve(kDriftChart, 1));
}

}  // namespace
}  // namespace vorn::viewer
