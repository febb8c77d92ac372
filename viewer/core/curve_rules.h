#pragma once
// Curve selection rules of the chart pages: colours, legend paging, the ten series buttons
// and the left-axis titles of the transport charts.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "viewer/core/chart_model.h"

namespace vorn::viewer {

inline constexpr Rgb kHeadingColour = 0xFFFFFF;
inline constexpr int kOwnColourSeries = 15;  // series 0 .. 14 always keep their colours
inline constexpr int kLegendPage = 20;

// The default colour of chart series `index` (a palette of 16 distinct colours).
Rgb paletteColour(int index);

struct CurveStyle {
    Rgb colour = 0;
    LineStyle line = LineStyle::Solid;
    bool operator==(const CurveStyle&) const = default;
};
// Styles for curves beyond the 14 with colours of their own: six further colours drawn solid,
// then those and the colours of series 1 .. 14 dashed, dotted and dash-dotted. None equals
// another or a solid colour of series 1 .. 14; from n = kFurtherStyles on they repeat.
inline constexpr int kFurtherStyles = 66;
CurveStyle furtherStyle(int n);
// What a chart series `index` is drawn with before recolourSeries has run: its palette
// colour up to index 14, the further styles after it.
CurveStyle defaultStyle(int index);

// Gives every shown series from position 15 on the colour of a hidden series among
// positions 1 .. 14, each hidden one lent once; when none is left, the next further style.
// So each curve shown differs from every other in colour or line, up to 14 + kFurtherStyles
// curves (on Chart1 all 21 field values, on Chart2 and Chart3 80 of their curves).
void recolourSeries(ChartModel& chart);

// Legend paging: the next first legend entry after a click that moves it by `step`, counting
// only shown series (the heading included): back to 0 when no entry is left there.
int nextLegendFirst(const ChartModel& chart, int step = kLegendPage);

// Rows of one legend page of a chart when `rowsThatFit` rows fit beside it: all that fit,
// but no more than the heading and every field value on Chart1, and the heading and one page
// step of entries on the others (at least one row).
int legendPageRows(int chart, int rowsThatFit);
// How far a legend click moves: a page step of 20, or fewer when fewer rows fit.
int legendPageStep(int chart, int rowsThatFit);
// The series shown on the legend page, in chart order: shown series from legend position
// chart.legendFirst on (from 0 when no shown series is left there), at most `rows`.
std::vector<int> legendEntries(const ChartModel& chart, int rows);

struct SeriesButton {
    bool down = false;
    std::string hint;  // the addressed curve's title, empty when there is none
};
// States of the ten series buttons on Chart1-3 for curve positions seriesPage * 10 + b,
// among the first `count` positions.
std::array<SeriesButton, 10> seriesButtons(const ChartModel& chart, int count, int seriesPage);

// Whether a transport chart (3 .. 5) shows a second curve in this field mode.
bool transportHasSecondCurve(int chart, int fieldMode);
// The left-axis title of a transport chart for the curves that are on; nothing when both are
// off (the title stays) or for other charts.
std::optional<std::string> transportAxisTitle(int chart, int fieldMode, bool firstOn,
                                              bool secondOn);

}  // namespace vorn::viewer
