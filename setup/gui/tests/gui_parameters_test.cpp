// The parameter grids: mixture, f-or-H box, field variants and program parameters,
// with every message, its order against the put-back, and the field-type switch.
#include "check_list.h"
#include "gui_fixture.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

enum class How { Mouse, Key, Exit };

void commit(TForm4& w, Grid* grid, int row, int column, How how)
{
    if (how == How::Mouse)
        pressMouse(grid, row, column);
    else if (how == How::Key)
        pressKey(grid, Qt::Key_Return);
    else
        leaveGridTo(grid, w.CheckBox1);
}

}  // namespace

Q_DECLARE_METATYPE(How)

class ParametersTest : public QObject {
    Q_OBJECT

    // Types `text` into row `row` of `grid`, commits it and checks the messages
    // of the commit with what the cell showed at each message.
    void runCommitRow(Grid* (*gridOf)(TForm4&))
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(How, how);
        QFETCH(QString, message);
        QFETCH(QString, cellAtMessage);
        QFETCH(QString, cellAfter);
        GuiFixture f;
        f.loadBank();
        Grid* grid = gridOf(f.form());
        if (grid == f.form().StringGrid6)
            f.form().PageControl1->setCurrentWidget(f.form().TabSheet2);
        typeIntoCell(grid, row, 1, text);
        f.prompts().clear();
        f.prompts().snapshot = [grid, row] { return grid->item(row, 1)->text(); };
        commit(f.form(), grid, row, 1, how);
        if (message.isEmpty()) {
            QVERIFY2(f.prompts().entries.isEmpty(), qPrintable(f.prompts().texts().join("|")));
        } else {
            QCOMPARE(f.prompts().texts(), QStringList{message});
            QCOMPARE(f.prompts().entries[0].kind, QString("error"));
            QCOMPARE(f.prompts().entries[0].snapshot, cellAtMessage);
        }
        QCOMPARE(grid->cellText(row, 1), cellAfter);
    }

    static void commitColumns()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<How>("how");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("cellAtMessage");
        QTest::addColumn<QString>("cellAfter");
    }

