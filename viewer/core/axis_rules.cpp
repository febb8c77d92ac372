#include "viewer/core/axis_rules.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace vorn::viewer {
namespace {

// Largest and smallest of the chosen coordinate over curves that have points.
struct Extremes {
    bool any = false;
    double lo = 0, hi = 0;
};

Extremes extremes(const CurveList& curves, bool onX) {
    Extremes e;
    for (const Series* s : curves) {
        if (s == nullptr) continue;
        for (double v : onX ? s->x : s->y) {
            if (!std::isfinite(v)) continue;  // not plotted, so not scaled to
            if (!e.any) e.lo = e.hi = v;
            e.lo = std::min(e.lo, v);
            e.hi = std::max(e.hi, v);
            e.any = true;
        }
    }
    return e;
}

double niceStep(double span) {
    if (!(span > 0)) return 1;
    const double raw = span / 8;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * magnitude >= raw * (1 - 1e-9)) return m * magnitude;
    return 10 * magnitude;
}

}  // namespace

double powerOfTenAbove(double v) { return std::pow(10.0, std::ceil(std::log10(v))); }
double powerOfTenBelow(double v) { return std::pow(10.0, std::floor(std::log10(v))); }

void ScaleLeftMaximum(int chart, AxisState& left, const CurveList& curves) {
    const Extremes e = extremes(curves, false);
    const double m = e.any ? std::max(0.0, e.hi) : 0;
    if (chart == kDistChart || chart == kRateChart) {
        left.autoMax = false;
        left.log = true;
        left.minorTicks = 8;
        if (m > 0) left.max = powerOfTenAbove(m);  // nothing to scale to: keep the maximum
    } else if (chart == kPowerChart) {
        left.autoMax = false;
        left.log = false;
        left.minorTicks = 4;
        left.max = m <= 100 ? 100 : 10 * std::ceil(m / 10);
    } else {
        left.max = m;
    }
}

void ScaleLeftMinimum(AxisState& left, const CurveList& curves) {
    const Extremes e = extremes(curves, false);
    left.autoMin = false;
    left.log = false;
    left.minorTicks = 4;
    if (e.any) left.min = e.lo >= 0 ? -1 : 10 * std::floor(e.lo / 10);
}

static void scaleDecades(AxisState& axis, const CurveList& curves, bool onX) {
    Extremes e = extremes(curves, onX);
    if (!e.any) return;
    if (!onX) e.hi = std::max(e.hi, 0.0);  // the largest y starts from 0
    if (e.hi <= 10 * e.lo || e.lo <= 1e-50) {
        axis.log = false;
        return;
    }
    axis.log = true;
    axis.minorTicks = 8;
    axis.autoMin = axis.autoMax = false;
    axis.max = powerOfTenAbove(e.hi);
    axis.min = powerOfTenBelow(e.lo);
}

void ScaleLeftDecades(AxisState& left, const CurveList& curves) { scaleDecades(left, curves, false); }
void ScaleBottomDecades(AxisState& bottom, const CurveList& curves) { scaleDecades(bottom, curves, true); }

void setLogY(int chart, AxisState& left, bool down) {
    if (down) {
        left.min = chart == kRateChart ? 1e-30 : 1e-10;
        left.log = true;
        left.minorTicks = 8;
    } else {
        left.min = 0;
        left.log = false;
        left.minorTicks = 4;
    }
}

void setLogX(AxisState& bottom, bool down) {
    bottom.log = down;
    bottom.minorTicks = down ? 8 : 4;
}

