// Page changes and curve selection on the chart pages.
#include <QFile>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>


#include "gui_test_support.h"

using namespace vorn::viewer;
using vorn::viewer::test::dataFile;
using vorn::viewer::test::Viewer;

class ViewerPagesTest : public QObject {
    Q_OBJECT
private slots:
    void tickedCurvesShowOnEntry() {
        Viewer v;
        TForm1& w = v.form1;
        v.open(dataFile("n2_mode0.gdt"));
        w.setActivePage(1);
        QCOMPARE(v.visibleSeries(kDistChart), 1);  // the heading only
        for (int b = 0; b < 10; ++b) QVERIFY(!w.SeriesButtons[b]->isChecked());
        QVERIFY(w.SeriesButtons[0]->isVisible() && w.SpeedButton13->isVisible());
        QVERIFY(w.SpeedButton11->isVisible() && w.SpeedButton14->isVisible());
        QVERIFY(w.Save1->isEnabled() && w.Export1->isEnabled() && w.Print1->isEnabled());

        w.setActivePage(0);
        w.CheckListBox1->item(1)->setCheckState(Qt::Checked);
        w.CheckListBox1->item(4)->setCheckState(Qt::Checked);
        QVERIFY(!w.Save1->isEnabled() && !w.Print1->isEnabled());
        QVERIFY(w.SeriesButtons[0]->isHidden() && w.SpeedButton11->isHidden());
        w.setActivePage(1);
        QCOMPARE(v.visibleSeries(kDistChart), 3);
        QVERIFY(w.SeriesButtons[1]->isChecked() && w.SeriesButtons[4]->isChecked());
        QVERIFY(!w.SeriesButtons[0]->isChecked());
        QCOMPARE(w.SeriesButtons[4]->property("hint").toString(), QString("2.000E+02"));
        QVERIFY(w.SpeedButton11->isChecked());  // Chart1's left axis is logarithmic
        QVERIFY(!w.SpeedButton12->isChecked());

        // Unticking on Configuring hides the curve at the next entry.
        w.setActivePage(0);
        w.CheckListBox1->item(4)->setCheckState(Qt::Unchecked);
        w.setActivePage(1);
        QCOMPARE(v.visibleSeries(kDistChart), 2);
        QVERIFY(!w.SeriesButtons[4]->isChecked());
    }

    void seriesButtonsSwitchCurvesAndTicks() {
        Viewer v;
        TForm1& w = v.form1;
        v.open(dataFile("n2_mode0.gdt"));
        w.setActivePage(2);
        QTest::mouseClick(w.SeriesButtons[3], Qt::LeftButton);  // "4": momentum transfer
        QVERIFY(w.chartModel(kRateChart).curveAt(3)->on);
        QCOMPARE(w.CheckListBox2->item(3)->checkState(), Qt::Checked);
        QCOMPARE(v.visibleSeries(kRateChart), 2);
        QTest::mouseClick(w.SeriesButtons[3], Qt::LeftButton);
        QCOMPARE(w.CheckListBox2->item(3)->checkState(), Qt::Unchecked);
        QCOMPARE(v.visibleSeries(kRateChart), 1);
        QTest::mouseClick(w.SeriesButtons[8], Qt::LeftButton);  // no curve 9: nothing happens
        QCOMPARE(v.visibleSeries(kRateChart), 1);
    }

    void swapButtonAddressesCurvesElevenToTwenty() {
        Viewer v;
        TForm1& w = v.form1;
        v.open(dataFile("n2_twelve.gdt"));
        v.tickAll(w.CheckListBox1);
        w.setActivePage(1);
        QCOMPARE(v.visibleSeries(kDistChart), 13);
        QTest::mouseClick(w.SpeedButton13, Qt::LeftButton);
        QCOMPARE(w.SeriesButtons[0]->text(), QString("11"));
        QCOMPARE(w.SeriesButtons[9]->text(), QString("20"));
        QVERIFY(w.SeriesButtons[0]->isChecked() && w.SeriesButtons[1]->isChecked());
        QCOMPARE(w.SeriesButtons[1]->property("hint").toString(), QString("6.000E+01"));
        for (int b = 2; b < 10; ++b) {
            QVERIFY(!w.SeriesButtons[b]->isChecked());
            QVERIFY(w.SeriesButtons[b]->property("hint").toString().isEmpty());
        }
        QTest::mouseClick(w.SeriesButtons[1], Qt::LeftButton);  // curve 12 off
        QVERIFY(!w.chartModel(kDistChart).curveAt(11)->on);
        QCOMPARE(w.CheckListBox1->item(11)->checkState(), Qt::Unchecked);
        QTest::mouseClick(w.SpeedButton13, Qt::LeftButton);
        QCOMPARE(w.SeriesButtons[0]->text(), QString("1"));
    }

