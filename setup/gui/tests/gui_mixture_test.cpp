// The mixture page: gas and reaction check lists, the concentration grid with its
// as-you-type check and commit triggers, hidden species and the summary grid.
#include "check_list.h"
#include "gui_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
const char* kNotNumber = "This value must be nonnegative float (e format is acceptable)";

QStringList summary(const Grid* grid)
{
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << grid->cellText(r, 0).trimmed() + "=" + grid->cellText(r, 1);
    return rows;
}
}  // namespace

class MixtureTest : public QObject {
    Q_OBJECT

private slots:
    void checkingAGasShowsItAndFillsTheSummary()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        f.checkGas(0);
        QVERIFY(w.CheckListBox2->isVisible());
        QVERIFY(w.StringGrid1->isVisible());
        QCOMPARE(w.CheckListBox2->count(), 2);
        QVERIFY(w.CheckListBox2->isChecked(0) && w.CheckListBox2->isChecked(1));
        QCOMPARE(w.StringGrid1->rowCount(), 3);
        QCOMPARE(w.StringGrid1->cellText(0, 0), QString("AR      "));
        QCOMPARE(summary(w.StringGrid2), QStringList{"AR=1"});

        f.checkGas(1);
        QCOMPARE(w.CheckListBox1->currentRow(), 1);
        QCOMPARE(w.Panel5->text(), QString("Nitrogen"));
        QCOMPARE(summary(w.StringGrid2), (QStringList{"AR=1", "N2=1"}));

        // Selecting an unchecked gas hides its lists; the captions still name it.
        w.CheckListBox1->setCurrentRow(3);
        QVERIFY(!w.CheckListBox2->isVisible());
        QVERIFY(!w.StringGrid1->isVisible());
        QCOMPARE(w.Panel6->text(), QString("No file"));

        w.CheckListBox1->setCurrentRow(0);
        f.checkGas(0, false);
        QCOMPARE(summary(w.StringGrid2), QStringList{"N2=1"});
        f.checkGas(1, false);
        QCOMPARE(summary(w.StringGrid2), QStringList{"="});
    }

    void reactionChecksGoStraightIntoTheModel()
    {
        GuiFixture f;
        f.loadBank();
        f.checkGas(0);
        f.form().CheckListBox2->item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(int(f.model().ReactionSelected[0][1]), 0);
        QCOMPARE(int(f.model().ReactionSelected[0][0]), 1);
        f.form().CheckListBox2->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(int(f.model().ReactionSelected[0][1]), 1);
    }

    void typingIsCheckedKeyByKeyAndTheEditorStays()
    {
        GuiFixture f;
        f.loadBank();
        f.checkGas(0);
        Grid* grid = f.form().StringGrid1;
        f.prompts().clear();
        typeIntoCell(grid, 0, 1, "-1");
        QCOMPARE(f.prompts().texts(),
                 (QStringList{kNotNumber, "This value must be >= 0"}));
        QVERIFY(grid->openEditor());
        QCOMPARE(grid->openEditor()->text(), QString("-1"));
        QCOMPARE(f.model().SpeciesAmounts[0][0], 1.0);
        // Deleting the whole text reports nothing.
        f.prompts().clear();
        grid->openEditor()->selectAll();
        QTest::keyClick(grid->openEditor(), Qt::Key_Backspace);
        QCOMPARE(grid->openEditor()->text(), QString());
        QVERIFY(f.prompts().entries.isEmpty());
    }

    void commitTriggers_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("commits");
        QTest::newRow("Enter") << "Enter" << true;
        QTest::newRow("Down") << "Down" << true;
        QTest::newRow("Up") << "Up" << true;
        QTest::newRow("mouse press") << "Mouse" << true;
        QTest::newRow("leaving the grid") << "Exit" << true;
        QTest::newRow("Page Down") << "PageDown" << false;
        QTest::newRow("End") << "End" << false;
    }
    void commitTriggers()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, commits);
        GuiFixture f;
        f.loadBank();
        f.checkGas(0);
        TForm4& w = f.form();
        Grid* grid = w.StringGrid1;
        typeIntoCell(grid, 1, 1, "2.5e-1");
        if (trigger == "Enter")
            pressKey(grid, Qt::Key_Return);
        else if (trigger == "Down")
            pressKey(grid, Qt::Key_Down);
        else if (trigger == "Up")
            pressKey(grid, Qt::Key_Up);
        else if (trigger == "Mouse")
            pressMouse(grid, 0, 1);
        else if (trigger == "Exit")
            leaveGridTo(grid, w.CheckListBox1);
        else if (trigger == "PageDown")
            pressKey(grid, Qt::Key_PageDown);
        else
            pressKey(grid, Qt::Key_End);
        QCOMPARE(f.model().SpeciesAmounts[0][1], commits ? 0.25 : 0.0);
        QCOMPARE(summary(w.StringGrid2),
                 commits ? (QStringList{"AR=1", "AR*=2.5e-1"}) : QStringList{"AR=1"});
        if (!commits) {
            // Showing the gas again loses the uncommitted text.
            w.CheckListBox1->setCurrentRow(1);
            w.CheckListBox1->setCurrentRow(0);
            QCOMPARE(grid->cellText(1, 1), QString("0"));
        }
    }

    void rejectedCommitPutsTheStoredAmountBackInPlainForm()
    {
        GuiFixture f;
        f.loadBank();
        f.checkGas(2);
        Grid* grid = f.form().StringGrid1;
        QCOMPARE(grid->cellText(2, 1), QString("0.123457"));  // display form
        typeIntoCell(grid, 2, 1, "x");
        f.prompts().clear();
        pressKey(grid, Qt::Key_Return);
        QVERIFY(f.prompts().entries.isEmpty());  // a commit shows no message
        QCOMPARE(grid->cellText(2, 1), QString("0.12345679"));
        QCOMPARE(f.model().SpeciesAmounts[2][2], 0.12345679);
        // Zero is accepted and takes the species out of the summary.
        typeIntoCell(grid, 2, 1, "0");
        pressKey(grid, Qt::Key_Return);
        QCOMPARE(f.model().SpeciesAmounts[2][2], 0.0);
        QCOMPARE(summary(f.form().StringGrid2), QStringList{"="});
    }

    void hiddenSpeciesHaveNoVisibleRowAndCommitToZero()
    {
        GuiFixture f;
        f.loadBank();
        f.checkGas(2);
        Grid* grid = f.form().StringGrid1;
        const QStringList names = {"RN2", "ARv1", "rN2", "Arv"};
        const QList<bool> hidden = {true, true, false, false};
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(grid->cellText(r, 0).trimmed(), names[r]);
            QCOMPARE(grid->isRowHidden(r), hidden[r]);
        }
        QCOMPARE(grid->cellText(0, 1), QString("0"));
        QCOMPARE(f.model().SpeciesAmounts[2][0], 0.3);  // untouched until committed
        QCOMPARE(summary(f.form().StringGrid2), QStringList{"rN2=0.123457"});
        // A mouse press commits every row, the hidden ones too.
        pressMouse(grid, 2, 1);
        QCOMPARE(f.model().SpeciesAmounts[2][0], 0.0);
        QCOMPARE(f.model().SpeciesAmounts[2][1], 0.0);
        QCOMPARE(f.model().SpeciesAmounts[2][2], 0.123457);
        QCOMPARE(summary(f.form().StringGrid2), QStringList{"rN2=0.123457"});
    }
};

QTEST_MAIN(MixtureTest)
#include "gui_mixture_test.moc"