AxisRange effectiveRange(const AxisState& axis, const ChartModel& chart, bool vertical) {
    bool any = false;
    double dataLo = 0, dataHi = 0;
    for (const Series& s : chart.series) {
        if (!s.on || s.heading) continue;
        for (double v : vertical ? s.y : s.x) {
            if (!std::isfinite(v) || (axis.log && v <= 0)) continue;
            if (!any) dataLo = dataHi = v;
            dataLo = std::min(dataLo, v);
            dataHi = std::max(dataHi, v);
            any = true;
        }
    }
    double lo = axis.autoMin ? (any ? dataLo : (axis.log ? 1e-10 : 0)) : axis.min;
    double hi = axis.autoMax ? (any ? dataHi : 1) : axis.max;
    if (axis.log) {
        // Values <= 0 cannot be drawn on a logarithmic axis; keep the bounds positive.
        if (!(hi > 0)) hi = any ? dataHi : 1;
        if (!(lo > 0)) lo = any && dataLo < hi ? dataLo : hi / 1e10;
        if (!(hi > lo)) {
            lo /= 10;
            hi = lo * 100;
        }
    } else if (!(hi > lo)) {
        if (hi == lo) {
            lo -= 1;
            hi += 1;
        } else {
            std::swap(lo, hi);
        }
    }
    return {lo, hi};
}

AxisDialogValues axisDialogValues(const AxisState& axis, AxisRange shown, NumberStyle style) {
    AxisDialogValues v;
    v.maxAuto = axis.autoMax;
    v.minAuto = axis.autoMin;
    v.incrementAuto = true;
    v.maxText = formatExponent(axis.autoMax ? shown.hi : axis.max, 4, 2, style);
    v.minText = formatExponent(axis.autoMin ? shown.lo : axis.min, 4, 2, style);
    v.incrementText = formatExponent(axis.increment, 4, 2, style);
    return v;
}

