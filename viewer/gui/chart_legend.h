#pragma once
// The legend of a chart page, drawn by us rather than by Qt Charts: Qt's legend cannot be
// made dense enough for a page of 21 rows in the default window, and it does not lay itself
// out again when markers are hidden. One row per entry: a short line drawn with its curve's
// pen and its title as written (blanks kept), Arial 12 px.

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "viewer/core/chart_model.h"

class QGraphicsItem;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;

namespace vorn::viewer {

struct LegendRow {
    std::string title;
    Rgb colour = 0;
    LineStyle line = LineStyle::Solid;
};

class ChartLegend {
public:
    explicit ChartLegend(QGraphicsItem* parent);

    // Height of one row, px.
    double rowHeight() const;
    // Width the rows need, px; 0 without rows.
    double width(const std::vector<LegendRow>& rows) const;
    // Shows the rows from topLeft downwards; the items left over are hidden.
    void show(const std::vector<LegendRow>& rows, QPointF topLeft);

    QRectF rect() const { return m_rect; }  // chart coordinates; empty without rows
    QStringList texts() const;              // the titles on show

private:
    QGraphicsItem* m_parent;
    QFont m_font;
    std::vector<QGraphicsLineItem*> m_markers;
    std::vector<QGraphicsSimpleTextItem*> m_texts;
    QRectF m_rect;
};

}  // namespace vorn::viewer
