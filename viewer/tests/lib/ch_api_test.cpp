// The library's two exports as a host program sees them: linked at load time, no other
// symbol reachable.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "vornch1.h"

namespace {

QList<QWidget*> viewerWindows() {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "Form1") found.append(w);
    return found;
}

}  // namespace

class ChApiTest : public QObject {
    Q_OBJECT
private slots:
    void initCreatesOnceAndShows() {
        QCOMPARE(Ch_Init(), 1);
        QCOMPARE(viewerWindows().size(), 1);
        QWidget* form1 = viewerWindows().first();
        QVERIFY(form1->isVisible());
        QCOMPARE(form1->windowTitle(), QString("Vorn ResultsViewing"));
        form1->showMinimized();
        QCOMPARE(Ch_Init(), 1);
        QCOMPARE(viewerWindows().size(), 1);
        QCOMPARE(viewerWindows().first(), form1);
        QVERIFY(!(form1->windowState() & Qt::WindowMinimized));
        form1->close();
        QVERIFY(!form1->isVisible());
        QCOMPARE(Ch_Init(), 1);
        QVERIFY(form1->isVisible());
    }

    void destroyReleasesAndInitRecreates() {
        Ch_Destroy();
        QCOMPARE(viewerWindows().size(), 0);
        Ch_Destroy();  // twice is harmless
        QCOMPARE(Ch_Init(), 1);
        QCOMPARE(viewerWindows().size(), 1);
        QVERIFY(viewerWindows().first()->isVisible());
        Ch_Destroy();
    }
};

int main(int argc, char** argv) {
    // Without a running application the library does nothing.
    if (Ch_Init() != 0) return 1;
    Ch_Destroy();
    QApplication app(argc, argv);
    ChApiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ch_api_test.moc"
