#pragma once
// The label step a logarithmic left axis must be drawn with, worked out from the font
// that draws its labels, so that the checks hold whichever family stands in for the
// chart library's "arial".

#include <QAbstractAxis>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "viewer/gui/chart_view.h"

namespace vorn::viewer::test {

// Room beyond its text height that Qt Charts (6.4) wants before it draws a label
// whole, px.
constexpr double kLabelRoom = 12;

// Decade ticks of a logarithmic axis from lo to hi (both decades).
inline int decadeTicks(AxisRange r) {
    return int(std::lround(std::log10(r.hi) - std::log10(r.lo))) + 1;
}

// The smallest step from userStep up at which the drawn labels fit the plot height:
// each drawn label gets an equal share of the axis, and one share is left for its ends.
inline int fittingLeftLabelStep(ChartView* view, int userStep) {
    const QAbstractAxis* axis = view->chart()->axes(Qt::Vertical).value(0);
    const double extent = QFontMetricsF(axis->labelsFont()).height() + kLabelRoom;
    const double length = view->chart()->plotArea().height();
    const int ticks = decadeTicks(view->shownRange(0));
    int step = std::max(1, userStep);
    while (step <= ticks && length < (ticks / step + 2) * extent) ++step;
    return step;
}

}  // namespace vorn::viewer::test
