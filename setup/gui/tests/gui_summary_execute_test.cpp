// The summary page, the output-name dialog and combo box, and "Execute" with a
// stand-in solver.
#include "check_list.h"
#include "gui_fixture.h"
#include "test_bank.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

QStringList rowsOf(const Grid* grid)
{
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << grid->cellText(r, c);
        rows << cells.join(",");
    }
    return rows;
}

QString readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void showSummary(TForm4& w)
{
    w.PageControl1->setCurrentWidget(w.TabSheet2);
    w.PageControl1->setCurrentWidget(w.TabSheet3);
}

}  // namespace

class SummaryExecuteTest : public QObject {
    Q_OBJECT

    // Bank loaded, Argon checked: ready to execute with the default variant.
    static void prepare(GuiFixture& f)
    {
        f.loadBank();
        f.checkGas(0);
        f.prompts().clear();
    }

private slots:
    void summaryPageShowsTheCommittedModel()
    {
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        typeIntoCell(w.StringGrid3, 2, 1, "1e8");
        pressKey(w.StringGrid3, Qt::Key_Return);
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        const QList<QStringList> variants = {{"10", "10"}, {"0", "5"}, {"20", "0"}, {"30", "15"}};
        for (int k = 0; k < variants.size(); ++k)
            for (int c = 1; c <= 2; ++c)
                w.StringGrid5->setCellText(k + 1, c, variants[k][c - 1]);
        pressMouse(w.StringGrid5, 1, 1);  // commits every variant cell
        typeIntoCell(w.StringGrid6, 0, 1, "12345");  // left uncommitted
        pressKey(w.StringGrid6, Qt::Key_PageDown);

        w.PageControl1->setCurrentWidget(w.TabSheet3);
        QCOMPARE(rowsOf(w.StringGrid7), QStringList{"AR      ,1"});
        QCOMPARE(rowsOf(w.StringGrid8),
                 (QStringList{"Temperature, K,273", "Pressure, Torr,760", "Electron Conc., cm-3,1.00E+08"}));
        QCOMPARE(rowsOf(w.StringGrid9),
                 (QStringList{",E/N,  Td,Energy range, eV", "1,10,10", "2,30,15"}));
        QCOMPARE(rowsOf(w.StringGrid10),
                 (QStringList{"Start Te,  K,10000", "Accuracy,0.001", "Grid Size,2000",
                              "Max Iter. Number,500"}));
        QCOMPARE(w.Label3->text(), QString("Direct"));
        QCOMPARE(w.Label4->text(), QString());
        QCOMPARE(w.Label5->text(), QString("Brief"));
        QCOMPARE(w.Label7->text(), QString("Tmp.lst,  Tmp.gdt"));
        QCOMPARE(w.Memo1->toPlainText(), QString::fromStdString(f.model().ProgDir));

        w.PageControl1->setCurrentWidget(w.TabSheet2);
        w.FieldTypeButtons->button(1)->click();
        w.OutputModeButtons->button(1)->click();
        w.PageControl1->setCurrentWidget(w.TabSheet3);
        QCOMPARE(w.Label3->text(), QString("High frequency"));
        QCOMPARE(w.Label4->text(), QString(" f = 1000  MHz"));
        QCOMPARE(w.Label5->text(), QString("Full"));
        QCOMPARE(rowsOf(w.StringGrid9), (QStringList{",Eo,  V/cm,Energy range, eV", "1,10,10"}));

        w.PageControl1->setCurrentWidget(w.TabSheet2);
        w.FieldTypeButtons->button(2)->click();
        w.PageControl1->setCurrentWidget(w.TabSheet3);
        QCOMPARE(w.Label3->text(), QString("Direct + _I_ Magnetic"));
        QCOMPARE(w.Label4->text(), QString(" H = 0  kGs"));
    }

    void typingIntoTheSummaryProgramGridIsCheckedButNeverUsed()
    {
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        showSummary(w);
        typeIntoCell(w.StringGrid10, 0, 1, "-");
        QCOMPARE(f.prompts().texts(), QStringList{"This value must be positive float"});
        typeIntoCell(w.StringGrid10, 0, 1, "5");
        pressKey(w.StringGrid10, Qt::Key_Return);
        QCOMPARE(f.model().StartTe, 10000.0);
        showSummary(w);
        QCOMPARE(w.StringGrid10->cellText(0, 1), QString("10000"));
    }

