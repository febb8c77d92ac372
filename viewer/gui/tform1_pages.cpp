// Page changes and curve selection: which curves each chart page draws, the ten series
// buttons and "<->", colours and legend paging.
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include "viewer/core/curve_rules.h"
#include "viewer/gui/chart_text.h"
#include "viewer/gui/chart_view.h"
#include "viewer/gui/tform1.h"
#include "viewer/gui/user_dialogs.h"

namespace vorn::viewer {
namespace {

// The ten series buttons address curves SeriesPage * 10 + 0 .. 9; kept for the library's life.
int SeriesPage = 0;

void setHint(QToolButton* button, const std::string& title) {
    button->setProperty("hint", QString::fromStdString(title));
    button->setToolTip(toolTipText(title));
}

}  // namespace

QListWidget* TForm1::checkListOf(int chart) const {
    switch (chart) {
    case kDistChart: return CheckListBox1;
    case kRateChart: return CheckListBox2;
    case kPowerChart: return CheckListBox3;
    default: return nullptr;
    }
}

void TForm1::redraw(int chart) {
    Charts[chart]->showModel(m_charts[chart], false, LabelStep[chart], numberStyle());
}

void TForm1::RecolourSeries(int chart) { recolourSeries(m_charts[chart]); }

void TForm1::PageControl1Change() {
    int page = activePage();
    // Field-dependent charts need two points; an early-stopped run's failed case has none.
    const int points = Loaded ? m_data.convergedCaseCount() : CaseCount;
    if (points <= 1 && page != 0 && page != 1 && page != 7) {
        setActivePage(0);
        m_dialogs->error(this, "This graph has only one point. Use View Mode MenuItem to see text output file.");
        return;
    }
    const bool chartPage = page >= 1 && page <= 6;
    for (QToolButton* b : {SpeedButton11, SpeedButton12, SpeedButton14, SpeedButton15}) b->setVisible(chartPage);
    Save1->setEnabled(chartPage);
    Export1->setEnabled(chartPage);
    Print1->setEnabled(chartPage || page == 7);

    if (Loaded && page >= 1 && page <= 3) {
        enterCurvePage(page - 1);
    } else {
        for (QToolButton* b : SeriesButtons) b->hide();
        SpeedButton13->hide();
    }
    if (Loaded && page >= 4 && page <= 6) enterTransportPage(page - 1);
}

void TForm1::updateSeriesButtons(int chart) {
    const ChartModel& model = m_charts[chart];
    const auto states = seriesButtons(model, model.curvePositions(), SeriesPage);
    for (int b = 0; b < 10; ++b) {
        SeriesButtons[b]->setChecked(states[b].down);
        setHint(SeriesButtons[b], states[b].hint);
    }
}

void TForm1::enterCurvePage(int chart) {
    for (QToolButton* b : SeriesButtons) {
        b->show();
        setHint(b, {});
    }
    SpeedButton13->show();
    ChartModel& model = m_charts[chart];
    QListWidget* list = checkListOf(chart);
    for (int j = 0; j < model.curvePositions() && j < list->count(); ++j)
        if (Series* s = model.curveAt(j)) s->on = list->item(j)->checkState() == Qt::Checked;
    updateSeriesButtons(chart);
    SpeedButton11->setChecked(model.axes.left.log);
    SpeedButton12->setChecked(model.axes.bottom.log);
    RecolourSeries(chart);
    redraw(chart);
}

void TForm1::enterTransportPage(int chart) {
    ChartModel& model = m_charts[chart];
    Series* first = model.curveAt(0);
    Series* second = transportHasSecondCurve(chart, FieldMode) ? model.curveAt(1) : nullptr;
    if (first != nullptr) first->on = true;
    if (first != nullptr && second != nullptr) {
        second->on = true;
        SpeedButton1->show();
        SpeedButton2->show();
        SpeedButton1->setChecked(true);
        SpeedButton2->setChecked(true);
        setHint(SpeedButton1, first->title);
        setHint(SpeedButton2, second->title);
    } else {
        // A chart with one curve has no curve buttons.
        SpeedButton1->hide();
        SpeedButton2->hide();
    }
    SpeedButton11->setChecked(model.axes.left.log);
    SpeedButton12->setChecked(model.axes.bottom.log);
    UpdateTransportAxisTitle(chart);
    redraw(chart);
}

void TForm1::UpdateTransportAxisTitle(int chart) {
    const ChartModel& model = m_charts[chart];
    const Series* first = model.curveAt(0);
    const Series* second = model.curveAt(1);
    const auto title = transportAxisTitle(chart, FieldMode, first != nullptr && first->on,
                                          second != nullptr && second->on);
    if (title) m_charts[chart].axes.left.title = *title;
}

void TForm1::seriesButtonClick(int position, QToolButton* button) {
    const int chart = activeChart();
    if (chart < 0) return;
    if (chart >= kMeanEnergyChart) {
        if (position <= 1) transportButtonClick(button);
        return;
    }
    const int k = SeriesPage * 10 + position;
    Series* s = m_charts[chart].curveAt(k);
    if (s == nullptr) return;
    s->on = button->isChecked();
    QListWidget* list = checkListOf(chart);
    if (k < list->count()) list->item(k)->setCheckState(s->on ? Qt::Checked : Qt::Unchecked);
    RecolourSeries(chart);
    redraw(chart);
}

void TForm1::transportButtonClick(QToolButton* clicked) {
    const int chart = activeChart();
    // At least one curve stays on.
    if (!SpeedButton1->isChecked() && !SpeedButton2->isChecked()) clicked->setChecked(true);
    ChartModel& model = m_charts[chart];
    if (Series* first = model.curveAt(0)) first->on = SpeedButton1->isChecked();
    if (Series* second = model.curveAt(1)) second->on = SpeedButton2->isChecked();
    UpdateTransportAxisTitle(chart);
    redraw(chart);
}

void TForm1::SpeedButton1Click() { seriesButtonClick(0, SpeedButton1); }
void TForm1::SpeedButton2Click() { seriesButtonClick(1, SpeedButton2); }

void TForm1::SpeedButton3Click() {
    auto* button = qobject_cast<QToolButton*>(sender());
    for (int b = 2; b < 10; ++b)
        if (SeriesButtons[b] == button) seriesButtonClick(b, button);
}

void TForm1::showSeriesPage() {
    SpeedButton13->setChecked(SeriesPage == 1);
    for (int b = 0; b < 10; ++b) SeriesButtons[b]->setText(QString::number(SeriesPage * 10 + b + 1));
}

void TForm1::SpeedButton4Click() { seriesButtonClick(3, SpeedButton4); }
void TForm1::SpeedButton5Click() { seriesButtonClick(4, SpeedButton5); }
void TForm1::SpeedButton6Click() { seriesButtonClick(5, SpeedButton6); }
void TForm1::SpeedButton7Click() { seriesButtonClick(6, SpeedButton7); }
void TForm1::SpeedButton8Click() { seriesButtonClick(7, SpeedButton8); }
void TForm1::SpeedButton9Click() { seriesButtonClick(8, SpeedButton9); }
void TForm1::SpeedButton10Click() { seriesButtonClick(9, SpeedButton10); }

void TForm1::SpeedButton13Click() {
    SeriesPage = SpeedButton13->isChecked() ? 1 : 0;
    showSeriesPage();
    const int chart = activeChart();
    if (chart >= 0 && chart <= kPowerChart) updateSeriesButtons(chart);
}

void TForm1::pageLegend(int chart) {
    m_charts[chart].legendFirst = nextLegendFirst(m_charts[chart], Charts[chart]->legendPageStep());
    redraw(chart);
}

void TForm1::Chart1ClickLegend() { pageLegend(kDistChart); }
void TForm1::Chart2ClickLegend() { pageLegend(kRateChart); }
void TForm1::Chart3ClickLegend() { pageLegend(kPowerChart); }

}  // namespace vorn::viewer
