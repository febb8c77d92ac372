// The solver's own output for the bundled example calculation opens with every curve in place.
#include <QDir>
#include <QFile>
#include <QLineSeries>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"

using namespace vorn::viewer;
using vorn::viewer::test::Viewer;

class ExampleRunTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        for (const char* name : {"Param.tmp", "React.tmp", "Cross.tmp"})
            QVERIFY(QFile::copy(QString(VORN_SOURCE_ROOT) + "/examples/basic/" + name, m_dir.filePath(name)));
        QProcess solver;
        solver.setWorkingDirectory(m_dir.path());
        solver.start(QString(VORN_RUN_DIR) + "/Kinrun.prg", {});
        QVERIFY2(solver.waitForFinished(120000), "the solver did not finish");
        m_gdt = m_dir.filePath("Example.gdt");
        QVERIFY2(QFile::exists(m_gdt), "the solver wrote no graph-data file");
    }

    void everyChartHoldsItsCurves() {
        Viewer v;
        TForm1& w = v.form1;
        v.open(m_gdt);
        QVERIFY2(v.dialogs->errors.isEmpty(), qPrintable(v.dialogs->errors.join('\n')));
        const GraphData& d = w.graphData();
        const int nc = d.convergedCaseCount();
        QVERIFY(nc >= 2);
        QCOMPARE(w.CheckListBox1->count(), d.caseCount);
        QCOMPARE(w.CheckListBox2->count(), d.processCount + 2);
        QCOMPARE(w.CheckListBox3->count(), d.processCount + 2);
        QCOMPARE(w.Charts[kDistChart]->lineSeries().size(), d.caseCount + 1);
        QCOMPARE(w.Charts[kRateChart]->lineSeries().size(), d.processCount + 3);
        QCOMPARE(w.Charts[kPowerChart]->lineSeries().size(), d.processCount + 3);
        const int transport[3][3] = {{2, 1, 1}, {1, 1, 2}, {1, 2, 2}};
        for (int c = 0; c < 3; ++c)
            QCOMPARE(w.Charts[kMeanEnergyChart + c]->lineSeries().size(), transport[d.fieldMode][c]);

        for (QListWidget* list : {w.CheckListBox1, w.CheckListBox2, w.CheckListBox3}) v.tickAll(list);
        for (int page = 1; page <= 6; ++page) {
            w.setActivePage(page);
            QCOMPARE(w.activePage(), page);
            const ChartModel& chart = w.chartModel(page - 1);
            for (const Series& s : chart.series) {
                if (s.heading) continue;
                QVERIFY(s.on);
                QCOMPARE(int(s.x.size()), page == 1 ? d.pointCount : nc);
            }
        }
        QVERIFY(v.dialogs->errors.isEmpty());
        QCOMPARE(w.Charts[kDistChart]->lineSeries().at(1)->count() > 1, true);
    }

    void itsListingOpensToo() {
        Viewer v;
        v.open(m_dir.filePath("Example.lst"), 2);
        QVERIFY(v.form1.RichEdit1->toPlainText().size() > 100);
        QCOMPARE(v.form1.GdtPath, m_gdt);
    }

private:
    QTemporaryDir m_dir;
    QString m_gdt;
};

QTEST_MAIN(ExampleRunTest)
#include "example_run_test.moc"