std::optional<double> parseTypedNumber(const std::string& text, NumberStyle style) {
    const auto b = text.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    const auto e = text.find_last_not_of(' ');
    std::string t = text.substr(b, e - b + 1);
    size_t i = 0;
    std::string normal;
    if (t[i] == '+' || t[i] == '-') normal += t[i++];
    int digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) normal += t[i++], ++digits;
    if (i < t.size() && t[i] == style.decimalPoint) {
        normal += '.';
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) normal += t[i++], ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        normal += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) normal += t[i++];
        int expDigits = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) normal += t[i++], ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    double value = 0;
    const char* first = normal.data() + (normal[0] == '+' ? 1 : 0);
    auto res = std::from_chars(first, normal.data() + normal.size(), value);
    if (res.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::string> applyAxisDialog(AxisState& axis, int& labelStep,
                                           const AxisDialogValues& values, AxisRange shown,
                                           NumberStyle style) {
    auto read = [&](bool automatic, const std::string& text, const char* name,
                    double& out) -> std::optional<std::string> {
        if (automatic) return std::nullopt;
        auto v = parseTypedNumber(text, style);
        if (!v) return std::string(name) + ": '" + text + "' is not a valid floating point value";
        out = *v;
        return std::nullopt;
    };
    double max = axis.autoMax ? shown.hi : axis.max;
    double min = axis.autoMin ? shown.lo : axis.min;
    double increment = 0;
    if (auto e = read(values.maxAuto, values.maxText, "Max", max)) return e;
    if (auto e = read(values.minAuto, values.minText, "Min", min)) return e;
    if (auto e = read(values.incrementAuto, values.incrementText, "Increment", increment)) return e;
    if (values.maxAuto) max = shown.hi;
    if (values.minAuto) min = shown.lo;
    if (axis.log && !values.maxAuto && max <= 0)
        return "Max: a logarithmic axis takes only values above 0";
    if (axis.log && !values.minAuto && min <= 0)
        return "Min: a logarithmic axis takes only values above 0";
    if (!(min < max))
        return "Min: the minimum " + formatExponent(min, 4, 2, style) +
               " is not below the maximum " + formatExponent(max, 4, 2, style);
    if (!std::isfinite(max - min))
        return "Max, Min: the range from " + formatExponent(min, 4, 2, style) + " to " +
               formatExponent(max, 4, 2, style) + " is too wide to draw";
    if (increment < 0) return "Increment: the increment must not be negative";
    if (axis.log && increment >= 2147483648.0)
        return "Increment: too large for a label step";

    axis.autoMax = values.maxAuto;
    axis.autoMin = values.minAuto;
    if (!values.maxAuto) axis.max = max;
    if (!values.minAuto) axis.min = min;
    if (axis.log)
        labelStep = static_cast<int>(std::trunc(increment));
    else
        axis.increment = increment;
    return std::nullopt;
}

std::vector<Tick> axisTicks(const AxisState& axis, AxisRange range, int labelStep,
                            NumberStyle style) {
    std::vector<double> values;
    const double lo = range.lo, hi = range.hi;
    if (axis.log) {
        const int kLo = static_cast<int>(std::ceil(std::log10(lo) - 1e-9));
        const int kHi = static_cast<int>(std::floor(std::log10(hi) + 1e-9));
        // Every decade of a double's range (about 630) gets its tick.
        for (int k = kLo; k <= kHi && values.size() < 700; ++k) values.push_back(std::pow(10.0, k));
        if (values.size() < 2) {
            values.clear();
            for (int k = kLo - 1; k <= kHi + 1; ++k)
                for (double m : {1.0, 2.0, 5.0}) {
                    const double v = m * std::pow(10.0, k);
                    if (v >= lo * (1 - 1e-9) && v <= hi * (1 + 1e-9)) values.push_back(v);
                }
        }
    } else {
        // Halved before subtracting, so that bounds near the largest double keep a finite span.
        const double span = 2 * (hi / 2 - lo / 2);
        const double step = axis.increment > 0 && span / axis.increment <= 1000
                                ? axis.increment
                                : (std::isfinite(span) ? niceStep(span) : 2 * niceStep(hi / 2 - lo / 2));
        const double first = std::ceil(lo / step - 1e-9);
        for (int i = 0; i < 2000; ++i) {
            const double v = (first + i) * step;
            if (v > hi + 1e-9 * step || !std::isfinite(v)) break;
            // Far from 0 a step below the spacing of doubles repeats a value: one tick each.
            if (values.empty() || v != values.back()) values.push_back(v);
        }
    }
    std::vector<Tick> ticks;
    for (double v : values) ticks.push_back({v, {}});
    // Neighbouring labels must not read the same: widen them until they differ.
    for (int extra = 0; extra <= 14; ++extra) {
        for (Tick& t : ticks) {
            t.text = !axis.log && std::fabs(t.value) < 1e-12 * std::fabs(hi)
                         ? "0"
                         : formatAxisValue(t.value, axis.format, style, extra);
        }
        bool distinct = true;
        for (size_t i = 1; i < ticks.size() && distinct; ++i)
            distinct = ticks[i].text != ticks[i - 1].text;
        if (distinct) break;
    }
    if (axis.log) applyLabelStep(ticks, labelStep);
    return ticks;
}

void applyLabelStep(std::vector<Tick>& ticks, int step) {
    if (step <= 1) return;
    for (size_t i = 0; i < ticks.size(); ++i)
        if (int(i % step) != step - 1) ticks[i].text.clear();
}

int fittingLabelStep(int userStep, int tickCount, double axisLength, double labelExtent) {
    int k = std::max(1, userStep);
    // Each drawn label gets an equal share of the axis, and one share is left for its ends.
    while (k <= tickCount && axisLength < (tickCount / k + 2) * labelExtent) ++k;
    return k;
}

std::vector<double> minorTickValues(const AxisState& axis, AxisRange range,
                                    const std::vector<Tick>& major) {
    std::vector<double> minor;
    if (axis.minorTicks <= 0) return minor;
    if (axis.log) {
        const int kLo = static_cast<int>(std::floor(std::log10(range.lo)));
        const int kHi = static_cast<int>(std::ceil(std::log10(range.hi)));
        if (kHi - kLo > 60) return minor;
        for (int k = kLo; k <= kHi; ++k)
            for (int m = 2; m <= 9; ++m) {
                const double v = m * std::pow(10.0, k);
                if (v > range.lo && v < range.hi) minor.push_back(v);
            }
        return minor;
    }
    if (major.size() < 2) return minor;
    const double step = (major[1].value - major[0].value) / (axis.minorTicks + 1);
    const double start = major.front().value - (major[1].value - major[0].value);
    for (size_t i = 0; i <= major.size(); ++i) {
        const double base = start + i * (major[1].value - major[0].value);
        for (int m = 1; m <= axis.minorTicks; ++m) {
            const double v = base + m * step;
            if (v > range.lo && v < range.hi) minor.push_back(v);
        }
    }
    return minor;
}

}  // namespace vorn::viewer