    void outputNameDialogAndComboBox()
    {
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        QDir(progDir).mkdir("runs");
        f.prompts().duringFileDialog = [&] { QDir::setCurrent(progDir + "/runs"); };

        f.prompts().chosenFiles = {progDir + "/runs/case7.gdt"};
        w.SpeedButton2->click();
        const auto& request = f.prompts().fileRequests.last();
        QCOMPARE(request.fileName, QString("Tmp"));
        QCOMPARE(request.initialDirectory, progDir);
        QCOMPARE(QDir::currentPath(), progDir);
        QCOMPARE(w.ComboBox1->currentText(), progDir + "/runs/case7");
        QCOMPARE(w.Memo1->toPlainText(), progDir + "/runs");
        showSummary(w);
        QCOMPARE(w.ComboBox1->currentText(), QString("case7"));
        QCOMPARE(w.Label7->text(), QString("case7.lst,  case7.gdt"));
        QCOMPARE(w.ComboBox1->count(), 2);

        // The same name in capitals adds no item; visiting the page again neither.
        // It names another file here, so it is used as chosen.
        f.prompts().chosenFiles = {progDir + "/runs/CASE7.LST"};
        w.SpeedButton2->click();
        showSummary(w);
        showSummary(w);
        QCOMPARE(w.ComboBox1->count(), 2);
        QCOMPARE(w.Label7->text(), QString("CASE7.lst,  CASE7.gdt"));
        QCOMPARE(w.ComboBox1->currentText(), QString("CASE7"));

        // Cancelling changes nothing.
        w.SpeedButton2->click();
        QCOMPARE(QDir::currentPath(), progDir);
        QCOMPARE(w.Memo1->toPlainText(), progDir + "/runs");

        // A typed name is taken when the summary is shown.
        w.ComboBox1->lineEdit()->selectAll();
        QTest::keyClicks(w.ComboBox1->lineEdit(), "TMP");
        QCOMPARE(f.model().OutNameIndex, -2);
        showSummary(w);
        QCOMPARE(w.Label7->text(), QString("TMP.lst,  TMP.gdt"));
        QCOMPARE(w.ComboBox1->count(), 2);
        QTest::keyClicks(w.ComboBox1->lineEdit(), "2");
        showSummary(w);
        QCOMPARE(w.ComboBox1->count(), 3);
        QCOMPARE(w.ComboBox1->itemText(2), QString("TMP2"));
    }

    void executeRefusesWithoutMixtureOrVariant()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        f.prompts().clear();
        showSummary(w);
        w.BitBtn1->click();
        QCOMPARE(f.prompts().texts(), QStringList{"Gas Mixture was not choosen"});
        QCOMPARE(f.prompts().entries[0].kind, QString("error"));

