// The whole road from the window: load the sample data bank, choose a gas,
// "Execute" with the real solver, and find the graph-data file and the listing.
#include "check_list.h"
#include "gui_fixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void realSolverWritesTheOutputFiles()
    {
        const QString runDir = qEnvironmentVariable("VORN_RUN_DIR");
        const QString bank = qEnvironmentVariable("VORN_SOURCE_ROOT") + "/samples/Gasfiles";
        if (!QFile::exists(runDir + "/Kinrun.prg") || !QFile::exists(bank + "/Gasnames.cnf"))
            QSKIP("the solver or the sample data bank is not built");

        GuiFixture f(false);
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        QDir().mkpath(progDir + "/Gasfiles");
        for (const QString& name : QDir(bank).entryList(QDir::Files))
            QVERIFY(QFile::copy(bank + "/" + name, progDir + "/Gasfiles/" + name));
        QVERIFY(QFile::link(runDir + "/Kinrun.prg", progDir + "/Kinrun.prg"));

        TForm4& w = f.form();
        f.loadBank();
        QVERIFY(f.prompts().entries.isEmpty());
        QVERIFY(w.CheckListBox1->count() > 0);
        f.checkGas(0);
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        w.PageControl1->setCurrentWidget(w.TabSheet3);

        QSignalSpy finished(&w, &TForm4::solverFinished);
        w.BitBtn1->click();
        QVERIFY(finished.wait(240000));
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QVERIFY(f.prompts().entries.isEmpty());

        QFile graph(progDir + "/Tmp.gdt");
        QVERIFY(graph.open(QIODevice::ReadOnly));
        QCOMPARE(graph.readLine().trimmed(), QByteArray("ZOLBEX GRP FILE"));
        QVERIFY(QFileInfo(progDir + "/Tmp.lst").size() > 0);
        // The solver consumes its input files.
        for (const char* input : {"Param.tmp", "React.tmp", "Cross.tmp"})
            QVERIFY2(!QFile::exists(progDir + "/" + input), input);
    }
};

QTEST_MAIN(EndToEndTest)
#include "gui_end_to_end_test.moc"
