// Axis control of the viewer window: the logY/LogX toggles and the axis-bounds dialog.
#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

#include "viewer/core/axis_rules.h"
#include "viewer/gui/chart_view.h"
#include "viewer/gui/tform1.h"
#include "viewer/gui/tform2.h"
#include "viewer/gui/user_dialogs.h"

namespace vorn::viewer {

void TForm1::SpeedButton11Click() {
    const int chart = activeChart();
    if (chart < 0) return;
    setLogY(chart, m_charts[chart].axes.left, SpeedButton11->isChecked());
    redraw(chart);
}

void TForm1::SpeedButton12Click() {
    const int chart = activeChart();
    if (chart < 0) return;
    setLogX(m_charts[chart].axes.bottom, SpeedButton12->isChecked());
    redraw(chart);
}

void TForm1::SpeedButton14Click() {
    if (activeChart() >= 0) Chart1ClickAxis(activeChart(), 0);
}

void TForm1::SpeedButton15Click() {
    if (activeChart() >= 0) Chart1ClickAxis(activeChart(), 1);
}

void TForm1::Chart1ClickAxis(int chart, int axis) {
    if (chart < 0 || chart >= kChartCount || axis < 0 || axis > 1 || m_axisDialog == nullptr) return;
    AxisState& state = axis == 0 ? m_charts[chart].axes.left : m_charts[chart].axes.bottom;
    const AxisRange shown = Charts[chart]->shownRange(axis);
    const NumberStyle style = numberStyle();
    const AxisDialogValues values = axisDialogValues(state, shown, style);

    TForm2& form = *m_axisDialog;
    form.CheckBox1->setChecked(values.maxAuto);
    form.CheckBox2->setChecked(values.minAuto);
    form.CheckBox3->setChecked(values.incrementAuto);
    form.Edit1->setEnabled(!values.maxAuto);
    form.Edit2->setEnabled(!values.minAuto);
    form.Edit3->setEnabled(!values.incrementAuto);
    form.Edit1->setText(QString::fromStdString(values.maxText));
    form.Edit2->setText(QString::fromStdString(values.minText));
    form.Edit3->setText(QString::fromStdString(values.incrementText));
    form.setWindowTitle(axis == 0 ? "LeftAxis Boundaries" : "BottomAxis Boundaries");
    if (m_dialogs->exec(form) != 1) return;

    AxisDialogValues typed;
    typed.maxAuto = form.CheckBox1->isChecked();
    typed.minAuto = form.CheckBox2->isChecked();
    typed.incrementAuto = form.CheckBox3->isChecked();
    typed.maxText = form.Edit1->text().toStdString();
    typed.minText = form.Edit2->text().toStdString();
    typed.incrementText = form.Edit3->text().toStdString();
    if (auto problem = applyAxisDialog(state, LabelStep[chart][axis], typed, shown, style)) {
        m_dialogs->error(this, QString::fromStdString(*problem));
        return;
    }
    redraw(chart);
}

}  // namespace vorn::viewer
