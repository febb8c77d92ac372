#include "viewer/core/viewer_model.h"

#include <cmath>

#include "viewer/core/axis_rules.h"
#include "viewer/core/curve_rules.h"

namespace vorn::viewer {
namespace {

std::string padded(std::string s, size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

// The Configuring page shows an overflowed F7.1 field as it was written.
std::string balanceText(double v, const std::string& written, int precision, int decimals,
                        NumberStyle style) {
    return std::isnan(v) ? written : formatFixed(v, precision, decimals, style);
}

// The values of the given cases.
std::vector<double> casesOf(const std::vector<double>& v, const std::vector<int>& cases) {
    std::vector<double> out;
    for (int k : cases)
        if (size_t(k) < v.size()) out.push_back(v[k]);
    return out;
}

// Title lines and the left-axis defaults that every read starts a chart from.
void resetChart(ChartModel& chart, const GraphData& data) {
    chart.titleLine1 = data.fieldLine;
    chart.titleLine2 = data.gasLine + data.conditionsLine;
    chart.titleGasLength = data.gasLine.size();
    AxisState& left = chart.axes.left;
    switch (chart.index) {
    case kDistChart:
    case kRateChart:
        left.autoMin = false, left.autoMax = true, left.log = true, left.minorTicks = 8;
        break;
    case kPowerChart:
        left.autoMin = false, left.autoMax = false, left.log = false, left.minorTicks = 4;
        break;
    default:
        left.autoMin = true, left.autoMax = true, left.log = false, left.minorTicks = 4;
    }
    if (chart.index != kDistChart) chart.axes.bottom.title = data.fieldMode == 1 ? "Eo, V/cm" : "E/N, Td";
    const int m = data.fieldMode;
    if (chart.index == kMeanEnergyChart) left.title = m == 0 ? "<u>, D/Mu, eV" : "<u>, eV";
    if (chart.index == kDiffusionChart) left.title = m == 2 ? "D _|_ H, D || H, cm^2/s" : "D, cm^2/s";
    if (chart.index == kDriftChart)
        left.title = m == 0   ? "Vd, cm/s"
                     : m == 1 ? "Mu cond, Mu pol, cm^2/(s V)"
                              : "Mu || E, Mu _|_ E _|_ H, cm^2/(s V)";
}

void addHeading(ChartModel& chart, const std::string& title) {
    Series heading;
    heading.title = title;
    heading.heading = true;
    heading.on = true;
    heading.colour = kHeadingColour;
    chart.series.push_back(std::move(heading));
}

void addCurve(ChartModel& chart, std::string title, std::vector<double> x, std::vector<double> y) {
    Series s;
    s.title = std::move(title);
    s.x = std::move(x);
    s.y = std::move(y);
    const CurveStyle style = defaultStyle(static_cast<int>(chart.series.size()));
    s.colour = style.colour;
    s.line = style.line;
    chart.positionToSeries.push_back(static_cast<int>(chart.series.size()));
    chart.series.push_back(std::move(s));
}

CurveList firstCurves(const ChartModel& chart, int n, int from = 0) {
    CurveList list;
    for (int k = from; k < from + n; ++k) list.push_back(chart.curveAt(k));
    return list;
}

}  // namespace

std::string transportCurveTitle(int slot, int fieldMode) {
    static const char* fixed[] = {"<u>", "D/Mu", nullptr, "D II H", nullptr, nullptr};
    std::string t;
    if (fixed[slot] != nullptr) t = fixed[slot];
    if (slot == 2) t = fieldMode == 2 ? "D _I_ H" : "D";
    if (slot == 4) t = fieldMode == 0 ? "Vd" : fieldMode == 1 ? "Mu cond" : "Mu II E";
    if (slot == 5) t = fieldMode == 2 ? "Mu _I_ E _I_ H" : "Mu pol";
    return padded(t, 15);
}

std::vector<int> transportSlots(int chart, int fieldMode) {
    switch (chart) {
    case kMeanEnergyChart: return fieldMode == 0 ? std::vector<int>{0, 1} : std::vector<int>{0};
    case kDiffusionChart: return fieldMode == 2 ? std::vector<int>{2, 3} : std::vector<int>{2};
    case kDriftChart: return fieldMode == 0 ? std::vector<int>{4} : std::vector<int>{4, 5};
    default: return {};
    }
}

ViewerTexts buildTexts(const GraphData& data, NumberStyle style) {
    ViewerTexts t;
    switch (data.fieldMode) {
    case 0:
        t.pageCaptions = {"Mean and Characteristic energies", "Diffusion coefficient", "Drift velocity"};
        t.fieldHeading = "E/N, Td";
        t.fieldSeriesTitle = "E/N,  Td";
        break;
    case 1:
        t.pageCaptions = {"Mean energy", "Diffusion coefficient", "Mobilities"};
        t.fieldHeading = "Eo, V/cm";
        t.fieldSeriesTitle = "Eo, V/cm";
        break;
    default:
        t.pageCaptions = {"Mean energy", "Diffusion coefficients", "Mobilities"};
        t.fieldHeading = "E/N, Td";
        t.fieldSeriesTitle = "E/N,  Td";
    }
    for (int i = 0; i < data.caseCount; ++i)
        t.fieldRows.push_back(formatExponent(data.fieldValues[i], 4, 2, style));
    const int p = data.processCount;
    const auto& names = data.processNames;
    t.rateRows.assign(names.begin(), names.begin() + p);
    t.rateRows.push_back(names[p]);
    t.rateRows.push_back(names[p + 2]);
    t.powerRows.assign(names.begin(), names.begin() + p);
    t.powerRows.push_back(names[p + 1]);
    t.powerRows.push_back(names[p + 3]);
    t.intervals = std::to_string(data.intervals);
    t.accuracy = formatExponent(data.accuracy, 4, 2, style);
    t.startTe = "Te = " + formatGeneral(data.startTe, style) + " , K";
    t.maxwellian = data.startTe > 0;
    return t;
}

CaseSummary caseSummary(const GraphData& data, const ViewerTexts& texts, int row,
                        NumberStyle style) {
    CaseSummary s;
    if (row < 0 || row >= static_cast<int>(texts.fieldRows.size()) ||
        row >= static_cast<int>(data.balance.size()))
        return s;
    const bool eo = data.fieldMode == 1;
    s.fieldValue = (eo ? "Eo = " : "E/N = ") + texts.fieldRows[row] + (eo ? " V/cm" : " Td");
    const CaseBalance& b = data.balance[row];
    s.energyRange = balanceText(b.energyRange, b.energyRangeText, 7, 1, style);
    if (data.caseConverged(row)) {
        s.balanceAccuracy = balanceText(b.balanceAccuracy, b.balanceAccuracyText, 8, 2, style);
        s.eeDiscrepancy = balanceText(b.eeDiscrepancy, b.eeDiscrepancyText, 8, 2, style);
    } else {
        // What the solver wrote for a case it gave up on reads like a perfect result.
        s.balanceAccuracy = s.eeDiscrepancy = kNotConverged;
    }
    return s;
}

std::array<ChartModel, kChartCount> buildCharts(const GraphData& data, const ViewerTexts& texts) {
    std::array<ChartModel, kChartCount> charts;
    for (int c = 0; c < kChartCount; ++c) {
        charts[c].index = c;
        charts[c].axes = designAxes(c);
        resetChart(charts[c], data);
    }
    const int p = data.processCount;
    // A case that did not converge has no results: it is left out of the field-dependent
    // curves, while its distribution stays on Chart1, marked in the legend.
    std::vector<int> cases;
    for (int k = 0; k < data.caseCount; ++k)
        if (data.caseConverged(k)) cases.push_back(k);
    const std::vector<double> x = casesOf(data.caseFieldValues, cases);

    ChartModel& dist = charts[kDistChart];
    addHeading(dist, texts.fieldSeriesTitle);
    for (size_t j = 0; j < data.distributions.size(); ++j) {
        std::string title = texts.fieldRows[j];
        if (!data.caseConverged(static_cast<int>(j))) title += " (" + std::string(kNotConverged) + ")";
        addCurve(dist, title, data.distributions[j].energies, data.distributions[j].values);
    }
    ScaleLeftMaximum(kDistChart, dist.axes.left, firstCurves(dist, dist.curvePositions()));

    ChartModel& rate = charts[kRateChart];
    addHeading(rate, "Reactions:");
    for (int s = 0; s < p + 2; ++s) addCurve(rate, texts.rateRows[s], x, casesOf(data.rateCurves[s], cases));
    // Every curve takes part, the net production rate as much as the others: a curve left out
    // could lie outside the axis while it is ticked.
    ScaleLeftMaximum(kRateChart, rate.axes.left, firstCurves(rate, p + 2));
    ScaleBottomDecades(rate.axes.bottom, firstCurves(rate, p + 2));

    ChartModel& power = charts[kPowerChart];
    addHeading(power, "Reactions:");
    for (int s = 0; s < p + 2; ++s) addCurve(power, texts.powerRows[s], x, casesOf(data.powerCurves[s], cases));
    ScaleLeftMaximum(kPowerChart, power.axes.left, firstCurves(power, p + 2));
    ScaleLeftMinimum(power.axes.left, firstCurves(power, p + 2));
    ScaleBottomDecades(power.axes.bottom, firstCurves(power, p + 2));

    for (int c = kMeanEnergyChart; c < kChartCount; ++c) {
        ChartModel& chart = charts[c];
        for (int slot : transportSlots(c, data.fieldMode))
            addCurve(chart, transportCurveTitle(slot, data.fieldMode), x,
                     casesOf(data.transportCurves[slot], cases));
        ScaleLeftDecades(chart.axes.left, firstCurves(chart, chart.curvePositions()));
        ScaleBottomDecades(chart.axes.bottom, firstCurves(chart, chart.curvePositions()));
    }
    return charts;
}

}  // namespace vorn::viewer
