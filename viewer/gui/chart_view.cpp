#include "viewer/gui/chart_view.h"

#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsPathItem>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>
#include <set>

#include "viewer/core/curve_rules.h"
#include "viewer/core/title_layout.h"
#include "viewer/gui/chart_legend.h"
#include "viewer/gui/chart_text.h"
#include "viewer/gui/curve_pen.h"

namespace vorn::viewer {
namespace {

// Room around a label that Qt Charts wants before it draws the label in full, px; measured
// with Qt 6.4 (a 12 px label needs 24 px per category) and rounded up.
constexpr double kLabelRoom = 12;
constexpr double kTickLength = 5;  // major ticks drawn by the overlay, px outside the axis
// Qt Charts elides a title line that, with its text document's 4 px on either side, comes
// within 12 to 18 px of the chart's width less its margins (measured with Qt 6.4); what a
// line may take is that width less this, rounded up.
constexpr double kTitleRoom = 30;

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
    c->legend()->hide();
    m_baseMargins = c->margins();
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
    m_gridOverlay = new QGraphicsPathItem(c);
    m_gridOverlay->setZValue(-1);  // under the curves, as Qt's own grid lines
    m_overlay = new QGraphicsPathItem(c);
    m_overlay->setPen(QPen(Qt::black, 1));
    m_overlay->setZValue(10);
    m_legend = std::make_unique<ChartLegend>(c);
    connect(c, &QChart::plotAreaChanged, this, [this] { relayout(); });
}

ChartView::~ChartView() = default;

QList<QLineSeries*> ChartView::gapStretches(int i) const {
    return i >= 0 && size_t(i) < m_stretches.size() ? m_stretches[i] : QList<QLineSeries*>();
}

QLineSeries* ChartView::newLineSeries() {
    auto* s = new QLineSeries();
    chart()->addSeries(s);
    s->attachAxis(m_axes[1]);
    s->attachAxis(m_axes[0]);
    return s;
}

void ChartView::rebuildSeries(size_t count) {
    chart()->removeAllSeries();
    m_series.clear();
    m_stretches.assign(count, {});
    for (size_t i = 0; i < count; ++i) m_series.append(newLineSeries());
}

void ChartView::feedPoints(const ChartModel& model) {
    const bool logX = model.axes.bottom.log, logY = model.axes.left.log;
    for (size_t i = 0; i < model.series.size(); ++i) {
        const Series& m = model.series[i];
        // Stretches of finite values; a value <= 0 has no place on a logarithmic axis and is
        // left out of the drawing without breaking the line.
        std::vector<QList<QPointF>> stretches(1);
        for (size_t r = 0; r < m.x.size() && r < m.y.size(); ++r) {
            if (!std::isfinite(m.x[r]) || !std::isfinite(m.y[r])) {
                if (!stretches.back().isEmpty()) stretches.emplace_back();
                continue;
            }
            if ((logX && !(m.x[r] > 0)) || (logY && !(m.y[r] > 0))) continue;
            stretches.back().append(QPointF(drawUnits(m.x[r], logX), drawUnits(m.y[r], logY)));
        }
        m_series[static_cast<qsizetype>(i)]->replace(stretches.front());
        QList<QLineSeries*>& more = m_stretches[i];
        size_t used = 0;
        for (size_t k = 1; k < stretches.size(); ++k) {
            if (stretches[k].size() < 2) continue;  // a lone point draws no line
            if (used == size_t(more.size())) more.append(newLineSeries());
            more[static_cast<qsizetype>(used++)]->replace(stretches[k]);
        }
        while (size_t(more.size()) > used) {
            QLineSeries* s = more.takeLast();
            chart()->removeSeries(s);
            delete s;
        }
    }
    m_fedLog = {logY, logX};
}

void ChartView::showModel(const ChartModel& model, bool newData, std::array<int, 2> labelStep,
                          NumberStyle style) {
    const bool rebuild = m_series.size() != static_cast<qsizetype>(model.series.size());
    if (rebuild) rebuildSeries(model.series.size());
    if (rebuild || newData || m_fedLog[0] != model.axes.left.log ||
        m_fedLog[1] != model.axes.bottom.log)
        feedPoints(model);

    for (size_t i = 0; i < model.series.size(); ++i) {
        const Series& m = model.series[i];
        const QPen pen = curvePen(m.colour, m.line);
        QList<QLineSeries*> all = m_stretches[i];
        all.prepend(m_series[static_cast<qsizetype>(i)]);
        for (QLineSeries* s : all) {
            s->setName(chartText(m.title));
            s->setPen(pen);
            s->setVisible(m.on);
        }
    }
    m_legendModel.index = model.index;
    m_legendModel.titleLine1 = model.titleLine1;
    m_legendModel.titleLine2 = model.titleLine2;
    m_legendModel.titleGasLength = model.titleGasLength;
    m_legendModel.legendFirst = model.legendFirst;
    m_legendModel.series.resize(model.series.size());
    for (size_t i = 0; i < model.series.size(); ++i) {
        Series& s = m_legendModel.series[i];
        s.title = model.series[i].title;
        s.colour = model.series[i].colour;
        s.line = model.series[i].line;
        s.on = model.series[i].on;
        s.heading = model.series[i].heading;
    }
    m_axisState = {model.axes.left, model.axes.bottom};
    m_userStep = labelStep;
    m_style = style;
    m_ranges[0] = effectiveRange(model.axes.left, model, true);
    m_ranges[1] = effectiveRange(model.axes.bottom, model, false);
    for (int a = 0; a < 2; ++a) {
        m_axes[a]->setTitleText(chartText(m_axisState[a].title));
        m_categories[a].clear();  // bounds may have changed: lay the axis out again
    }
    relayout();
}

void ChartView::relayout() {
    // Laying out changes categories and margins, which lays the chart out again and comes
    // back here; the second pass finds nothing to change.
    if (m_inLayout) return;
    m_inLayout = true;
    layoutAxis(0);
    layoutAxis(1);
    layoutLegend();
    layoutTitle();
    drawOverlay();
    m_inLayout = false;
}

void ChartView::layoutAxis(int a) {
    QCategoryAxis* axis = m_axes[a];
    const AxisState& state = m_axisState[a];
    const AxisRange r = m_ranges[a];
    std::vector<Tick> ticks = axisTicks(state, r, 1, m_style);
    m_minor[a] = minorTickValues(state, r, ticks);

    // The label step: the user's (logarithmic axes only), or larger until the labels fit.
    const QRectF plot = chart()->plotArea();
    const double length = a == 0 ? plot.height() : plot.width();
    const QFontMetricsF metrics(axis->labelsFont());
    double extent = metrics.height();
    if (a == 1) {
        extent = 0;
        for (const Tick& t : ticks) extent = std::max(extent, metrics.horizontalAdvance(QString::fromStdString(t.text)));
    }
    const int user = state.log ? m_userStep[a] : 1;
    const int step = length > 0 ? fittingLabelStep(user, int(ticks.size()), length, extent + kLabelRoom)
                                : std::max(1, user);
    applyLabelStep(ticks, step);
    m_drawnStep[a] = step;
    m_ticks[a] = ticks;

    const double lo = drawUnits(r.lo, state.log), hi = drawUnits(r.hi, state.log);
    QStringList labels;
    std::vector<double> ends;
    std::set<QString> used;
    for (const Tick& t : ticks) {
        if (t.text.empty()) continue;
        QString text = QString::fromStdString(t.text);
        while (used.count(text) != 0) text += ' ';  // category labels must be unique
        used.insert(text);
        labels.append(text);
        ends.push_back(drawUnits(t.value, state.log));
    }
    // The axis ends at its last category: close it at the upper bound with a blank one.
    if (ends.empty() || hi > ends.back()) {
        QString blank = " ";
        while (used.count(blank) != 0) blank += ' ';
        labels.append(blank);
        ends.push_back(hi);
    }
    if (labels == m_categories[a] && axis->min() == lo && axis->max() == hi) return;
    m_categories[a] = labels;
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    // A label sits at its category's end value; the start lies just below the first one so
    // that a label on the lower bound is drawn too.
    const double span = hi - lo;
    axis->setStartValue(std::min(lo, ends.front()) - std::fabs(span) * 1e-9);
    for (qsizetype i = 0; i < labels.size(); ++i) axis->append(labels[i], ends[size_t(i)]);
    axis->setRange(lo, hi);
}

void ChartView::layoutLegend() {
    const QRectF plot = chart()->plotArea();
    const double top = plot.top();
    const double bottom = chart()->size().height() - m_baseMargins.bottom();
    m_rowsThatFit = std::max(0, int((bottom - top) / m_legend->rowHeight()));
    std::vector<LegendRow> rows;
    for (int i : legendEntries(m_legendModel, legendPageRows(m_legendModel.index, m_rowsThatFit))) {
        const Series& s = m_legendModel.series[size_t(i)];
        rows.push_back({s.title, s.colour, s.line});
    }
    const double width = m_legend->width(rows);
    QMargins margins = m_baseMargins;
    margins.setRight(m_baseMargins.right() + int(width));
    if (chart()->margins() != margins) chart()->setMargins(margins);
    const double height = m_legend->rowHeight() * double(rows.size());
    const double y = std::max(top, std::min(plot.center().y() - height / 2, bottom - height));
    m_legend->show(rows, QPointF(chart()->size().width() - m_baseMargins.right() - width, y));
}

void ChartView::layoutTitle() {
    // The margins hold the legend's room too.
    const QMargins m = chart()->margins();
    const double room = chart()->size().width() - m.left() - m.right() - kTitleRoom;
    const QFontMetricsF metrics(chart()->titleFont());
    const auto width = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    // Before the first layout the chart has no size yet: nothing to fit to.
    const double maxWidth = chart()->size().width() > 0 ? std::max(room, 1.0) : HUGE_VAL;
    QStringList lines;
    for (const std::string& line : vorn::viewer::titleLines(m_legendModel, maxWidth, width))
        lines.append(chartText(line));
    const QString title = lines.join("<br>");
    if (chart()->title() != title) chart()->setTitle(title);
}

QStringList ChartView::legendTexts() const { return m_legend->texts(); }
QRectF ChartView::legendRect() const { return m_legend->rect(); }
int ChartView::legendPageStep() const { return vorn::viewer::legendPageStep(m_legendModel.index, m_rowsThatFit); }

QStringList ChartView::drawnLabels(int a) const {
    QStringList labels;
    for (const QString& l : m_axes[a]->categoriesLabels())
        if (!l.trimmed().isEmpty()) labels.append(l.trimmed());
    return labels;
}

void ChartView::drawOverlay() {
    const QRectF plot = chart()->plotArea();
    QPainterPath ticks, grid;
    m_minorCount = 0;
    for (int a = 0; a < 2; ++a) {
        const bool log = m_axisState[a].log;
        const double lo = drawUnits(m_ranges[a].lo, log);
        const double hi = drawUnits(m_ranges[a].hi, log);
        if (!(hi > lo)) continue;
        auto mark = [&](double v, double length, bool withGrid) {
            const double f = (drawUnits(v, log) - lo) / (hi - lo);
            if (a == 0) {
                const double y = plot.bottom() - f * plot.height();
                ticks.moveTo(plot.left() - 1 - length, y);  // outside the 2 px axis line
                ticks.lineTo(plot.left() - 1, y);
                if (withGrid) {
                    grid.moveTo(plot.left(), y);
                    grid.lineTo(plot.right(), y);
                }
            } else {
                const double x = plot.left() + f * plot.width();
                ticks.moveTo(x, plot.bottom() + 1);
                ticks.lineTo(x, plot.bottom() + 1 + length);
                if (withGrid) {
                    grid.moveTo(x, plot.top());
                    grid.lineTo(x, plot.bottom());
                }
            }
        };
        // Ticks without a label are no categories: their marks and grid lines are drawn here.
        for (const Tick& t : m_ticks[a])
            if (t.text.empty()) mark(t.value, kTickLength, true);
        for (double v : m_minor[a]) {
            mark(v, 3, false);
            ++m_minorCount;
        }
    }
    m_overlay->setPath(ticks);
    m_gridOverlay->setPen(m_axes[0]->gridLinePen());
    m_gridOverlay->setPath(grid);
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    relayout();
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
    if (m_legend->rect().contains(p)) emit legendClicked();
    event->accept();
}

}  // namespace vorn::viewer
