// The grid layer: typing reported key by key, commit triggers in the right order,
// and an editor that survives a modal message box raised while typing.
#include "grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

class GridTest : public QObject {
    Q_OBJECT

    struct Window {
        QWidget widget;
        Grid* grid;
        QLineEdit* other;
        Window(int fixedRows = 0)
        {
            auto* layout = new QVBoxLayout(&widget);
            grid = new Grid(4 + fixedRows, 2, 1, fixedRows);
            other = new QLineEdit;
            layout->addWidget(grid);
            layout->addWidget(other);
            for (int r = 0; r < grid->rowCount(); ++r) {
                grid->setCellText(r, 0, QString("name%1").arg(r));
                grid->setCellText(r, 1, QString::number(r));
            }
            widget.show();
            QApplication::setActiveWindow(&widget);
            (void)QTest::qWaitForWindowActive(&widget);
            grid->setFocus();
        }
        void type(int row, const QString& text)
        {
            grid->setCurrentCell(row, 1);
            grid->editItem(grid->item(row, 1));
            QLineEdit* editor = grid->openEditor();
            QVERIFY(editor);
            editor->setText(QString());
            QTest::keyClicks(editor, text);
        }
    };

    using Trigger = Grid::Trigger;

private slots:
    void typingIsReportedPerKeyWithoutCommitting()
    {
        Window w;
        QSignalSpy typed(w.grid, &Grid::editTextChanged);
        QSignalSpy commits(w.grid, &Grid::commitTriggered);
        w.type(1, "12");
        QCOMPARE(typed.count(), 2);
        QCOMPARE(typed.at(1).at(2).toString(), QString("12"));
        QCOMPARE(commits.count(), 0);
        QCOMPARE(w.grid->cellText(1, 1), QString("12"));  // live editor text
        QCOMPARE(w.grid->item(1, 1)->text(), QString("1"));
    }

    void editorSurvivesRealMessageBoxRaisedWhileTyping()
    {
        Window w;
        // The stock delegate deletes the editor here and the program crashes.
        connect(w.grid, &Grid::editTextChanged, &w.widget, [&w](int, int, const QString& text) {
            QTimer::singleShot(50, [] {
                if (QWidget* box = QApplication::activeModalWidget())
                    box->close();
            });
            QMessageBox::critical(&w.widget, "Vorn", "bad: " + text, QMessageBox::Ok);
        });
        QSignalSpy commits(w.grid, &Grid::commitTriggered);
        w.type(2, "-");
        QApplication::processEvents();
        QVERIFY(w.grid->openEditor());
        QCOMPARE(w.grid->openEditor()->text(), QString("-"));
        QCOMPARE(w.grid->item(2, 1)->text(), QString("2"));
        QCOMPARE(commits.count(), 0);
        QTest::keyClick(w.grid->openEditor(), Qt::Key_Return);
        QCOMPARE(commits.count(), 1);
        QCOMPARE(w.grid->item(2, 1)->text(), QString("-"));
    }