private slots:
    void mixtureGrid_data()
    {
        commitColumns();
        const QString t = "Gas Temperature value must be positive";
        QTest::newRow("T 0 mouse: put back, then message") << 0 << "0" << How::Mouse << t << "273" << "273";
        QTest::newRow("T 0 key: put back, then message") << 0 << "0" << How::Key << t << "273" << "273";
        QTest::newRow("T 0 exit: message, then put back") << 0 << "0" << How::Exit << t << "0" << "273";
        QTest::newRow("p -5 key") << 1 << "-5" << How::Key << "Gas Pressure value must be positive" << "760" << "760";
        QTest::newRow("ne -1 exit") << 2 << "-1" << How::Exit
                                    << "Electron Concentration value must be non-negative" << "-1" << "0";
        QTest::newRow("ne 0 accepted") << 2 << "0" << How::Key << "" << "" << "0";
        QTest::newRow("ne 1e8 accepted as typed") << 2 << "1e8" << How::Mouse << "" << "" << "1e8";
        QTest::newRow("not a number: silent") << 0 << "abc" << How::Mouse << "" << "" << "273";
        QTest::newRow("empty: silent") << 1 << "" << How::Key << "" << "" << "760";
    }
    void mixtureGrid()
    {
        runCommitRow([](TForm4& w) { return w.StringGrid3; });
    }

    void programGrid_data()
    {
        commitColumns();
        const QString positive = "This value must be > 0";
        QTest::newRow("Te 0 mouse") << 0 << "0" << How::Mouse << positive << "10000" << "10000";
        QTest::newRow("Te -1 key") << 0 << "-1" << How::Key << positive << "10000" << "10000";
        QTest::newRow("Te 0 exit: silent") << 0 << "0" << How::Exit << "" << "" << "10000";
        QTest::newRow("accuracy 0.0011") << 1 << "0.0011" << How::Key << "This value must be <= 0.001"
                                         << "0.0011" << "0.001";
        QTest::newRow("accuracy 0.001") << 1 << "0.001" << How::Key << "" << "" << "0.001";
        QTest::newRow("accuracy 0.0001") << 1 << "0.0001" << How::Exit << "" << "" << "0.0001";
        QTest::newRow("grid 99.9") << 2 << "99.9" << How::Key << "This value must be >= 100 and <= 20000"
                                   << "99.9" << "2000";
        QTest::newRow("grid 20000.5") << 2 << "20000.5" << How::Mouse
                                      << "This value must be >= 100 and <= 20000" << "20000.5" << "2000";
        QTest::newRow("grid 100") << 2 << "100" << How::Key << "" << "" << "100";
        QTest::newRow("grid 2500.7") << 2 << "2500.7" << How::Key << "" << "" << "2500.7";
        QTest::newRow("iterations 0.5") << 3 << "0.5" << How::Key << "" << "" << "0.5";
        QTest::newRow("iterations text: silent") << 3 << "many" << How::Key << "" << "" << "500";
    }
    void programGrid()
    {
        runCommitRow([](TForm4& w) { return w.StringGrid6; });
    }

    void typingMessages()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        f.prompts().clear();
        typeIntoCell(w.StringGrid3, 0, 1, "-");
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        typeIntoCell(w.StringGrid6, 0, 1, "-");
        typeIntoCell(w.StringGrid5, 1, 1, "-5");
        typeIntoCell(w.StringGrid5, 2, 2, "0");
        QCOMPARE(f.prompts().texts(),
                 (QStringList{"This value must be float", "This value must be positive float",
                              "This value must be float", "This value must be > 0"}));
        // Typing alone stores nothing.
        QCOMPARE(f.model().GasTemperature, 273.0);
        QCOMPARE(f.model().EN[0], 10.0);
    }

    void fieldBoxStoresWhileTyping()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        w.FieldTypeButtons->button(1)->click();
        QVERIFY(w.StringGrid4->isVisible());
        QCOMPARE(w.StringGrid4->cellText(0, 0), QString(" f, MHz"));
        QCOMPARE(w.StringGrid4->cellText(0, 1), QString("1000"));
        const int fTop = w.StringGrid4->y();

        f.prompts().clear();
        typeIntoCell(w.StringGrid4, 0, 1, "5");
        QCOMPARE(f.model().Freq, 5.0);
        QTest::keyClicks(w.StringGrid4->openEditor(), "0");
        QCOMPARE(f.model().Freq, 50.0);
        typeIntoCell(w.StringGrid4, 0, 1, "0");
        QCOMPARE(f.prompts().texts(), QStringList{"This value must be > 0"});
        leaveGridTo(w.StringGrid4, w.CheckBox1);
        QCOMPARE(w.StringGrid4->cellText(0, 1), QString("50"));
        QCOMPARE(f.model().Freq, 50.0);

        w.FieldTypeButtons->button(2)->click();
        QCOMPARE(w.StringGrid4->cellText(0, 0), QString(" H, kGs"));
        QCOMPARE(w.StringGrid4->cellText(0, 1), QString("0"));
        QVERIFY(w.StringGrid4->y() > fTop);
        f.prompts().clear();
        typeIntoCell(w.StringGrid4, 0, 1, "-1");
        QCOMPARE(f.prompts().texts(),
                 (QStringList{"This value must be float", "This value must be >= 0"}));
        typeIntoCell(w.StringGrid4, 0, 1, "2.5");
        QCOMPARE(f.model().Magn, 2.5);

        w.FieldTypeButtons->button(0)->click();
        QVERIFY(!w.StringGrid4->isVisible());
    }

    void variantGridCommitsAndFieldTypesKeepTheirColumns()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        Grid* grid = w.StringGrid5;

        typeIntoCell(grid, 1, 1, "-5");
        f.prompts().clear();
        pressKey(grid, Qt::Key_Return);
        QVERIFY(f.prompts().entries.isEmpty());
        QCOMPARE(grid->cellText(1, 1), QString("10"));

        typeIntoCell(grid, 1, 1, "12");
        pressKey(grid, Qt::Key_Down);
        QCOMPARE(f.model().EN[0], 12.0);

        // A mouse press commits every value cell.
        typeIntoCell(grid, 2, 1, "20");
        grid->flushEditor();
        grid->setCellText(3, 2, "30");
        pressMouse(grid, 5, 1);
        QCOMPARE(f.model().EN[1], 20.0);
        QCOMPARE(f.model().Er[2], 30.0);

        // Any key while no editor is open commits the current cell.
        typeIntoCell(grid, 4, 1, "7");
        pressKey(grid, Qt::Key_PageDown);  // leaves the text uncommitted
        QCOMPARE(f.model().EN[3], 0.0);
        grid->setCurrentCell(4, 1);
        QTest::keyClick(grid, Qt::Key_Shift);
        QCOMPARE(f.model().EN[3], 7.0);

        w.FieldTypeButtons->button(1)->click();
        QCOMPARE(grid->cellText(0, 1), QString("Eo,  V/cm"));
        QCOMPARE(grid->cellText(1, 1), QString("10"));
        typeIntoCell(grid, 1, 1, "33");
        pressKey(grid, Qt::Key_Return);
        QCOMPARE(f.model().Eo[0], 33.0);
        typeIntoCell(grid, 2, 1, "44");  // not committed: the switch overwrites it
        w.FieldTypeButtons->button(0)->click();
        QCOMPARE(grid->cellText(0, 1), QString("E/N,  Td"));
        QCOMPARE(grid->cellText(1, 1), QString("12"));
        QCOMPARE(grid->cellText(4, 1), QString("7"));
        w.FieldTypeButtons->button(1)->click();
        QCOMPARE(grid->cellText(1, 1), QString("33"));
        QCOMPARE(grid->cellText(2, 1), QString("0"));
        QCOMPARE(grid->cellText(1, 2), QString("10"));
    }

    void regionalDecimalSeparatorIsUsedOnScreen()
    {
        GuiFixture f;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        f.loadBank();
        TForm4& w = f.form();
        QCOMPARE(w.StringGrid6->cellText(1, 1), QString("0,001"));
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        typeIntoCell(w.StringGrid6, 1, 1, "0,0005");
        pressKey(w.StringGrid6, Qt::Key_Return);
        QCOMPARE(f.model().Accuracy, 0.0005);
        f.prompts().clear();
        typeIntoCell(w.StringGrid6, 3, 1, "1.5");  // "1." and "1.5" are no numbers here
        QCOMPARE(f.prompts().texts(), QStringList(2, "This value must be positive float"));
        QLocale::setDefault(QLocale::c());
    }

    void maxwellianBoxShowsTheSummaryLabelAndOutputModeIsKept()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        QCOMPARE(w.CheckBox1->toolTip(),
                 QString("Kinetic coefficients will be calculated with f(u)=Aexp(-u/ Sart Te)"));
        w.CheckBox1->click();
        QVERIFY(w.Label10->isVisibleTo(w.TabSheet3));
        QCOMPARE(w.Label10->text(), QString("Maxwellian Vorn Calculations       "));
        QVERIFY(f.model().Maxwellian);
        w.CheckBox1->click();
        QVERIFY(!w.Label10->isVisibleTo(w.TabSheet3));
        QVERIFY(!f.model().Maxwellian);

        w.OutputModeButtons->button(1)->click();
        QCOMPARE(f.model().OutputMode, 1);
        f.loadBank();  // a reload keeps the output mode
        QCOMPARE(f.model().OutputMode, 1);
        QVERIFY(w.OutputModeButtons->button(1)->isChecked());
    }
};

QTEST_MAIN(ParametersTest)
#include "gui_parameters_test.moc"
