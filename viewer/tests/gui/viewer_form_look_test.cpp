// What the "Configuring" page shows beyond its texts: the panel colours and the full
// process names of the check lists.
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>

#include "gui_test_support.h"

using namespace vorn::viewer;
using vorn::viewer::test::dataFile;
using vorn::viewer::test::Viewer;

namespace {

QString plainOf(const QString& toolTip) {
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

QColor colourAt(QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); }

}  // namespace

class ViewerFormLookTest : public QObject {
    Q_OBJECT
private slots:
    void checkListsShowWholeProcessNames() {
        QTemporaryDir dir;
        test::GdtLayout layout;
        layout.processes = 25;
        const QString path = test::writeGdt(dir.path(), "many.gdt", layout);
        QVERIFY(!path.isEmpty());
        Viewer v;
        v.open(path);
        TForm1& w = v.form1;
        for (QListWidget* list : {w.CheckListBox2, w.CheckListBox3}) {
            QCOMPARE(list->count(), 27);
            QStringList shown;
            for (int i = 0; i < list->count(); ++i) shown << plainOf(list->item(i)->toolTip());
            QCOMPARE(shown[0], QString("N2 + E(-) ^ N2(1) + E(-)"));
            QCOMPARE(shown[24], QString("N2 + E(-) ^ N2(25) + E(-)"));
            shown.removeDuplicates();
            QCOMPARE(shown.size(), 27);
        }
        // Read as text, not as markup.
        QCOMPARE(plainOf(w.CheckListBox3->item(26)->toolTip()), QString("<u>d(ln(Ne)/dt"));
    }

    void panelsShowTheirColours() {
        Viewer v;
        v.open(dataFile("hf_mode1.gdt"));  // a Maxwellian run: the olive box is shown
        TForm1& w = v.form1;
        QVERIFY(!w.Panel21->isHidden());
        const QColor aqua(0, 255, 255);
        for (QLabel* value : {w.Panel14, w.Panel15, w.Panel16, w.Panel17, w.Panel18, w.Panel22})
            QCOMPARE(colourAt(value, QPoint(value->width() - 6, value->height() / 2)), aqua);
        // Between the box's edge and the two panels inside it.
        QCOMPARE(colourAt(w.Panel21, QPoint(3, 3)), QColor(128, 128, 0));
    }
};

QTEST_MAIN(ViewerFormLookTest)
#include "viewer_form_look_test.moc"
