#include "viewer/core/axis_rules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorn::viewer {
namespace {

Series curve(std::vector<double> x, std::vector<double> y) {
    Series s;
    s.x = std::move(x);
    s.y = std::move(y);
    s.on = true;
    return s;
}

TEST(AxisRules, LeftMaximumOfTheLogCharts) {
    const Series a = curve({1, 2}, {1e-12, 3.2e-9});
    AxisState left = designAxes(kRateChart).left;
    ScaleLeftMaximum(kRateChart, left, {&a, nullptr});
    EXPECT_DOUBLE_EQ(1e-8, left.max);
    EXPECT_TRUE(left.log);
    EXPECT_FALSE(left.autoMax);
    EXPECT_EQ(8, left.minorTicks);

    // Nothing to scale to: the maximum stays (no logarithm of 0).
    const Series empty = curve({}, {});
    left.max = 1e-3;
    ScaleLeftMaximum(kDistChart, left, {&empty});
    EXPECT_DOUBLE_EQ(1e-3, left.max);
}

TEST(AxisRules, PowerChartBounds) {
    struct Row {
        std::vector<double> y;
        double max, min;
    };
    const Row rows[] = {{{5, 100}, 100, -1}, {{0, 134.5}, 140, -1}, {{-0.5, 20}, 100, -10},
                        {{-12.5, 50}, 100, -20}};
    for (const Row& row : rows) {
        const Series s = curve({1, 2}, row.y);
        AxisState left = designAxes(kPowerChart).left;
        left.log = true;
        ScaleLeftMaximum(kPowerChart, left, {&s});
        ScaleLeftMinimum(left, {&s});
        EXPECT_DOUBLE_EQ(row.max, left.max) << row.y[1];
        EXPECT_DOUBLE_EQ(row.min, left.min) << row.y[0];
        EXPECT_FALSE(left.log);
        EXPECT_FALSE(left.autoMin);
        EXPECT_EQ(4, left.minorTicks);
    }
}

TEST(AxisRules, DecadesOnlyBeyondAFactorOfTen) {
    AxisState axis = designAxes(kDriftChart).left;
    const Series narrow = curve({1, 2}, {2e5, 1.9e6});
    ScaleLeftDecades(axis, {&narrow});
    EXPECT_FALSE(axis.log);
    EXPECT_TRUE(axis.autoMax) << "a linear result changes nothing else";

    const Series wide = curve({10, 500}, {2e5, 3e6});
    ScaleLeftDecades(axis, {&wide});
    EXPECT_TRUE(axis.log);
    EXPECT_DOUBLE_EQ(1e5, axis.min);
    EXPECT_DOUBLE_EQ(1e7, axis.max);
    EXPECT_FALSE(axis.autoMin);
    EXPECT_EQ(8, axis.minorTicks);

    AxisState bottom = designAxes(kDriftChart).bottom;
    ScaleBottomDecades(bottom, {&wide});
    EXPECT_TRUE(bottom.log);
    EXPECT_DOUBLE_EQ(10, bottom.min);
    EXPECT_DOUBLE_EQ(1000, bottom.max);

    // A smallest value at or below 1e-50 keeps the axis linear; no points change nothing.
    AxisState zero = designAxes(kDriftChart).left;
    const Series withZero = curve({1, 2}, {0, 5});
    ScaleLeftDecades(zero, {&withZero});
    EXPECT_FALSE(zero.log);
    const Series none = curve({}, {});
    ScaleLeftDecades(axis, {&none});
    EXPECT_TRUE(axis.log);
    EXPECT_DOUBLE_EQ(1e5, axis.min);
}

TEST(AxisRules, ValuesThatAreNotFiniteAreNotScaledTo) {
    const double nan = std::nan(""), inf = INFINITY;
    const Series gaps = curve({10, inf, 500, nan}, {2e5, nan, 3e6, inf});
    AxisState left = designAxes(kDriftChart).left;
    ScaleLeftDecades(left, {&gaps});
    EXPECT_DOUBLE_EQ(1e5, left.min);
    EXPECT_DOUBLE_EQ(1e7, left.max);
    AxisState bottom = designAxes(kDriftChart).bottom;
    ScaleBottomDecades(bottom, {&gaps});
    EXPECT_DOUBLE_EQ(10, bottom.min);
    EXPECT_DOUBLE_EQ(1000, bottom.max);

    const Series power = curve({1, 2, 3}, {-inf, -15, 250});
    AxisState powerLeft = designAxes(kPowerChart).left;
    ScaleLeftMinimum(powerLeft, {&power});
    EXPECT_DOUBLE_EQ(-20, powerLeft.min);
    const Series rates = curve({1, 2}, {inf, 3.2e-9});
    AxisState rateLeft = designAxes(kRateChart).left;
    ScaleLeftMaximum(kRateChart, rateLeft, {&rates});
    EXPECT_DOUBLE_EQ(1e-8, rateLeft.max);
}

TEST(AxisRules, LogToggles) {
    AxisState rate = designAxes(kRateChart).left;
    setLogY(kRateChart, rate, true);
    EXPECT_DOUBLE_EQ(1e-30, rate.min);
    EXPECT_TRUE(rate.log);
    AxisState dist = designAxes(kDistChart).left;
    setLogY(kDistChart, dist, true);
    EXPECT_DOUBLE_EQ(1e-10, dist.min);
    setLogY(kDistChart, dist, false);
    EXPECT_DOUBLE_EQ(0, dist.min);
    EXPECT_FALSE(dist.log);
    EXPECT_EQ(4, dist.minorTicks);

    AxisState bottom = designAxes(kRateChart).bottom;
    bottom.min = 3, bottom.max = 7;
    setLogX(bottom, true);
    EXPECT_TRUE(bottom.log);
    EXPECT_EQ(8, bottom.minorTicks);
    EXPECT_DOUBLE_EQ(3, bottom.min) << "LogX leaves the bounds alone";
}

TEST(AxisRules, EffectiveRangeLeavesNonPositiveValuesOffALogAxis) {
    ChartModel chart;
    chart.series.push_back(curve({1, 2, 3}, {-5, 0, 40}));
    chart.series.push_back(curve({1, 2, 3}, {2, 8, 60}));
    chart.series.back().on = false;  // hidden curves do not count
    AxisState linear;
    const AxisRange r = effectiveRange(linear, chart, true);
    EXPECT_DOUBLE_EQ(-5, r.lo);
    EXPECT_DOUBLE_EQ(40, r.hi);
    AxisState log;
    log.log = true;
    const AxisRange l = effectiveRange(log, chart, true);
    EXPECT_GT(l.lo, 0);
    EXPECT_LT(l.lo, 40) << "one positive value: padded around it";
    EXPECT_GT(l.hi, 40);
    // A fixed minimum of 0 on a log axis (logY released, then pressed on another chart).
    log.autoMin = false;
    log.min = 0;
    EXPECT_GT(effectiveRange(log, chart, true).lo, 0);
}

TEST(AxisRules, TicksWithLabelStepAndResidue) {
    AxisState log;
    log.log = true;
    log.format = LabelFormat::Exponent2;
    const auto ticks = axisTicks(log, {1e-10, 1}, 3, {});
    ASSERT_EQ(11u, ticks.size());
    std::vector<std::string> drawn;
    for (const Tick& t : ticks)
        if (!t.text.empty()) drawn.push_back(t.text);
    EXPECT_EQ((std::vector<std::string>{"  1E-8", "  1E-5", "  1E-2"}), drawn);
    int all = 0;
    for (const Tick& t : axisTicks(log, {1e-10, 1}, 0, {})) all += t.text.empty() ? 0 : 1;
    EXPECT_EQ(11, all) << "step 0 draws every label";

    AxisState linear;
    linear.increment = 10;
    const auto lin = axisTicks(linear, {-10 + 1e-15, 100}, 1, {});
    EXPECT_EQ("-10", lin[0].text);
    EXPECT_EQ("0", lin[1].text);
    EXPECT_EQ("100", lin.back().text);
    AxisState step;
    step.increment = 3.5e-15;  // absurdly fine: the view picks its own step
    EXPECT_LE(axisTicks(step, {0, 100}, 1, {}).size(), 20u);
}

TEST(AxisRules, ResidueLabelRule) {
    // A tick computed as 3.5e-15 on an axis up to 100 is shown as "0".
    AxisState linear;
    linear.increment = 20;
    const auto ticks = axisTicks(linear, {-40 + 3.5e-15, 100}, 1, {});
    bool sawZero = false;
    for (const Tick& t : ticks)
        if (std::fabs(t.value) < 1e-9) sawZero = t.text == "0";
    EXPECT_TRUE(sawZero);
}

TEST(AxisRules, AxisDialogAppliesAllOrNothing) {
    const NumberStyle comma{',', '.'};
    AxisState axis;
    axis.autoMin = axis.autoMax = false;
    axis.min = 0, axis.max = 100, axis.increment = 0;
    int labelStep = 1;
    const AxisDialogValues shown = axisDialogValues(axis, {0, 100}, comma);
    EXPECT_EQ("1,000E+02", shown.maxText);
    EXPECT_EQ("0,000E+00", shown.minText);
    EXPECT_TRUE(shown.incrementAuto);

    AxisDialogValues typed = shown;
    typed.maxText = "250";
    typed.incrementAuto = false;
    typed.incrementText = "abc";
    auto error = applyAxisDialog(axis, labelStep, typed, {0, 100}, comma);
    ASSERT_TRUE(error);
    EXPECT_NE(std::string::npos, error->find("Increment")) << *error;
    EXPECT_DOUBLE_EQ(100, axis.max) << "nothing applied when one entry is bad";

    typed.incrementText = "25";
    EXPECT_FALSE(applyAxisDialog(axis, labelStep, typed, {0, 100}, comma));
    EXPECT_DOUBLE_EQ(250, axis.max);
    EXPECT_DOUBLE_EQ(25, axis.increment);

    typed.minText = "300";
    error = applyAxisDialog(axis, labelStep, typed, {0, 250}, comma);
    ASSERT_TRUE(error) << "minimum above maximum";
    EXPECT_NE(std::string::npos, error->find("Min"));
    typed.minText = "1.5";  // a full stop is not the regional separator here
    EXPECT_TRUE(applyAxisDialog(axis, labelStep, typed, {0, 250}, comma));
    typed.minText = "-0,5e1";
    EXPECT_FALSE(applyAxisDialog(axis, labelStep, typed, {0, 250}, comma));
    EXPECT_DOUBLE_EQ(-5, axis.min);
}

TEST(AxisRules, LogAxisIncrementBecomesTheLabelStep) {
    AxisState axis = designAxes(kDistChart).left;
    axis.max = 1;
    int labelStep = 1;
    AxisDialogValues typed = axisDialogValues(axis, {1e-10, 1}, {});
    typed.incrementAuto = false;
    typed.incrementText = "2.7";
    ASSERT_FALSE(applyAxisDialog(axis, labelStep, typed, {1e-10, 1}, {}));
    EXPECT_EQ(2, labelStep);
    EXPECT_DOUBLE_EQ(0, axis.increment);
    typed.incrementAuto = true;
    ASSERT_FALSE(applyAxisDialog(axis, labelStep, typed, {1e-10, 1}, {}));
    EXPECT_EQ(0, labelStep);

    typed.minText = "-1";  // a log axis takes no bound <= 0
    EXPECT_TRUE(applyAxisDialog(axis, labelStep, typed, {1e-10, 1}, {}));
    typed.minText = "1E-10";
    typed.incrementAuto = false;
    typed.incrementText = "1e12";
    EXPECT_TRUE(applyAxisDialog(axis, labelStep, typed, {1e-10, 1}, {})) << "label step overflow";
}

std::vector<std::string> texts(const std::vector<Tick>& ticks) {
    std::vector<std::string> out;
    for (const Tick& t : ticks) out.push_back(t.text);
    return out;
}

TEST(AxisRules, NeighbouringLabelsNeverReadTheSame) {
    // A flat curve at 3836.6: an automatic axis from 3835.6 to 3837.6 in steps of 0.5, which
    // four significant digits cannot tell apart.
    AxisState flat = designAxes(kDiffusionChart).left;
    EXPECT_EQ((std::vector<std::string>{"  3.836E3", "  3.8365E3", "  3.837E3", "  3.8375E3"}),
              texts(axisTicks(flat, {3835.6, 3837.6}, 1, {})));

    AxisState plain;
    plain.autoMin = plain.autoMax = false;
    const auto tight = texts(axisTicks(plain, {100, 100.0000001}, 1, {}));
    ASSERT_GE(tight.size(), 2u);
    EXPECT_EQ("100", tight[0]);
    EXPECT_EQ("100.00000002", tight[1]);
    for (size_t i = 1; i < tight.size(); ++i) EXPECT_NE(tight[i - 1], tight[i]);

    // Ordinary axes keep their short labels.
    EXPECT_EQ((std::vector<std::string>{"0", "20", "40", "60", "80", "100"}),
              texts(axisTicks(designAxes(kPowerChart).left, {0, 100}, 1, {})));
}

TEST(AxisRules, HugeBoundsGiveFewFiniteTicks) {
    AxisState axis;
    const auto ticks = axisTicks(axis, {-1e308, 1e308}, 1, {});
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_LE(ticks.size(), 20u);
    for (const Tick& t : ticks) {
        EXPECT_TRUE(std::isfinite(t.value));
        EXPECT_EQ(std::string::npos, t.text.find("NAN")) << t.text;
    }
    AxisState log;
    log.log = true;
    const auto decades = axisTicks(log, {1e-300, 1e300}, 1, {});
    ASSERT_EQ(601u, decades.size()) << "a tick in every decade";
    EXPECT_DOUBLE_EQ(1e300, decades.back().value);

    // The dialog refuses bounds whose span is not a finite number.
    axis.autoMin = axis.autoMax = false;
    int labelStep = 1;
    AxisDialogValues typed = axisDialogValues(axis, {0, 1}, {});
    typed.maxAuto = typed.minAuto = false;
    typed.maxText = "1e308";
    typed.minText = "-1e308";
    const auto error = applyAxisDialog(axis, labelStep, typed, {0, 1}, {});
    ASSERT_TRUE(error);
    EXPECT_EQ("Max, Min: the range from -1.000E+308 to 1.000E+308 is too wide to draw", *error);
    EXPECT_DOUBLE_EQ(0, axis.max) << "nothing applied";
    typed.minText = "0";
    EXPECT_FALSE(applyAxisDialog(axis, labelStep, typed, {0, 1}, {}));
}

TEST(AxisRules, StepsBelowTheSpacingOfDoublesGiveOneTickEach) {
    // Near 1e17 doubles lie 16 apart: a typed increment of 1 would repeat every value.
    AxisState axis;
    axis.autoMin = axis.autoMax = false;
    axis.increment = 1;
    const auto ticks = axisTicks(axis, {1e17, 1e17 + 64}, 1, {});
    ASSERT_EQ(5u, ticks.size());
    for (size_t i = 1; i < ticks.size(); ++i) EXPECT_EQ(16, ticks[i].value - ticks[i - 1].value);
}

TEST(AxisRules, LabelStepGrowsUntilTheLabelsFit) {
    // 23 decades (1e-30 .. 1e-8) on 370 px with 24 px per label: every second label.
    EXPECT_EQ(2, fittingLabelStep(1, 23, 370, 24));
    EXPECT_EQ(1, fittingLabelStep(1, 11, 370, 24));
    EXPECT_EQ(3, fittingLabelStep(3, 11, 370, 24)) << "the user's larger step stays";
    EXPECT_EQ(1, fittingLabelStep(0, 11, 370, 24)) << "step 0 draws every label";
    EXPECT_EQ(8, fittingLabelStep(2, 23, 100, 24)) << "23 / 8 + 2 = 4 shares of 24 px";
    EXPECT_EQ(24, fittingLabelStep(1, 23, 10, 24)) << "no room: no label";

    std::vector<Tick> ticks(7, Tick{1, "x"});
    applyLabelStep(ticks, 3);
    EXPECT_EQ((std::vector<std::string>{"", "", "x", "", "", "x", ""}), texts(ticks));
}

TEST(AxisRules, TypedNumbers) {
    const NumberStyle dot{};
    EXPECT_EQ(1.5, parseTypedNumber(" 1.5 ", dot));
    EXPECT_EQ(-2e-3, parseTypedNumber("-2E-3", dot));
    EXPECT_EQ(5.0, parseTypedNumber("5.", dot));
    for (const char* bad : {"", "abc", "1,5", "1e", "nan", "inf", "1.5.2", "--1", "1e400"})
        EXPECT_FALSE(parseTypedNumber(bad, dot)) << bad;
}

}  // namespace
}  // namespace vorn::viewer
