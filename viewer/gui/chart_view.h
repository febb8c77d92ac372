#pragma once
// One chart page: draws a ChartModel on Qt Charts. Qt Charts has no per-label hook, so both
// axes are category axes whose labels we place ourselves (tick texts, label steps, "0" for a
// residue); a logarithmic axis is drawn by feeding the series log10 of the values, leaving
// out values <= 0 from the drawing only. A value that is not finite breaks its curve: each
// stretch between such values is a line series of its own.
//
// Qt elides every label of a category axis when the categories are too dense, empty ones
// included, so only the labels drawn are categories: the label step grows until they fit,
// and the other ticks, their grid lines and the minor ticks are drawn by an overlay item.
// The legend is ours as well (ChartLegend), laid out again at every change and resize.

#include <QChartView>
#include <array>
#include <memory>

#include "viewer/core/axis_rules.h"
#include "viewer/core/chart_model.h"
#include "viewer/core/number_format.h"

class QCategoryAxis;
class QGraphicsPathItem;
class QLineSeries;

namespace vorn::viewer {

class ChartLegend;

class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    // Draws the model. newData: the curves' points changed since the last call.
    void showModel(const ChartModel& model, bool newData, std::array<int, 2> labelStep,
                   NumberStyle style);

    QCategoryAxis* leftAxis() const { return m_axes[0]; }
    QCategoryAxis* bottomAxis() const { return m_axes[1]; }
    // One line series per model series, in chart order (its first stretch of points).
    QList<QLineSeries*> lineSeries() const { return m_series; }
    // The further stretches of model series i after values that are not finite.
    QList<QLineSeries*> gapStretches(int i) const;
    // The bounds each axis is drawn with, in data units (0 left, 1 bottom).
    AxisRange shownRange(int axis) const { return m_ranges[axis]; }
    // Label texts drawn on an axis, and the label step they were drawn with.
    QStringList drawnLabels(int axis) const;
    int drawnLabelStep(int axis) const { return m_drawnStep[axis]; }
    int minorTickCount() const { return m_minorCount; }

    // The legend on show: its titles, its place (chart coordinates) and how far a click on
    // it moves the first entry in this window.
    QStringList legendTexts() const;
    QRectF legendRect() const;
    int legendPageStep() const;

signals:
    void axisDoubleClicked(int axis);  // 0 left, 1 bottom
    void legendClicked();

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuildSeries(size_t count);
    void feedPoints(const ChartModel& model);
    QLineSeries* newLineSeries();
    void relayout();
    void layoutAxis(int axis);
    void layoutLegend();
    void layoutTitle();
    void drawOverlay();

    std::array<QCategoryAxis*, 2> m_axes{};
    QList<QLineSeries*> m_series;
    std::vector<QList<QLineSeries*>> m_stretches;
    std::array<AxisRange, 2> m_ranges{};
    std::array<bool, 2> m_fedLog{};
    std::array<AxisState, 2> m_axisState{};
    std::array<int, 2> m_userStep{1, 1};
    std::array<int, 2> m_drawnStep{1, 1};
    std::array<std::vector<Tick>, 2> m_ticks;    // every major tick, texts as drawn
    std::array<std::vector<double>, 2> m_minor;  // minor tick values, data units
    std::array<QStringList, 2> m_categories;     // what the category axes were given
    NumberStyle m_style;
    ChartModel m_legendModel;  // titles, colours, on/off and first entry; no points
    int m_rowsThatFit = 0;
    std::unique_ptr<ChartLegend> m_legend;
    QMargins m_baseMargins;
    QGraphicsPathItem* m_overlay = nullptr;
    QGraphicsPathItem* m_gridOverlay = nullptr;
    int m_minorCount = 0;
    bool m_inLayout = false;
};

}  // namespace vorn::viewer