        f.checkGas(0);
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        typeIntoCell(w.StringGrid5, 1, 2, "0");
        pressKey(w.StringGrid5, Qt::Key_Return);
        f.prompts().clear();
        showSummary(w);
        w.BitBtn1->click();
        QCOMPARE(f.prompts().texts(),
                 QStringList{"No Electric Field Parameters and Energy Range Values were choosen"});
        QVERIFY(!QFile::exists(f.dir() + "/Param.tmp"));
        QVERIFY(!QFile::exists(f.dir() + "/React.tmp"));
        QCOMPARE(f.prompts().busy, 0);
    }

    void existingOutputsAreOverwrittenOnlyOnYes()
    {
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        writeStandInSolver(progDir);
        QFile(progDir + "/Tmp.lst").open(QIODevice::WriteOnly);
        showSummary(w);

        f.prompts().answers = {false};
        w.BitBtn1->click();
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("confirm"));
        QCOMPARE(f.prompts().entries[0].text,
                 "Output Files " + progDir + "/Tmp.* are already exist.  Overwrite?");
        QVERIFY(QFile::exists(progDir + "/Param.tmp"));  // written before the question
        QTest::qWait(100);
        QVERIFY(!QFile::exists(progDir + "/solver.log"));
        QCOMPARE(f.prompts().busy, 0);
        QVERIFY(!w.solverRunning());

        QSignalSpy finished(&w, &TForm4::solverFinished);
        f.prompts().answers = {true};
        w.BitBtn1->click();
        QVERIFY(finished.wait(10000));
        QVERIFY(QFile::exists(progDir + "/solver.log"));
    }

    void standInSolverRunsWithoutArgumentsInTheStartUpDirectory()
    {
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        writeStandInSolver(progDir, 4);
        showSummary(w);
        QSignalSpy finished(&w, &TForm4::solverFinished);
        w.BitBtn1->click();
        QCOMPARE(f.prompts().busy, 1);
        QCOMPARE(f.prompts().restored, 0);
        QVERIFY(w.solverRunning());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(progDir + "/solver.log"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(readFile(progDir + "/solver.log").contains("Cross.tmp"), 5000);

        // A second Execute while the solver runs writes and starts nothing.
        QFile::remove(progDir + "/Param.tmp");
        w.BitBtn1->click();
        QVERIFY(!QFile::exists(progDir + "/Param.tmp"));
        QVERIFY(f.prompts().entries.isEmpty());
        QCOMPARE(f.prompts().busy, 1);

        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QCOMPARE(f.prompts().restored, 1);
        QVERIFY(!w.solverRunning());
        QVERIFY(f.prompts().entries.isEmpty());  // nothing is shown at the end
        QCOMPARE(readFile(progDir + "/solver.log"),
                 "cwd=" + progDir + "\nargs=0\nhas=Param.tmp\nhas=React.tmp\nhas=Cross.tmp\n");
    }

    // How the run ends decides what is told, always after the cursor is back.
    void theEndOfARunIsReportedAfterTheCursorComesBack_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");  // @P@ stands for the start-up directory
        const QString notFinished = ": the calculation did not finish. @P@/Tmp.gdt and @P@/Tmp.lst "
                                    "may be missing, cut short or left from an earlier run.\n\n";
        QString lines;
        for (int i = 6; i <= 25; ++i)
            lines += QString("\nline %1").arg(i);
        QTest::newRow("normal end") << "echo 'a note' >&2; exit 0" << 0 << QString();
        QTest::newRow("failure, last 20 lines")
            << "i=1; while [ $i -le 25 ]; do echo \"line $i\" >&2; i=$((i+1)); done; echo >&2; exit 2"
            << 2 << "The solver ended with exit status 2" + notFinished + "The solver's last messages:" + lines;
        QTest::newRow("failure without a message")
            << "exit 5" << 5 << "The solver ended with exit status 5" + notFinished + "The solver wrote no message.";
        QTest::newRow("no case computed")
            << "echo 'No case was computed; the reason is in the listing @P@/Tmp.lst' >&2; exit 3" << 3
            << "The solver computed no case (exit status 3). The reason is in the listing @P@/Tmp.lst";
        QTest::newRow("killed")
            << "echo 'about to go' >&2; kill -KILL $$" << 128 + 9
            << "The solver was ended by the signal SIGKILL (9)" + notFinished +
                   "The solver's last messages:\nabout to go";
    }

    void theEndOfARunIsReportedAfterTheCursorComesBack()
    {
        QFETCH(QString, ending);
        QFETCH(int, status);
        QFETCH(QString, message);
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        writeStandInSolver(progDir, 1, QString(ending).replace("@P@", progDir));
        f.prompts().snapshot = [&] { return QString("restored %1").arg(f.prompts().restored); };
        showSummary(w);
        QSignalSpy finished(&w, &TForm4::solverFinished);
        w.BitBtn1->click();
        // Another name chosen while the run goes on: the report names the run's files.
        w.ComboBox1->lineEdit()->selectAll();
        QTest::keyClicks(w.ComboBox1->lineEdit(), "later");
        showSummary(w);
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.at(0).at(0).toInt(), status);
        QCOMPARE(f.prompts().restored, 1);
        if (message.isEmpty()) {
            QVERIFY(f.prompts().entries.isEmpty());
            return;
        }
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("error"));
        QCOMPARE(f.prompts().entries[0].text, message.replace("@P@", progDir));
        QCOMPARE(f.prompts().entries[0].snapshot, QString("restored 1"));
    }

    void outputPathLongerThanTheSolverReadsIsRefused()
    {
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        writeStandInSolver(progDir);
        f.prompts().chosenFiles = {progDir + "/" + QString(200, 'n') + ".gdt"};
        w.SpeedButton2->click();
        showSummary(w);
        w.BitBtn1->click();
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("error"));
        QCOMPARE(f.prompts().busy, 0);
        QVERIFY(!w.solverRunning());
        QTest::qWait(100);
        QVERIFY(!QFile::exists(progDir + "/solver.log"));
    }

    void executeRefusesWhatTheSolverTablesCannotHold()
    {
        GuiFixture f;
        addManySpeciesGas(f.dir(), 207, 250);
        f.loadBank();
        f.checkGas(4);
        TForm4& w = f.form();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        writeStandInSolver(progDir);
        auto refusal = [&] {
            f.prompts().clear();
            showSummary(w);
            w.BitBtn1->click();
            QTest::qWait(100);
            for (const char* name : {"Param.tmp", "React.tmp", "Cross.tmp", "solver.log"})
                if (QFile::exists(progDir + "/" + name))
                    return QString("written: ") + name;
            return f.prompts().entries.size() == 1 && f.prompts().entries[0].kind == "error"
                       ? f.prompts().entries[0].text
                       : f.prompts().texts().join(" | ");
        };
        // 207 selected reactions, one more than the solver keeps.
        const QString reactions = refusal();
        QVERIFY2(reactions.contains(" 207 ") && reactions.contains(" 206"), qPrintable(reactions));

        // 250 species cards and the electron: one name more than the solver holds.
        w.CheckListBox2->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(f.model().ReactionSelected[4][0], 0);
        const QString species = refusal();
        QVERIFY2(species.contains(" 251 ") && species.contains(" 250"), qPrintable(species));
        QVERIFY(!w.solverRunning());
    }

    void missingSolverIsReportedAndTheCursorComesBack()
    {
        GuiFixture f;
        prepare(f);
        TForm4& w = f.form();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        showSummary(w);
        QSignalSpy finished(&w, &TForm4::solverFinished);
        w.BitBtn1->click();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.at(0).at(0).toInt(), -1);
        QCOMPARE(f.prompts().texts(), QStringList{progDir + "/Kinrun.prg - file is not found!"});
        QCOMPARE(f.prompts().entries[0].kind, QString("information"));
        QCOMPARE(f.prompts().busy, 1);
        QCOMPARE(f.prompts().restored, 1);
        QVERIFY(QFile::exists(progDir + "/Param.tmp"));  // the input files stay
        QVERIFY(!w.solverRunning());
    }
};

QTEST_MAIN(SummaryExecuteTest)
#include "gui_summary_execute_test.moc"
