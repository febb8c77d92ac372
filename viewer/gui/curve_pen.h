#pragma once
// How a curve is drawn, on its chart and beside its legend entry alike.

#include <QColor>
#include <QPen>

#include "viewer/core/chart_model.h"

namespace vorn::viewer {

inline QColor toColour(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The curve's colour, 2 px wide.
inline QPen curvePen(Rgb rgb) {
    QPen pen(toColour(rgb));
    pen.setWidth(2);
    return pen;
}

}  // namespace vorn::viewer
