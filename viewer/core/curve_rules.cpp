#include "viewer/core/curve_rules.h"

#include <algorithm>

#include "viewer/core/graph_data.h"

namespace vorn::viewer {

Rgb paletteColour(int index) {
    static constexpr Rgb kPalette[] = {0xFF0000, 0x00A000, 0xE0C000, 0x0000FF, 0xFF00FF,
                                       0x00A0A0, 0x800000, 0x808000, 0x000080, 0x800080,
                                       0x008080, 0x808080, 0xFF8000, 0x00C0FF, 0x404040,
                                       0x80C000};
    constexpr int n = sizeof kPalette / sizeof kPalette[0];
    return kPalette[((index % n) + n) % n];
}

CurveStyle furtherStyle(int n) {
    // Not among the colours of series 1 .. 14 (red is series 0's, the heading's place on the
    // charts that have more than 14 curves).
    static constexpr Rgb kFurtherColours[] = {0xFF0000, 0x80C000, 0x8000FF,
                                              0xFF0080, 0x804000, 0x0080FF};
    constexpr int further = sizeof kFurtherColours / sizeof kFurtherColours[0];
    constexpr int colours = kOwnColourSeries - 1 + further;
    static_assert(kFurtherStyles == further + 3 * colours);
    n = ((n % kFurtherStyles) + kFurtherStyles) % kFurtherStyles;
    if (n < further) return {kFurtherColours[n], LineStyle::Solid};
    n -= further;
    static constexpr LineStyle kLines[] = {LineStyle::Dash, LineStyle::Dot, LineStyle::DashDot};
    const int c = n % colours;
    return {c < kOwnColourSeries - 1 ? paletteColour(c + 1) : kFurtherColours[c - (kOwnColourSeries - 1)],
            kLines[n / colours]};
}

CurveStyle defaultStyle(int index) {
    return index < kOwnColourSeries ? CurveStyle{paletteColour(index), LineStyle::Solid}
                                    : furtherStyle(index - kOwnColourSeries);
}

void recolourSeries(ChartModel& chart) {
    const int n = static_cast<int>(chart.series.size());
    int i = 0;
    int further = 0;
    for (int j = kOwnColourSeries; j < n; ++j) {
        Series& s = chart.series[j];
        if (!s.on) continue;
        ++i;
        bool lent = false;
        while (i < n && i < kOwnColourSeries) {
            if (!chart.series[i].on) {
                s.colour = chart.series[i].colour;
                s.line = chart.series[i].line;
                lent = true;
                break;
            }
            ++i;
        }
        if (!lent) {
            const CurveStyle style = furtherStyle(further++);
            s.colour = style.colour;
            s.line = style.line;
        }
    }
}

namespace {

int shownCount(const ChartModel& chart) {
    return static_cast<int>(std::count_if(chart.series.begin(), chart.series.end(),
                                          [](const Series& s) { return s.on; }));
}

}  // namespace

int nextLegendFirst(const ChartModel& chart, int step) {
    const int next = chart.legendFirst + std::max(1, step);
    return next < shownCount(chart) ? next : 0;
}

int legendPageRows(int chart, int rowsThatFit) {
    const int cap = 1 + (chart == kDistChart ? kMaxFieldValues : kLegendPage);
    return std::clamp(rowsThatFit, 1, cap);
}

int legendPageStep(int chart, int rowsThatFit) {
    const int rows = legendPageRows(chart, rowsThatFit);
    return chart == kDistChart ? rows : std::min(kLegendPage, rows);
}

std::vector<int> legendEntries(const ChartModel& chart, int rows) {
    // Curves switched off since the legend was paged may leave nothing from its first entry
    // on; an empty legend could not be clicked back, so it starts again from the top.
    const int first = chart.legendFirst < shownCount(chart) ? chart.legendFirst : 0;
    std::vector<int> entries;
    int position = 0;
    for (size_t i = 0; i < chart.series.size() && int(entries.size()) < rows; ++i) {
        if (!chart.series[i].on) continue;
        if (position >= first) entries.push_back(static_cast<int>(i));
        ++position;
    }
    return entries;
}

std::array<SeriesButton, 10> seriesButtons(const ChartModel& chart, int count, int seriesPage) {
    std::array<SeriesButton, 10> buttons{};
    for (int b = 0; b < 10; ++b) {
        const int k = seriesPage * 10 + b;
        const Series* s = k < count ? chart.curveAt(k) : nullptr;
        if (s != nullptr) buttons[b] = {s->on, s->title};
    }
    return buttons;
}

bool transportHasSecondCurve(int chart, int fieldMode) {
    switch (chart) {
    case kMeanEnergyChart: return fieldMode == 0;
    case kDiffusionChart: return fieldMode == 2;
    case kDriftChart: return fieldMode == 1 || fieldMode == 2;
    default: return false;
    }
}

std::optional<std::string> transportAxisTitle(int chart, int fieldMode, bool firstOn,
                                              bool secondOn) {
    if (!firstOn && !secondOn) return std::nullopt;
    auto pick = [&](const char* both, const char* first, const char* second) {
        return std::string(firstOn && secondOn ? both : firstOn ? first : second);
    };
    switch (chart) {
    case kMeanEnergyChart:
        if (fieldMode == 0) return pick("<u>, D/Mu, eV", "<u>, eV", "D/Mu, eV");
        return std::string("<u>, eV");
    case kDiffusionChart:
        if (fieldMode == 2)
            return pick("D _|_ H, D || H, cm^2/s", "D _|_ H, cm^2/s", "D || H, cm^2/s");
        return std::string("D, cm^2/s");
    case kDriftChart:
        if (fieldMode == 0) return std::string("Vd, cm/s");
        if (fieldMode == 1)
            return pick("Mu cond, Mu pol, cm^2/(s V)", "Mu cond, cm^2/(s V)",
                        "Mu pol, cm^2/(s V)");
        return pick("Mu || E, Mu _|_ E _|_ H, cm^2/(s V)", "Mu || E, cm^2/(s V)",
                    "Mu _|_ E _|_ H, cm^2/(s V)");
    default: return std::nullopt;
    }
}

}  // namespace vorn::viewer
