// Start-up state, "Program" (with and without the gas list, reload question) and
// "Change DataBank Directory".
#include "../../tests/fifo_unblocker.h"
#include "check_list.h"
#include "gui_fixture.h"
#include "test_bank.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

class DataBankTest : public QObject {
    Q_OBJECT

private slots:
    void startsInTheWelcomeState()
    {
        GuiFixture f;
        TForm4& w = f.form();
        QCOMPARE(w.windowTitle(), QString("Vorn Win32"));
        QVERIFY(w.Label11->isVisible());
        QCOMPARE(w.Label11->text(), QString("Choose MenuItem To Start"));
        QVERIFY(!w.PageControl1->isVisible());
        QVERIFY(!w.PageControl1->isEnabled());
        QVERIFY(w.RichEdit1->toPlainText().contains("Version 1.0 (2003)"));
        QVERIFY(!w.Load1->isEnabled());
        QVERIFY(!w.Save1->isEnabled());
        QCOMPARE(QString::fromStdString(f.model().ProgDir), QDir(f.dir()).canonicalPath());
        QCOMPARE(w.Memo1->toPlainText(), QString::fromStdString(f.model().ProgDir));
        QCOMPARE(f.model().GasTemperature, 0.0);
        QCOMPARE(f.model().MaxIter, 0.0);
    }

