#include "viewer/gui/chart_legend.h"

#include <QFontMetricsF>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <cmath>

#include "viewer/gui/curve_pen.h"

namespace vorn::viewer {
namespace {

constexpr double kMarkerLength = 16, kGap = 5, kPadding = 4, kRowSpacing = 1;

}  // namespace

ChartLegend::ChartLegend(QGraphicsItem* parent) : m_parent(parent), m_font("Arial") {
    m_font.setPixelSize(12);
}

double ChartLegend::rowHeight() const { return std::ceil(QFontMetricsF(m_font).height()) + kRowSpacing; }

double ChartLegend::width(const std::vector<LegendRow>& rows) const {
    if (rows.empty()) return 0;
    const QFontMetricsF metrics(m_font);
    double text = 0;
    for (const LegendRow& row : rows)
        text = std::max(text, metrics.horizontalAdvance(QString::fromStdString(row.title)));
    return std::ceil(kPadding + kMarkerLength + kGap + text + kPadding);
}

void ChartLegend::show(const std::vector<LegendRow>& rows, QPointF topLeft) {
    while (m_texts.size() < rows.size()) {
        auto* marker = new QGraphicsLineItem(m_parent);
        auto* text = new QGraphicsSimpleTextItem(m_parent);
        text->setFont(m_font);
        marker->setZValue(11);
        text->setZValue(11);
        m_markers.push_back(marker);
        m_texts.push_back(text);
    }
    const double h = rowHeight();
    for (size_t i = 0; i < m_texts.size(); ++i) {
        const bool on = i < rows.size();
        m_markers[i]->setVisible(on);
        m_texts[i]->setVisible(on);
        if (!on) continue;
        const double y = topLeft.y() + i * h;
        m_markers[i]->setPen(curvePen(rows[i].colour, rows[i].line));
        m_markers[i]->setLine(topLeft.x() + kPadding, y + h / 2, topLeft.x() + kPadding + kMarkerLength, y + h / 2);
        m_texts[i]->setText(QString::fromStdString(rows[i].title));
        m_texts[i]->setPos(topLeft.x() + kPadding + kMarkerLength + kGap, y);
    }
    m_rect = rows.empty() ? QRectF() : QRectF(topLeft, QSizeF(width(rows), h * rows.size()));
}

QStringList ChartLegend::texts() const {
    QStringList list;
    for (const QGraphicsSimpleTextItem* t : m_texts)
        if (t->isVisible()) list.append(t->text());
    return list;
}

}  // namespace vorn::viewer