    void keyTriggersCommitTheRowBeingLeft_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("commits");
        QTest::addColumn<int>("rowAfter");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 1 << 1;
        QTest::newRow("Up") << int(Qt::Key_Up) << 1 << 0;
        QTest::newRow("Down") << int(Qt::Key_Down) << 1 << 2;
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << 0 << -1;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << -1;
    }
    void keyTriggersCommitTheRowBeingLeft()
    {
        QFETCH(int, key);
        QFETCH(int, commits);
        QFETCH(int, rowAfter);
        for (bool withEditor : {true, false}) {
            Window w;
            QList<int> committedRows;
            QStringList committedTexts;
            connect(w.grid, &Grid::commitTriggered, &w.widget,
                    [&](Trigger trigger, int row, int) {
                        QCOMPARE(trigger, Trigger::Key);
                        committedRows << row;
                        committedTexts << w.grid->cellText(row, 1);
                    });
            w.grid->setCurrentCell(1, 1);
            if (withEditor) {
                w.type(1, "7.5");
                QTest::keyClick(w.grid->openEditor(), Qt::Key(key));
            } else {
                QTest::keyClick(w.grid, Qt::Key(key));
            }
            QCOMPARE(committedRows.count(), commits);
            if (commits) {
                QCOMPARE(committedRows.first(), 1);
                QCOMPARE(committedTexts.first(), withEditor ? QString("7.5") : QString("1"));
                QCOMPARE(w.grid->currentRow(), rowAfter);
            }
        }
    }

    void mousePressFlushesTheEditorThenCommits()
    {
        Window w;
        QStringList seen;
        connect(w.grid, &Grid::commitTriggered, &w.widget, [&](Trigger trigger, int row, int) {
            QCOMPARE(trigger, Trigger::MousePress);
            seen << w.grid->item(row, 1)->text();
            QVERIFY(!w.grid->openEditor());
        });
        w.type(3, "42");
        const QRect cell = w.grid->visualRect(w.grid->model()->index(0, 1));
        QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {}, cell.center());
        QCOMPARE(seen, QStringList{"42"});
    }

    void leavingTheGridWithinTheWindowIsAnExit()
    {
        Window w;
        QSignalSpy commits(w.grid, &Grid::commitTriggered);
        w.type(2, "5");
        w.other->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QCOMPARE(commits.count(), 1);
        QCOMPARE(commits.at(0).at(0).value<Trigger>(), Trigger::Exit);
        QCOMPARE(commits.at(0).at(1).toInt(), 2);
        QCOMPARE(w.grid->item(2, 1)->text(), QString("5"));
    }

    void focusToAnotherWindowIsNoExit()
    {
        Window w;
        QSignalSpy commits(w.grid, &Grid::commitTriggered);
        w.type(2, "5");
        QLineEdit elsewhere;
        elsewhere.show();
        QApplication::setActiveWindow(&elsewhere);
        elsewhere.setFocus(Qt::ActiveWindowFocusReason);
        QApplication::processEvents();
        QCOMPARE(commits.count(), 0);
    }

    void headingCellsNeverBecomeCurrent()
    {
        Window w(1);
        w.grid->setCurrentCell(2, 1);
        QTest::keyClick(w.grid, Qt::Key_Left);
        QCOMPARE(w.grid->currentColumn(), 1);
        QTest::keyClick(w.grid, Qt::Key_Up);
        QTest::keyClick(w.grid, Qt::Key_Up);
        QCOMPARE(w.grid->currentRow(), 1);
        const QRect heading = w.grid->visualRect(w.grid->model()->index(3, 0));
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {}, heading.center());
        QCOMPARE(w.grid->currentColumn(), 1);
        QVERIFY(!(w.grid->item(3, 0)->flags() & Qt::ItemIsEditable));
    }

    void anyKeyWithoutEditorCommitsWhenAsked()
    {
        Window w;
        w.grid->setCommitOnAnyKeyWithoutEditor(true);
        QSignalSpy commits(w.grid, &Grid::commitTriggered);
        w.grid->setCurrentCell(2, 1);
        QTest::keyClick(w.grid, Qt::Key_PageDown);
        QCOMPARE(commits.count(), 1);
        // Typing opens the editor after committing the cell as it stood.
        QTest::keyClick(w.grid, Qt::Key_9);
        QCOMPARE(commits.count(), 2);
        QVERIFY(w.grid->openEditor());
        QTest::keyClick(w.grid->openEditor(), Qt::Key_8);
        QCOMPARE(commits.count(), 2);
    }

    void putBackWhileEditingShowsInTheEditor()
    {
        Window w;
        w.type(1, "abc");
        w.grid->setCellText(1, 1, "1.5");
        QCOMPARE(w.grid->openEditor()->text(), QString("1.5"));
        QCOMPARE(w.grid->cellText(1, 1), QString("1.5"));
    }
};

QTEST_MAIN(GridTest)
#include "gui_grid_test.moc"
