// logY / LogX, the axis-bounds dialog and label steps on the chart pages.
#include <QCategoryAxis>
#include <QCheckBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QTest>
#include <QToolButton>

#include "gui_test_support.h"
#include "label_fit.h"

using namespace vorn::viewer;
using vorn::viewer::test::dataFile;
using vorn::viewer::test::Viewer;

namespace {

// The example run on "Power Partition", every curve ticked.
void openPowerPage(Viewer& v) {
    v.open(dataFile("n2_mode0.gdt"));
    v.tickAll(v.form1.CheckListBox3);
    v.form1.setActivePage(3);
}

// The axis dialog answers with fixed bounds.
void answerBounds(Viewer& v, const QString& max, const QString& min) {
    v.dialogs->onExec = [max, min](QDialog& d) {
        auto& f = static_cast<TForm2&>(d);
        f.CheckBox1->setChecked(false);
        f.CheckBox2->setChecked(false);
        f.Edit1->setText(max);
        f.Edit2->setText(min);
        return 1;
    };
}

}  // namespace

class ViewerAxesTest : public QObject {
    Q_OBJECT
private slots:
    void logYAndLogX() {
        Viewer v;
        TForm1& w = v.form1;
        v.open(dataFile("n2_mode0.gdt"));
        v.tickAll(w.CheckListBox2);
        v.tickAll(w.CheckListBox3);
        w.setActivePage(2);
        QVERIFY(w.SpeedButton11->isChecked());
        QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);  // up: linear from 0
        QVERIFY(!w.chartModel(kRateChart).axes.left.log);
        QCOMPARE(w.chartModel(kRateChart).axes.left.min, 0.0);
        QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);  // down: log from 1e-30
        QVERIFY(w.chartModel(kRateChart).axes.left.log);
        QCOMPARE(w.chartModel(kRateChart).axes.left.min, 1e-30);
        // 23 decades do not all fit in the default window: labels are thinned to the step
        // at which they fit in the font at hand (every second one in Liberation Sans).
        const int step = test::fittingLeftLabelStep(w.Charts[kRateChart], 1);
        QVERIFY(step > 1);
        QCOMPARE(w.Charts[kRateChart]->drawnLabelStep(0), step);
        QCOMPARE(w.Charts[kRateChart]->drawnLabels(0).first(), QString("1E-%1").arg(31 - step));
        // Eight minor ticks in each decade of a logarithmic axis (2 .. 9 times the decade).
        QVERIFY(w.Charts[kRateChart]->minorTickCount() >= 8 * 23);

        w.setActivePage(3);
        QVERIFY(!w.SpeedButton11->isChecked());
        QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);
        QCOMPARE(w.chartModel(kPowerChart).axes.left.min, 1e-10);
        // The storage share (0, -0.5, ...) cannot be drawn on a log axis: left out of the
        // drawing only, the curve keeps its values.
        const auto series = w.Charts[kPowerChart]->lineSeries();
        QCOMPARE(series.last()->count(), 0);
        QCOMPARE(w.chartModel(kPowerChart).series.back().y.size(), size_t(6));
        QVERIFY(w.SpeedButton12->isChecked());  // 10 .. 500 Td was scaled logarithmic
        QTest::mouseClick(w.SpeedButton12, Qt::LeftButton);
        QVERIFY(!w.chartModel(kPowerChart).axes.bottom.log);
        QCOMPARE(w.chartModel(kPowerChart).axes.bottom.minorTicks, 4);
    }

    void axisDialogFromTheToolbar() {
        Viewer v;
        TForm1& w = v.form1;
        v.open(dataFile("n2_mode0.gdt"));
        v.tickAll(w.CheckListBox1);
        w.setActivePage(1);
        QString caption, shownMax;
        bool maxAutoTicked = true;
        bool incrementAuto = false;
        v.dialogs->onExec = [&](QDialog& d) {
            auto& f = static_cast<TForm2&>(d);
            caption = f.windowTitle();
            shownMax = f.Edit1->text();
            maxAutoTicked = f.CheckBox1->isChecked();
            incrementAuto = f.CheckBox3->isChecked() && !f.Edit3->isEnabled();
            f.CheckBox1->setChecked(false);
            f.Edit1->setText("1E-5");
            f.CheckBox3->setChecked(false);
            f.Edit3->setText("3");
            return 1;
        };
        QTest::mouseClick(w.SpeedButton14, Qt::LeftButton);  // MinMaxY
        QCOMPARE(caption, QString("LeftAxis Boundaries"));
        QCOMPARE(shownMax, QString("1.000E+01"));
        QVERIFY(!maxAutoTicked);
        QVERIFY(incrementAuto);
        QCOMPARE(w.chartModel(kDistChart).axes.left.max, 1e-5);
        QCOMPARE(w.LabelStep[0][0], 3);
        // 1e-10 .. 1e-5: six decade labels, every third drawn.
        QCOMPARE(w.Charts[kDistChart]->drawnLabels(0), QStringList({"1E-8", "1E-5"}));

        v.dialogs->onExec = [&](QDialog& d) {
            auto& f = static_cast<TForm2&>(d);
            caption = f.windowTitle();
            f.CheckBox2->setChecked(false);
            f.Edit2->setText("abc");
            return 1;
        };
        const AxisState before = w.chartModel(kDistChart).axes.bottom;
        QTest::mouseClick(w.SpeedButton15, Qt::LeftButton);  // MinMaxX
        QCOMPARE(caption, QString("BottomAxis Boundaries"));
        QCOMPARE(v.dialogs->errors.size(), 1);
        QVERIFY(v.dialogs->errors[0].contains("abc"));
        QCOMPARE(w.chartModel(kDistChart).axes.bottom.autoMin, before.autoMin);
        QCOMPARE(w.chartModel(kDistChart).axes.bottom.min, before.min);

        v.dialogs->onExec = [](QDialog& d) {
            static_cast<TForm2&>(d).Edit1->setText("7");
            return 0;  // closed without the confirm button
        };
        QTest::mouseClick(w.SpeedButton14, Qt::LeftButton);
        QCOMPARE(w.chartModel(kDistChart).axes.left.max, 1e-5);
    }

    void boundsBeyondWhatCanBeDrawnAreRefused() {
        Viewer v;
        TForm1& w = v.form1;
        openPowerPage(v);
        answerBounds(v, "1e308", "-1e308");
        const AxisState before = w.chartModel(kPowerChart).axes.left;
        QTest::mouseClick(w.SpeedButton14, Qt::LeftButton);
        QCOMPARE(v.dialogs->errors,
                 QStringList("Max, Min: the range from -1.000E+308 to 1.000E+308 is too wide to draw"));
        QCOMPARE(w.chartModel(kPowerChart).axes.left.max, before.max);

        // Bounds closer than four digits tell apart: labels with the digits they need.
        answerBounds(v, "100.0000001", "100");
        QTest::mouseClick(w.SpeedButton14, Qt::LeftButton);
        QStringList labels = w.Charts[kPowerChart]->drawnLabels(0);
        QVERIFY(labels.size() >= 2);
        QCOMPARE(labels.first(), QString("100"));
        QCOMPARE(labels.removeDuplicates(), 0);
    }

    void doubleClickOnAnAxisOpensTheDialog() {
        Viewer v;
        TForm1& w = v.form1;
        w.resize(764, 570);
        v.open(dataFile("n2_mode0.gdt"));
        w.setActivePage(4);
        QApplication::processEvents();
        ChartView* view = w.Charts[kMeanEnergyChart];
        const QRectF plot = view->chart()->plotArea();
        QStringList captions;
        v.dialogs->onExec = [&](QDialog& d) {
            captions << d.windowTitle();
            return 0;
        };
        const auto toView = [&](QPointF chartPoint) {
            return view->mapFromScene(view->chart()->mapToScene(chartPoint));
        };
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, toView({plot.left() - 8, plot.center().y()}));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, toView({plot.center().x(), plot.bottom() + 8}));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, toView(plot.center()));  // not an axis
        QCOMPARE(captions, QStringList({"LeftAxis Boundaries", "BottomAxis Boundaries"}));
    }

    void linearIncrementSetsTheTickStep() {
        Viewer v;
        TForm1& w = v.form1;
        openPowerPage(v);
        v.dialogs->onExec = [](QDialog& d) {
            auto& f = static_cast<TForm2&>(d);
            f.CheckBox3->setChecked(false);
            f.Edit3->setText("25");
            return 1;
        };
        w.SpeedButton14Click();
        QCOMPARE(w.chartModel(kPowerChart).axes.left.increment, 25.0);
        QCOMPARE(w.Charts[kPowerChart]->drawnLabels(0), QStringList({"0", "25", "50", "75", "100"}));
        QCOMPARE(w.LabelStep[2][0], 1);
    }
};

QTEST_MAIN(ViewerAxesTest)
#include "viewer_axes_test.moc"