    void programWithoutGasListWarnsAndStaysInWelcome()
    {
        GuiFixture f(false);
        f.form().Start1Click();
        const QString expected = "File " + QString::fromStdString(f.model().ProgDir) +
                                 "/Gasfiles/Gasnames.cnf not found. Use File\\Change DataBank Dir "
                                 "MenuItem to set file path.";
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("warningYes"));
        QCOMPARE(f.prompts().entries[0].text, expected);
        QVERIFY(!f.form().PageControl1->isVisible());
        QVERIFY(f.form().Label11->isVisible());
        QVERIFY(!f.model().DataBankLoaded);
    }

    void amountsInHexadecimalReadAsNoNumber()
    {
        GuiFixture f;
        QFile rc(f.dir() + "/Gasfiles/N2.rc");
        QVERIFY(rc.open(QIODevice::WriteOnly | QIODevice::Truncate));
        rc.write(endCard() + endCard() + species("N2", " 0x10") + species("N2(A)", "0x1p-2") +
                 species("N2(B)", "   2.5") + endCard());
        rc.close();
        f.loadBank();
        f.checkGas(1);
        TForm4& w = f.form();
        QCOMPARE(w.StringGrid1->cellText(0, 1), QString("0"));
        QCOMPARE(w.StringGrid1->cellText(1, 1), QString("0"));
        QCOMPARE(w.StringGrid1->cellText(2, 1), QString("2.5"));
        QCOMPARE(w.StringGrid2->rowCount(), 1);
        QCOMPARE(w.StringGrid2->cellText(0, 0), QString("N2(B)   "));
    }

    void programLoadsTheBankAndShowsTheDefaults()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        const QString bank = QString::fromStdString(f.model().ProgDir) + "/Gasfiles/";
        QCOMPARE(f.prompts().texts(), QStringList{bank + "Nofile.rc file is not found"});
        QVERIFY(w.PageControl1->isVisible() && w.PageControl1->isEnabled());
        QVERIFY(!w.Label11->isVisible());
        QCOMPARE(w.PageControl1->currentWidget(), w.TabSheet1);
        QCOMPARE(w.windowTitle(), "Vorn DataBank - " + bank + "Gasnames.cnf");
        QCOMPARE(w.CheckListBox1->count(), 4);
        QCOMPARE(w.CheckListBox1->item(1)->text(), QString("Nitrogen"));
        QCOMPARE(w.CheckListBox1->currentRow(), 0);
        QCOMPARE(w.Panel5->text(), QString("Argon"));
        QCOMPARE(w.Panel6->text(), QString("Argon"));
        for (int g = 0; g < 4; ++g)
            QVERIFY(!w.CheckListBox1->isChecked(g));
        QVERIFY(!w.StringGrid1->isVisible());  // first gas unchecked

        const QStringList mixture = {"273", "760", "0"};
        for (int r = 0; r < 3; ++r)
            QCOMPARE(w.StringGrid3->cellText(r, 1), mixture[r]);
        const QStringList program = {"10000", "0.001", "2000", "500"};
        for (int r = 0; r < 4; ++r)
            QCOMPARE(w.StringGrid6->cellText(r, 1), program[r]);
        QCOMPARE(w.StringGrid5->cellText(0, 1), QString("E/N,  Td"));
        QCOMPARE(w.StringGrid5->cellText(1, 0), QString("1"));
        QCOMPARE(w.StringGrid5->cellText(1, 1), QString("10"));
        QCOMPARE(w.StringGrid5->cellText(1, 2), QString("10"));
        QCOMPARE(w.StringGrid5->cellText(21, 0), QString("21"));
        QCOMPARE(w.StringGrid5->cellText(21, 1), QString("0"));
        QVERIFY(!w.StringGrid4->isVisible());
        QCOMPARE(w.StringGrid2->rowCount(), 1);
        QCOMPARE(w.StringGrid2->cellText(0, 0), QString());
    }

    void reloadAsksFirst()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        f.checkGas(0);
        w.CheckBox1->click();
        QVERIFY(w.Label10->isVisibleTo(w.TabSheet3));
        f.prompts().clear();

        f.prompts().answers = {false};
        w.Start1Click();
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("confirm"));
        QCOMPARE(f.prompts().entries[0].text,
                 QString("Reload Program? All choosen parameters will be lost."));
        QVERIFY(w.CheckListBox1->isChecked(0));
        QVERIFY(w.CheckBox1->isChecked());

        f.prompts().answers = {true};
        w.Start1Click();
        QVERIFY(!w.CheckListBox1->isChecked(0));
        QVERIFY(!w.CheckBox1->isChecked());
        QVERIFY(!w.Label10->isVisibleTo(w.TabSheet3));
        QCOMPARE(w.StringGrid2->cellText(0, 0), QString());
        QVERIFY(!f.model().GasChecked[0]);
    }

    void reloadWithTheFocusInAGridCommitsNothing()
    {
        GuiFixture f;
        f.loadBank();
        f.checkGas(0);
        TForm4& w = f.form();
        w.StringGrid1->setFocus();
        w.StringGrid1->setCurrentCell(0, 1);
        QVERIFY(w.StringGrid1->hasFocus());
        f.loadBank();  // hides the grid: the first gas is unchecked again
        QVERIFY(!w.StringGrid1->isVisible());
        QCOMPARE(w.StringGrid2->rowCount(), 1);
        QCOMPARE(w.StringGrid2->cellText(0, 0), QString());
        QVERIFY(f.model().Summary.isEmpty());
    }

    void refusedReloadKeepsTheDataBankFolderAndEverySetting()
    {
        GuiFixture f;
        f.loadBank();
        f.checkGas(0);
        TForm4& w = f.form();
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        typeIntoCell(w.StringGrid5, 1, 2, "30");
        pressKey(w.StringGrid5, Qt::Key_Return);
        w.CheckBox1->click();
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        const QString title = w.windowTitle();
        QTemporaryDir noBank;
        f.prompts().chosenFiles = {noBank.path() + "/Gasnames.cnf"};
        w.SetDataBankDirectory1Click();
        f.prompts().clear();

        f.loadBank();
        QCOMPARE(f.prompts().texts(),
                 (QStringList{"Reload Program? All choosen parameters will be lost.",
                              "File " + noBank.path() + "/Gasnames.cnf not found. Use File\\Change "
                              "DataBank Dir MenuItem to set file path."}));
        QCOMPARE(QString::fromStdString(f.model().DataBankDir), progDir + "/Gasfiles/");
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(f.model().GasCount, 4);
        QVERIFY(f.model().GasChecked[0] && w.CheckListBox1->isChecked(0));
        QCOMPARE(f.model().Er[0], 30.0);
        QVERIFY(f.model().Maxwellian && w.CheckBox1->isChecked());

        // Execute still writes the species of the checked gas from the old folder.
        writeStandInSolver(progDir);
        w.PageControl1->setCurrentWidget(w.TabSheet3);
        QSignalSpy finished(&w, &TForm4::solverFinished);
        w.BitBtn1->click();
        QVERIFY(finished.wait(10000));
        QFile deck(progDir + "/React.tmp");
        QVERIFY(deck.open(QIODevice::ReadOnly));
        QVERIFY(deck.readAll().contains(species("AR", "1.000E+00")));
    }

    void gasListThatIsAFifoIsReportedLikeAMissingOne()
    {
        GuiFixture f(false);
        const QString bank = QString::fromStdString(f.model().ProgDir) + "/Gasfiles";
        QDir().mkpath(bank);
        const std::string fifo = (bank + "/Gasnames.cnf").toStdString();
        setup::test::FifoUnblocker unblocker({fifo}, std::chrono::seconds(5));
        f.form().Start1Click();
        QVERIFY2(!unblocker.fired(), "\"Program\" waited on the FIFO");
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("warningYes"));
        QVERIFY(f.prompts().entries[0].text.startsWith("File " + bank + "/Gasnames.cnf not found."));
        QVERIFY(!f.model().DataBankLoaded);
        QVERIFY(!f.form().PageControl1->isVisible());
    }

    void changeDataBankDirectoryTakesEffectAtTheNextProgram()
    {
        GuiFixture f(false);
        QTemporaryDir other;
        writeTestBank(other.path());
        const QString progDir = QString::fromStdString(f.model().ProgDir);
        f.prompts().duringFileDialog = [&] { QDir::setCurrent(other.path()); };

        // Cancel: nothing changes, the current directory is back at the start-up one.
        f.form().SetDataBankDirectory1Click();
        QCOMPARE(f.prompts().fileRequests.size(), 1);
        QCOMPARE(f.prompts().fileRequests[0].fileName, QString("Gasnames.cnf"));
        QCOMPARE(f.prompts().fileRequests[0].initialDirectory, progDir + "/Gasfiles/");
        QVERIFY(f.prompts().fileRequests[0].filter.startsWith("Configuration file (*.cnf"));
        QVERIFY(f.model().UserBankDir.empty());
        QCOMPARE(QDir::currentPath(), progDir);

        // Confirm: the folder of the chosen file, used by the next "Program".
        f.prompts().chosenFiles = {other.path() + "/Gasfiles/Gasnames.cnf"};
        f.form().SetDataBankDirectory1Click();
        QCOMPARE(QString::fromStdString(f.model().UserBankDir), other.path() + "/Gasfiles/");
        QCOMPARE(QDir::currentPath(), progDir);
        QVERIFY(!f.model().DataBankLoaded);
        f.loadBank();
        QVERIFY(f.model().DataBankLoaded);
        QCOMPARE(f.form().windowTitle(),
                 "Vorn DataBank - " + other.path() + "/Gasfiles/Gasnames.cnf");
        QCOMPARE(f.form().CheckListBox1->count(), 4);
    }
};

QTEST_MAIN(DataBankTest)
#include "gui_databank_test.moc"
