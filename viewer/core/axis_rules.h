#pragma once
// Axis rules of the charts: automatic bounds after a read, the logY/LogX toggles, the
// axis-bounds dialog, and the ticks and label texts that the view draws.

#include <optional>
#include <string>
#include <vector>

#include "viewer/core/chart_model.h"
#include "viewer/core/number_format.h"

namespace vorn::viewer {

using CurveList = std::vector<const Series*>;  // null entries are skipped

// 10^ceil(log10 v) and 10^floor(log10 v); v > 0.
double powerOfTenAbove(double v);
double powerOfTenBelow(double v);

// Left-axis maximum after a read: Chart1/Chart2 the power of ten above the largest y (log
// axis, 8 minor ticks; left as it was when no curve has a positive value); Chart3 100, or
// the next multiple of ten above a larger value (linear, 4 minor ticks); others the largest y.
void ScaleLeftMaximum(int chart, AxisState& left, const CurveList& curves);
// Left-axis minimum of the power chart: -1 when no value is negative, else the multiple of
// ten at or below the smallest value. Curves without points are skipped.
void ScaleLeftMinimum(AxisState& left, const CurveList& curves);
// Logarithmic from the decade below the smallest to the decade above the largest value when
// they span more than a factor of ten and the smallest is above 1e-50, otherwise linear with
// everything else unchanged. No points at all: nothing changes. Left: the y values, bottom:
// the x values.
void ScaleLeftDecades(AxisState& left, const CurveList& curves);
void ScaleBottomDecades(AxisState& bottom, const CurveList& curves);

// "logY" down: minimum 1e-30 on Chart2 and 1e-10 elsewhere, logarithmic, 8 minor ticks;
// up: minimum 0, linear, 4 minor ticks. "LogX": bounds untouched.
void setLogY(int chart, AxisState& left, bool down);
void setLogX(AxisState& bottom, bool down);

struct AxisRange {
    double lo = 0, hi = 1;
};
// The bounds the axis is drawn with: fixed bounds as set, automatic ones from the shown
// curves. On a logarithmic axis only positive values count and the bounds stay positive.
AxisRange effectiveRange(const AxisState& axis, const ChartModel& chart, bool vertical);

// The values the axis-bounds dialog shows and returns.
struct AxisDialogValues {
    bool maxAuto = true, minAuto = true, incrementAuto = true;
    std::string maxText, minText, incrementText;
};
AxisDialogValues axisDialogValues(const AxisState& axis, AxisRange shown, NumberStyle style);
// Checks every entry first and applies all or nothing; bounds whose span is not a finite
// positive number are refused. A logarithmic axis takes the
// truncated increment as its label step; a linear one takes it as its tick step.
// Returns the error message naming the bad entry, or nothing when applied.
std::optional<std::string> applyAxisDialog(AxisState& axis, int& labelStep,
                                           const AxisDialogValues& values, AxisRange shown,
                                           NumberStyle style);
// Strict reading of a typed number with the regional decimal point.
std::optional<double> parseTypedNumber(const std::string& text, NumberStyle style);

struct Tick {
    double value = 0;
    std::string text;  // empty: the label is not drawn
};
// Major ticks over [lo, hi]: decades on a logarithmic axis (with 2x and 5x when fewer than
// two decades fall inside); the given increment or a 1-2-5 step on a linear axis. A linear
// label that is a residue below 1e-12 of the axis maximum reads "0"; labels carry as many
// digits as neighbours need to read differently; a label step s > 1 on a logarithmic axis
// keeps only the s-th, 2s-th, ... label.
std::vector<Tick> axisTicks(const AxisState& axis, AxisRange range, int labelStep,
                            NumberStyle style);
// Keeps only the text of the step-th, 2*step-th, ... tick (every tick stays).
void applyLabelStep(std::vector<Tick>& ticks, int step);
// The label step to draw with: the user's step, or the smallest larger one for which the
// labels fit, labelExtent being the room one label needs along an axis of axisLength. Past
// tickCount no label is drawn at all.
int fittingLabelStep(int userStep, int tickCount, double axisLength, double labelExtent);
// Minor tick values between and around the major ticks (minorTicks per interval).
std::vector<double> minorTickValues(const AxisState& axis, AxisRange range,
                                    const std::vector<Tick>& major);

}  // namespace vorn::viewer
