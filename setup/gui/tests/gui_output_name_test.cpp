// The output-name box driven as a user drives it (focus, typing, focus loss,
// Enter, the page tabs), checked on the summary page and in the file names that
// "Execute" writes on lines 77-78 of Param.tmp.
#include "gui_fixture.h"
#include "test_bank.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

void clickTab(TForm4& w, QWidget* page)
{
    QTabBar* bar = w.PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(w.PageControl1->indexOf(page)).center());
    QCOMPARE(w.PageControl1->currentWidget(), page);
}

// Clicks into the name box, selects its text and types `text` over it.
void typeName(TForm4& w, const QString& text)
{
    clickTab(w, w.TabSheet2);
    QLineEdit* edit = w.ComboBox1->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    QVERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// "Execute" on the summary page; lines 77 and 78 of the Param.tmp it wrote.
QStringList executeAndReadNames(GuiFixture& f)
{
    TForm4& w = f.form();
    QFile::remove(f.dir() + "/Param.tmp");
    QSignalSpy finished(&w, &TForm4::solverFinished);
    w.BitBtn1->click();
    if (!finished.wait(10000))
        return {"solver not finished"};
    QFile file(f.dir() + "/Param.tmp");
    if (!file.open(QIODevice::ReadOnly))
        return {"no Param.tmp"};
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
    return lines.mid(76, 2);
}

QStringList namesFor(GuiFixture& f, const QString& base)
{
    const QString path = QString::fromStdString(f.model().ProgDir) + "/" + base;
    return {path + ".gdt", path + ".lst"};
}

}  // namespace

class OutputNameTest : public QObject {
    Q_OBJECT

    // Bank loaded, Argon checked, a stand-in solver in the start-up directory.
    static TForm4& readyToExecute(GuiFixture& f)
    {
        f.loadBank();
        f.checkGas(0);
        writeStandInSolver(f.dir());
        return f.form();
    }

private slots:
    void typedNameIsUsedExactlyAsTyped()
    {
        GuiFixture f;
        TForm4& w = readyToExecute(f);

        // A name that differs from the item "Tmp" only in case, taken by a tab click
        // that takes the focus from the box.
        typeName(w, "TMP");
        QCOMPARE(w.ComboBox1->currentText(), QString("TMP"));
        clickTab(w, w.TabSheet3);
        QCOMPARE(w.ComboBox1->currentText(), QString("TMP"));
        QCOMPARE(w.Label7->text(), QString("TMP.lst,  TMP.gdt"));
        QCOMPARE(executeAndReadNames(f), namesFor(f, "TMP"));

        // It stays so at every later visit, and the box keeps it after focus loss.
        clickTab(w, w.TabSheet2);
        QLineEdit* edit = w.ComboBox1->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        clickTab(w, w.TabSheet3);
        clickTab(w, w.TabSheet1);
        clickTab(w, w.TabSheet3);
        QCOMPARE(w.Label7->text(), QString("TMP.lst,  TMP.gdt"));
        QCOMPARE(executeAndReadNames(f), namesFor(f, "TMP"));
        QCOMPARE(w.ComboBox1->count(), 1);

        // Picking the item "Tmp" from the opened list takes the item.
        clickTab(w, w.TabSheet2);
        QCOMPARE(w.ComboBox1->currentIndex(), 0);
        w.ComboBox1->showPopup();
        QTest::keyClick(w.ComboBox1->view(), Qt::Key_Return);
        QCOMPARE(w.ComboBox1->currentText(), QString("Tmp"));
        w.activateWindow();  // the closed list leaves no active window offscreen
        QVERIFY(QTest::qWaitForWindowActive(&w));
        clickTab(w, w.TabSheet3);
        QCOMPARE(w.Label7->text(), QString("Tmp.lst,  Tmp.gdt"));

        // Enter keeps the typed text too.
        typeName(w, "tmp");
        QTest::keyClick(w.ComboBox1->lineEdit(), Qt::Key_Return);
        QCOMPARE(w.ComboBox1->currentText(), QString("tmp"));
        clickTab(w, w.TabSheet3);
        QCOMPARE(w.Label7->text(), QString("tmp.lst,  tmp.gdt"));
        QCOMPARE(executeAndReadNames(f), namesFor(f, "tmp"));

        // No inline completion: the box shows what is used.
        typeName(w, "Tm");
        QCOMPARE(w.ComboBox1->currentText(), QString("Tm"));
        QTest::keyClick(w.ComboBox1->lineEdit(), Qt::Key_Return);
        clickTab(w, w.TabSheet3);
        QCOMPARE(w.Label7->text(), QString("Tm.lst,  Tm.gdt"));
        QCOMPARE(w.ComboBox1->count(), 2);

        // Choosing an item from the list still takes the item.
        clickTab(w, w.TabSheet2);
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
        QCOMPARE(w.ComboBox1->currentIndex(), 1);
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(w.ComboBox1->currentText(), QString("Tmp"));
        clickTab(w, w.TabSheet3);
        QCOMPARE(w.Label7->text(), QString("Tmp.lst,  Tmp.gdt"));
        QCOMPARE(executeAndReadNames(f), namesFor(f, "Tmp"));
    }

    void emptiedNameIsRefusedAndNothingIsWritten()
    {
        GuiFixture f;
        TForm4& w = readyToExecute(f);
        typeName(w, QString());
        clickTab(w, w.TabSheet3);
        f.prompts().clear();
        w.BitBtn1->click();
        QCOMPARE(f.prompts().entries.size(), 1);
        QCOMPARE(f.prompts().entries[0].kind, QString("error"));
        QVERIFY2(f.prompts().entries[0].text.contains("empty"),
                 qPrintable(f.prompts().entries[0].text));
        QTest::qWait(100);
        for (const char* name : {"Param.tmp", "React.tmp", "Cross.tmp", ".gdt", ".lst", "solver.log"})
            QVERIFY2(!QFile::exists(f.dir() + "/" + name), name);
        QCOMPARE(w.ComboBox1->count(), 1);  // no empty item
        QVERIFY(!w.solverRunning());
    }
};

QTEST_MAIN(OutputNameTest)
#include "gui_output_name_test.moc"
