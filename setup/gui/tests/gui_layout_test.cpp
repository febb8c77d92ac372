// Texts are whole at the default fonts, long gas names are shortened in the
// middle with the whole name as a tooltip, and radio buttons take a click
// anywhere on their area.
#include "check_list.h"
#include "gui_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

namespace {

const QString kLongName = "Maxwell model (constant collision frequency) of nitrogen";

// Gives the second gas of the test bank a name wider than the lists and panels.
void renameSecondGas(const QString& dir)
{
    QFile list(dir + "/Gasfiles/Gasnames.cnf");
    list.open(QIODevice::ReadOnly);
    QByteArray text = list.readAll().replace("N2 Nitrogen", "N2 " + kLongName.toUtf8());
    list.close();
    list.open(QIODevice::WriteOnly | QIODevice::Truncate);
    list.write(text);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void labelsShowTheirWholeText()
    {
        GuiFixture f;
        f.loadBank();
        f.checkGas(0);
        TForm4& w = f.form();
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        w.CheckBox1->click();
        for (QWidget* page : {w.TabSheet1, w.TabSheet2, w.TabSheet3}) {
            w.PageControl1->setCurrentWidget(page);
            for (QLabel* label : page->findChildren<QLabel*>()) {
                if (!label->isVisible())
                    continue;
                const QString what = label->objectName() + " \"" + label->text() + "\"";
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                             label->contentsRect().width() - 2 * label->margin(),
                         qPrintable(what));
                QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                         qPrintable(what));
            }
        }
        QVERIFY(w.Label10->isVisible());
    }

    void variantGridShowsEveryRowWithoutScrollBar()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        QApplication::processEvents();
        Grid* grid = w.StringGrid5;
        QVERIFY(!grid->verticalScrollBar()->isVisible());
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        const QRect last = grid->visualRect(grid->model()->index(21, 2));
        QVERIFY(grid->viewport()->rect().contains(last));
    }

    void longGasNamesAreShortenedInTheMiddleWithATooltip()
    {
        GuiFixture f;
        renameSecondGas(f.dir());
        f.loadBank();
        TForm4& w = f.form();
        QCOMPARE(w.Panel6->text(), QString("Argon"));
        QCOMPARE(w.Panel6->toolTip(), QString());
        QVERIFY(!w.CheckListBox1->isTextElided(0));

        w.CheckListBox1->setCurrentRow(1);
        const QString shown = w.Panel6->text();
        QVERIFY2(shown.startsWith("Maxwell") && shown.endsWith("nitrogen") &&
                     shown.contains(QChar(0x2026)),
                 qPrintable(shown));
        QVERIFY(w.Panel6->fontMetrics().horizontalAdvance(shown) <= w.Panel6->contentsRect().width());
        QCOMPARE(w.Panel6->toolTip(), kLongName);
        QCOMPARE(w.Panel5->text(), kLongName);  // the wider panel shows it whole
        QCOMPARE(w.Panel5->toolTip(), QString());

        CheckList* gases = w.CheckListBox1;
        QCOMPARE(gases->textElideMode(), Qt::ElideMiddle);
        QVERIFY(gases->isTextElided(1));
        const QPoint at = gases->visualItemRect(gases->item(1)).center();
        QHelpEvent help(QEvent::ToolTip, at, gases->viewport()->mapToGlobal(at));
        QApplication::sendEvent(gases->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), kLongName);
    }

    void radioButtonsTakeAClickAnywhereOnTheirArea()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        w.PageControl1->setCurrentWidget(w.TabSheet2);
        for (QButtonGroup* group : {w.OutputModeButtons, w.FieldTypeButtons}) {
            QAbstractButton* button = group->button(1);
            QTest::mouseClick(button, Qt::LeftButton, {},
                              QPoint(button->width() - 2, button->height() - 2));
            QVERIFY(button->isChecked());
        }
        QCOMPARE(f.model().OutputMode, 1);
        QCOMPARE(f.model().FieldMode, 1);
    }

    void welcomeTextStaysHiddenBesideTheTabsOfAWideWindow()
    {
        GuiFixture f;
        f.loadBank();
        TForm4& w = f.form();
        w.resize(1500, 1000);
        QCoreApplication::processEvents();
        // The strip right of the last tab, where the centred welcome title lies.
        const QRect lastTab = w.PageControl1->tabBar()->tabRect(w.PageControl1->count() - 1);
        const QRect strip(lastTab.right() + 20, 0, w.PageControl1->width() - lastTab.right() - 40,
                          lastTab.height() - 4);  // above the frame line
        const QImage picture =
            w.grab(QRect(w.PageControl1->mapTo(&w, strip.topLeft()), strip.size())).toImage();
        const QRgb background = picture.pixel(0, 0);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QVERIFY2(picture.pixel(x, y) == background,
                         qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(LayoutTest)
#include "gui_layout_test.moc"
