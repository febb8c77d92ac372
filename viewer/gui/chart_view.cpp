#include "viewer/gui/chart_view.h"

#include <QCategoryAxis>
#include <QGraphicsPathItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>
#include <set>

#include "viewer/gui/chart_text.h"

namespace vorn::viewer {
namespace {

QColor toColour(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

double drawUnits(double v, bool log) { return log ? std::log10(v) : v; }

QFont pixelFont(const char* family, int px) {
    QFont f(family);
    f.setPixelSize(px);
    return f;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QChartView(new QChart(), parent) {
    setRubberBand(QChartView::NoRubberBand);  // no zoom, no panning
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setTitleFont(pixelFont("Times New Roman", 13));
    c->setTitleBrush(Qt::blue);
    c->legend()->setAlignment(Qt::AlignRight);
    c->legend()->setFont(pixelFont("Arial", 12));
    for (int a = 0; a < 2; ++a) {
        auto* axis = new QCategoryAxis(this);
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis->setTitleFont(pixelFont("Arial", 13));
        axis->setTitleBrush(Qt::blue);
        QPen pen = axis->linePen();
        pen.setWidth(2);
        axis->setLinePen(pen);
        c->addAxis(axis, a == 0 ? Qt::AlignLeft : Qt::AlignBottom);
        m_axes[a] = axis;
    }
    m_minorItem = new QGraphicsPathItem(c);
    m_minorItem->setPen(QPen(Qt::black, 1));
    m_minorItem->setZValue(10);
    connect(c, &QChart::plotAreaChanged, this, [this] { drawMinorTicks(); });
}

QList<QLineSeries*> ChartView::lineSeries() const {
    QList<QLineSeries*> list;
    for (QAbstractSeries* s : chart()->series()) list.append(static_cast<QLineSeries*>(s));
    return list;
}

void ChartView::rebuildSeries(const ChartModel& model) {
    chart()->removeAllSeries();
    for (size_t i = 0; i < model.series.size(); ++i) {
        auto* s = new QLineSeries();
        chart()->addSeries(s);
        s->attachAxis(m_axes[1]);
        s->attachAxis(m_axes[0]);
    }
}

void ChartView::feedPoints(const ChartModel& model) {
    const bool logX = model.axes.bottom.log, logY = model.axes.left.log;
    const QList<QLineSeries*> series = lineSeries();
    for (size_t i = 0; i < model.series.size(); ++i) {
        const Series& m = model.series[i];
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(m.x.size()));
        for (size_t r = 0; r < m.x.size() && r < m.y.size(); ++r) {
            // A value <= 0 has no place on a logarithmic axis: leave it out of the drawing.
            if ((logX && !(m.x[r] > 0)) || (logY && !(m.y[r] > 0))) continue;
            points.append(QPointF(drawUnits(m.x[r], logX), drawUnits(m.y[r], logY)));
        }
        series[static_cast<qsizetype>(i)]->replace(points);
    }
    m_fedLog = {logY, logX};
}

void ChartView::showModel(const ChartModel& model, bool newData, std::array<int, 2> labelStep,
                          NumberStyle style) {
    const bool rebuild = lineSeries().size() != static_cast<qsizetype>(model.series.size());
    if (rebuild) rebuildSeries(model);
    if (rebuild || newData || m_fedLog[0] != model.axes.left.log ||
        m_fedLog[1] != model.axes.bottom.log)
        feedPoints(model);

    const QList<QLineSeries*> series = lineSeries();
    int legendPosition = 0;
    for (size_t i = 0; i < model.series.size(); ++i) {
        const Series& m = model.series[i];
        QLineSeries* s = series[static_cast<qsizetype>(i)];
        s->setName(chartText(m.title));
        QPen pen(toColour(m.colour));
        pen.setWidth(2);
        s->setPen(pen);
        s->setVisible(m.on);
        if (m.on) {
            const auto markers = chart()->legend()->markers(s);
            for (QLegendMarker* marker : markers) marker->setVisible(legendPosition >= model.legendFirst);
            ++legendPosition;
        }
    }
    chart()->setTitle(chartText(model.titleLine1) + "<br>" + chartText(model.titleLine2));
    m_ranges[0] = effectiveRange(model.axes.left, model, true);
    m_ranges[1] = effectiveRange(model.axes.bottom, model, false);
    layoutAxis(0, model.axes.left, labelStep[0], style);
    layoutAxis(1, model.axes.bottom, labelStep[1], style);
    drawMinorTicks();
}

void ChartView::layoutAxis(int a, const AxisState& state, int labelStep, NumberStyle style) {
    QCategoryAxis* axis = m_axes[a];
    axis->setTitleText(chartText(state.title));
    m_log[a] = state.log;
    const AxisRange r = m_ranges[a];
    const std::vector<Tick> ticks = axisTicks(state, r, labelStep, style);
    m_minor[a] = minorTickValues(state, r, ticks);

    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    const double lo = drawUnits(r.lo, state.log), hi = drawUnits(r.hi, state.log);
    // A label sits at its category's end value; the start lies just below the first tick so
    // that a tick on the lower bound gets its label too.
    const double span = hi - lo;
    double start = lo - span * 1e-9;
    for (const Tick& t : ticks) start = std::min(start, drawUnits(t.value, state.log) - span * 1e-9);
    axis->setStartValue(start);
    std::set<QString> used;
    for (const Tick& t : ticks) {
        // Labels must be unique; blanks keep hidden and repeated labels apart.
        QString text = QString::fromStdString(t.text);
        while (used.count(text) != 0 || text.isEmpty()) text += ' ';
        used.insert(text);
        axis->append(text, drawUnits(t.value, state.log));
    }
    // The axis ends at its last category: close it at the upper bound with a blank one.
    const double last = ticks.empty() ? start : drawUnits(ticks.back().value, state.log);
    if (hi > last) {
        QString blank = " ";
        while (used.count(blank) != 0) blank += ' ';
        axis->append(blank, hi);
    }
    axis->setRange(lo, hi);
}

QStringList ChartView::drawnLabels(int a) const {
    QStringList labels;
    for (const QString& l : m_axes[a]->categoriesLabels())
        if (!l.trimmed().isEmpty()) labels.append(l.trimmed());
    return labels;
}

void ChartView::drawMinorTicks() {
    const QRectF plot = chart()->plotArea();
    QPainterPath path;
    m_minorCount = 0;
    for (int a = 0; a < 2; ++a) {
        const double lo = drawUnits(m_ranges[a].lo, m_log[a]);
        const double hi = drawUnits(m_ranges[a].hi, m_log[a]);
        if (!(hi > lo)) continue;
        for (double v : m_minor[a]) {
            const double f = (drawUnits(v, m_log[a]) - lo) / (hi - lo);
            if (a == 0) {
                const double y = plot.bottom() - f * plot.height();
                path.moveTo(plot.left() - 4, y);  // 3 px outside the 2 px axis line
                path.lineTo(plot.left() - 1, y);
            } else {
                const double x = plot.left() + f * plot.width();
                path.moveTo(x, plot.bottom() + 1);
                path.lineTo(x, plot.bottom() + 4);
            }
            ++m_minorCount;
        }
    }
    m_minorItem->setPath(path);
}

void ChartView::wheelEvent(QWheelEvent* event) { event->accept(); }

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPointF p = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    const QRectF plot = chart()->plotArea();
    if (p.x() < plot.left() && p.y() >= plot.top() - 10 && p.y() <= plot.bottom() + 10)
        emit axisDoubleClicked(0);
    else if (p.y() > plot.bottom() && p.x() >= plot.left() - 10 && p.x() <= plot.right() + 10)
        emit axisDoubleClicked(1);
    event->accept();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    const QPointF p = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    if (chart()->legend()->isVisible() && chart()->legend()->geometry().contains(p)) emit legendClicked();
    event->accept();
}

}  // namespace vorn::viewer
