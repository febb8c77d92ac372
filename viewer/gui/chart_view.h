#pragma once
// One chart page: draws a ChartModel on Qt Charts. Qt Charts has no per-label hook, so both
// axes are category axes whose labels we place ourselves (tick texts, label steps, "0" for a
// residue); a logarithmic axis is drawn by feeding the series log10 of the values, leaving
// out values <= 0 from the drawing only. Minor ticks are drawn by an overlay item.

#include <QChartView>
#include <array>

#include "viewer/core/axis_rules.h"
#include "viewer/core/chart_model.h"
#include "viewer/core/number_format.h"

class QCategoryAxis;
class QGraphicsPathItem;
class QLineSeries;

namespace vorn::viewer {

class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    // Draws the model. newData: the curves' points changed since the last call.
    void showModel(const ChartModel& model, bool newData, std::array<int, 2> labelStep,
                   NumberStyle style);

    QCategoryAxis* leftAxis() const { return m_axes[0]; }
    QCategoryAxis* bottomAxis() const { return m_axes[1]; }
    QList<QLineSeries*> lineSeries() const;
    // The bounds each axis is drawn with, in data units (0 left, 1 bottom).
    AxisRange shownRange(int axis) const { return m_ranges[axis]; }
    // Label texts drawn on an axis (not-drawn and duplicate labels excluded).
    QStringList drawnLabels(int axis) const;
    int minorTickCount() const { return m_minorCount; }

signals:
    void axisDoubleClicked(int axis);  // 0 left, 1 bottom
    void legendClicked();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void rebuildSeries(const ChartModel& model);
    void feedPoints(const ChartModel& model);
    void layoutAxis(int axis, const AxisState& state, int labelStep, NumberStyle style);
    void drawMinorTicks();

    std::array<QCategoryAxis*, 2> m_axes{};
    std::array<AxisRange, 2> m_ranges{};
    std::array<bool, 2> m_fedLog{};
    std::array<std::vector<double>, 2> m_minor;  // minor tick values, data units
    std::array<bool, 2> m_log{};
    QGraphicsPathItem* m_minorItem = nullptr;
    int m_minorCount = 0;
};

}  // namespace vorn::viewer
