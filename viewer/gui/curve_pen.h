#pragma once
// How a curve is drawn, on its chart and beside its legend entry alike.

#include <QColor>
#include <QPen>

#include "viewer/core/chart_model.h"

namespace vorn::viewer {

inline QColor toColour(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The curve's colour and line, 2 px wide. Dashes and dots end flat, so that their gaps stay
// as wide as the pattern says.
inline QPen curvePen(Rgb rgb, LineStyle line = LineStyle::Solid) {
    QPen pen(toColour(rgb));
    pen.setWidth(2);
    switch (line) {
    case LineStyle::Solid: return pen;
    case LineStyle::Dash: pen.setDashPattern({4, 2}); break;
    case LineStyle::Dot: pen.setDashPattern({1, 2}); break;
    case LineStyle::DashDot: pen.setDashPattern({4, 2, 1, 2}); break;
    }
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace vorn::viewer