    void transportPagesShowAllCurvesAndKeepOneOn() {
        Viewer v;
        TForm1& w = v.form1;
        v.open(dataFile("mag_mode2_stopped.gdt"));
        w.setActivePage(5);  // diffusion, two curves in field mode 2
        QCOMPARE(w.activePage(), 5);
        QCOMPARE(v.visibleSeries(kDiffusionChart), 2);
        QVERIFY(w.SpeedButton1->isVisible() && w.SpeedButton2->isVisible());
        QVERIFY(w.SpeedButton3->isHidden() && w.SpeedButton13->isHidden());
        QTest::mouseClick(w.SpeedButton1, Qt::LeftButton);
        QCOMPARE(v.visibleSeries(kDiffusionChart), 1);
        QCOMPARE(w.chartModel(kDiffusionChart).axes.left.title, std::string("D || H, cm^2/s"));
        QTest::mouseClick(w.SpeedButton2, Qt::LeftButton);  // the only one down: stays down
        QVERIFY(w.SpeedButton2->isChecked());
        QCOMPARE(v.visibleSeries(kDiffusionChart), 1);
        // Every entry shows all curves again.
        w.setActivePage(4);
        QVERIFY(w.SpeedButton1->isHidden() && w.SpeedButton2->isHidden());  // one curve, no buttons
        QCOMPARE(v.visibleSeries(kMeanEnergyChart), 1);
        w.setActivePage(5);
        QCOMPARE(v.visibleSeries(kDiffusionChart), 2);
        QCOMPARE(w.chartModel(kDiffusionChart).axes.left.title, std::string("D _|_ H, D || H, cm^2/s"));
        // The early-stopped run's failed case is left out of the field-dependent curves.
        QCOMPARE(w.Charts[kDiffusionChart]->lineSeries().at(0)->count(), 2);
        QCOMPARE(w.Charts[kDistChart]->lineSeries().size(), 1 + 3);
    }

    void onePointGuardKeepsToConfiguring() {
        Viewer v;
        TForm1& w = v.form1;
        QTemporaryDirHolder holder;
        const QString single = holder.write("single.gdt", singleCase());
        v.open(single);
        QVERIFY2(v.dialogs->errors.isEmpty(), qPrintable(v.dialogs->errors.join('\n')));
        w.PageControl1->setCurrentIndex(2);  // as the user clicks the tab
        QCOMPARE(w.activePage(), 0);
        QCOMPARE(v.dialogs->errors.value(0),
                 QString("This graph has only one point. Use View Mode MenuItem to see text output file."));
        w.PageControl1->setCurrentIndex(1);
        QCOMPARE(w.activePage(), 1);
        QCOMPARE(v.dialogs->errors.size(), 1);
    }

    void legendPagesByTwenty() {
        QTemporaryDirHolder holder;
        vorn::viewer::test::GdtLayout layout;
        layout.processes = 25;  // 27 rate curves and the heading: 28 legend entries
        const std::string text = vorn::viewer::test::buildGdt(layout);
        Viewer v;
        TForm1& w = v.form1;
        v.open(holder.write("many.gdt", QByteArray::fromStdString(text)));
        v.tickAll(w.CheckListBox2);
        w.setActivePage(2);
        ChartView* view = w.Charts[kRateChart];
        // The heading and 20 entries, so that a step of 20 reaches every entry.
        QStringList page1 = view->legendTexts();
        QCOMPARE(page1.size(), 21);
        QCOMPARE(page1.first(), QString("Reactions:"));
        QVERIFY(page1.last().startsWith("N2 + E(-) ^ N2(20) + E(-)"));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->mapFromScene(view->chart()->mapToScene(view->legendRect().center())));
        QCOMPARE(w.chartModel(kRateChart).legendFirst, 20);
        QCOMPARE(view->legendTexts().size(), 8);
        QVERIFY(view->legendTexts().first().startsWith("N2 + E(-) ^ N2(20) + E(-)"));
        QCOMPARE(view->legendTexts().last(), QString("d(ln(Ne/N))/dt"));
        w.Chart2ClickLegend();
        QCOMPARE(w.chartModel(kRateChart).legendFirst, 0);
        QCOMPARE(view->legendTexts(), page1);
    }

    void wheelDoesNothing() {
        Viewer v;
        v.open(dataFile("n2_mode0.gdt"));
        v.form1.setActivePage(1);
        ChartView* view = v.form1.Charts[0];
        const auto before = view->shownRange(0);
        QWheelEvent wheel(QPointF(200, 200), view->mapToGlobal(QPointF(200, 200)), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QCOMPARE(view->shownRange(0).hi, before.hi);
        QCOMPARE(view->chart()->isZoomed(), false);
    }

private:
    struct QTemporaryDirHolder {
        QTemporaryDir dir;
        QString write(const char* name, const QByteArray& text) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(text);
            return f.fileName();
        }
    };
    static QByteArray singleCase() {
        // One field value, one case, no processes, two points.
        QByteArray t = "ZOLBEX GRP FILE\r\n 0\r\nUniform Electric Field\r\n Pure AR      \r\n"
                       " T = 300. K,  P =   1.00 Torr, Ne = 0.0E+00 cm(-3)\r\n 2\r\n 1\r\n 0\r\n"
                       "MOM. TRANSF. TOTAL\r\nELAS.+ROT.(FOR MOL.)\r\nd(ln(Ne/N))/dt\r\n<u>d(ln(Ne)/dt\r\n"
                       " 0.10000E+02\r\n 0.0000000E+00\r\n 0.1000000E+01\r\n 0.50000E+00\r\n 0.10000E-01\r\n"
                       " 1\r\n 0.10000E+02\r\n";
        for (int block = 0; block < 2 + 2 + 6; ++block) t += " 0.10000E+01\r\n";
        t += " 1.0E-04\r\n 2\r\n -300.0\r\n   20.0    0.1    0.0\r\n";
        return t;
    }
};

QTEST_MAIN(ViewerPagesTest)
#include "viewer_pages_test.moc"
