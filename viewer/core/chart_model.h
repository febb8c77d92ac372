#pragma once
// What the six charts of the viewer hold, independent of any drawing library: curves with
// their on/off state and colour, axis settings and legend paging. The view draws exactly this.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorn::viewer {

inline constexpr int kChartCount = 6;  // Chart1 .. Chart6
inline constexpr int kDistChart = 0, kRateChart = 1, kPowerChart = 2;
inline constexpr int kMeanEnergyChart = 3, kDiffusionChart = 4, kDriftChart = 5;

// How tick labels are written: the charting default "#,##0.###", or the exponent form
// "0.###E-" behind two or three blanks.
enum class LabelFormat { Plain, Exponent2, Exponent3 };

struct AxisState {
    bool log = false;
    bool autoMin = true;
    bool autoMax = true;
    double min = 0;
    double max = 0;
    double increment = 0;  // 0: the view chooses the step (linear axes only)
    int minorTicks = 4;
    std::string title;
    LabelFormat format = LabelFormat::Plain;
};

struct ChartAxes {
    AxisState left, bottom;
};

using Rgb = std::uint32_t;  // 0xRRGGBB

// How a curve's line is drawn; a dash or a dot is as long as the pen is wide times the
// pattern (dash 4 on 2 off, dot 1 on 2 off, dash-dot 4, 2, 1, 2).
enum class LineStyle { Solid, Dash, Dot, DashDot };

struct Series {
    std::string title;  // plain text, blanks kept
    std::vector<double> x, y;
    bool on = false;
    bool heading = false;  // the white legend heading of Chart1-3 (no points)
    Rgb colour = 0;
    LineStyle line = LineStyle::Solid;
};

struct ChartModel {
    int index = 0;  // 0 .. 5 for Chart1 .. Chart6
    std::string titleLine1, titleLine2;
    size_t titleGasLength = 0;  // titleLine2 is the gas line of this length, then the conditions
    std::vector<Series> series;  // chart order; on Chart1-3 series 0 is the heading
    // Curve array position -> index into series, -1 when the position holds no curve.
    // Chart1-3: positions of the distribution, rate and power arrays; Chart4-6: 0 = the
    // chart's first transport curve, 1 = its second.
    std::vector<int> positionToSeries;
    ChartAxes axes;
    int legendFirst = 0;

    const Series* curveAt(int position) const;
    Series* curveAt(int position);
    int curvePositions() const { return static_cast<int>(positionToSeries.size()); }
};

// The axis settings of each chart before any file is read.
ChartAxes designAxes(int chart);

}  // namespace vorn::viewer
