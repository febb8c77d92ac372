// The whole road from the window: load the sample data bank, choose a gas,
// "Execute" with the real solver, and find the graph-data file and the listing.
#include "check_list.h"
#include "gui_fixture.h"
#include "test_bank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

// The sample data bank and the built solver in the fixture's start-up directory,
// and the bank loaded; false when either is not built.
bool loadSampleBankWithSolver(GuiFixture& f)
{
    const QString runDir = qEnvironmentVariable("VORN_RUN_DIR");
    const QString bank = qEnvironmentVariable("VORN_SOURCE_ROOT") + "/samples/Gasfiles";
    if (!QFile::exists(runDir + "/Kinrun.prg") || !QFile::exists(bank + "/Gasnames.cnf"))
        return false;
    const QString progDir = QString::fromStdString(f.model().ProgDir);
    copyDataBank(bank, progDir);
    if (!QFile::link(QFileInfo(runDir + "/Kinrun.prg").absoluteFilePath(), progDir + "/Kinrun.prg"))
        return false;
    f.loadBank();
    return true;
}

// "Execute", then the end of the run: its status, or -2 when it did not end in time.
int executeAndWait(TForm4& w)
{
    QSignalSpy finished(&w, &TForm4::solverFinished);
    w.BitBtn1->click();
    return finished.wait(240000) ? finished.at(0).at(0).toInt() : -2;
}

QList<QByteArray> graphDataLines(const QString& path)
{
    QFile graph(path);
    graph.open(QIODevice::ReadOnly);
    return graph.readAll().split('\n');
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void realSolverWritesTheOutputFiles()
    {
        GuiFixture f(false);
        if (!loadSampleBankWithSolver(f))
            QSKIP("the solver or the sample data bank is not built");
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        TForm4& w = f.form();
        QVERIFY(f.prompts().entries.isEmpty());
        QVERIFY(w.CheckListBox1->count() > 0);
        f.checkGas(0);
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        w.PageControl1->setCurrentWidget(w.TabSheet3);

        QCOMPARE(executeAndWait(w), 0);
        QVERIFY(f.prompts().entries.isEmpty());

        QFile graph(progDir + "/Tmp.gdt");
        QVERIFY(graph.open(QIODevice::ReadOnly));
        QCOMPARE(graph.readLine().trimmed(), QByteArray("ZOLBEX GRP FILE"));
        QVERIFY(QFileInfo(progDir + "/Tmp.lst").size() > 0);
        // The solver consumes its input files.
        for (const char* input : {"Param.tmp", "React.tmp", "Cross.tmp"})
            QVERIFY2(!QFile::exists(progDir + "/" + input), input);
    }

    // Variants (E/N, energy range) (100, 40), (0, 60), (200, 0), (300, 80): the
    // summary lists the first and the last, and the solver runs exactly those two.
    void solverRunsTheVariantsTheSummaryLists()
    {
        GuiFixture f(false);
        if (!loadSampleBankWithSolver(f))
            QSKIP("the solver or the sample data bank is not built");
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        TForm4& w = f.form();
        int lucas = -1;
        for (int g = 0; g < f.model().GasCount; ++g)
            if (f.model().GasFileNames[g] == "lucas")
                lucas = g;
        QVERIFY(lucas >= 0);
        f.checkGas(lucas);
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        const QStringList cells = {"100", "40", "0", "60", "200", "0", "300", "80"};
        for (int k = 0; k < 4; ++k)
            for (int c = 1; c <= 2; ++c) {
                typeIntoCell(w.StringGrid5, k + 1, c, cells[2 * k + c - 1]);
                pressKey(w.StringGrid5, Qt::Key_Return);
            }
        w.PageControl1->setCurrentWidget(w.TabSheet3);
        QCOMPARE(w.StringGrid9->rowCount(), 3);

        QCOMPARE(executeAndWait(w), 0);
        QVERIFY(f.prompts().entries.isEmpty());
        const QList<QByteArray> lines = graphDataLines(progDir + "/Tmp.gdt");
        QVERIFY(lines.size() > 8);
        QCOMPARE(lines[6].trimmed(), QByteArray("2"));  // the number of field values
        const int processes = lines[7].trimmed().toInt();
        const int fieldLine = 8 + processes + 4;
        QCOMPARE(lines.at(fieldLine).trimmed(), QByteArray("0.10000E+03"));
        QCOMPARE(lines.at(fieldLine + 1).trimmed(), QByteArray("0.30000E+03"));
    }

    // The chosen output folder is gone when "Execute" is pressed: the solver ends
    // with status 2, and its message reaches the user.
    void failedRunShowsTheSolversMessage()
    {
        GuiFixture f(false);
        if (!loadSampleBankWithSolver(f))
            QSKIP("the solver or the sample data bank is not built");
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        TForm4& w = f.form();
        f.checkGas(0);
        QDir(progDir).mkdir("gone");
        f.prompts().chosenFiles = {progDir + "/gone/run1.gdt"};
        w.SpeedButton2->click();
        w.PageControl1->setCurrentWidget(w.TabSheet3);
        QVERIFY(QDir(progDir + "/gone").removeRecursively());

        QCOMPARE(executeAndWait(w), 2);
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("error"));
        const QString text = f.prompts().entries[0].text;
        QVERIFY2(text.startsWith("The solver ended with exit status 2: the calculation did not finish."),
                 qPrintable(text));
        // The solver's own message follows and names the file it could not create.
        const qsizetype messages = text.indexOf("\n\nThe solver's last messages:\n");
        QVERIFY2(messages > 0, qPrintable(text));
        QVERIFY2(text.indexOf(progDir + "/gone/run1.gdt", messages) > messages, qPrintable(text));
        QVERIFY2(text.endsWith("\nProgram Terminated with exit code 2"), qPrintable(text));
        QCOMPARE(f.prompts().restored, 1);
    }
};

QTEST_MAIN(EndToEndTest)
#include "gui_end_to_end_test.moc"
