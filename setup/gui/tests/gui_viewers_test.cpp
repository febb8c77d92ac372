// The viewer entries, closing the window, and errors caught at the event loop.
#include "gui_fixture.h"
#include "qt_user_prompts.h"
#include "vorn_application.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

class ViewersTest : public QObject {
    Q_OBJECT

private slots:
    void viewerEntriesWorkBeforeAnyDataBank()
    {
        GuiFixture f;
        f.form().View1->trigger();
        f.form().View1->trigger();
        f.form().View2->trigger();
        QCOMPARE(GuiFixture::viewerCalls(), (QStringList{"Ch_Init", "Ch_Init", "Crs_Init"}));
        f.loadBank();
        f.form().View2->trigger();
        QCOMPARE(GuiFixture::viewerCalls().last(), QString("Crs_Init"));
    }

    void exitReleasesTheViewerThenTheCrossSectionViewer()
    {
        GuiFixture f;
        f.form().View1->trigger();
        GuiFixture::viewerCalls().clear();
        f.form().Exit1->trigger();
        QVERIFY(!f.form().isVisible());
        QCOMPARE(GuiFixture::viewerCalls(), (QStringList{"Ch_Destroy", "Crs_Destroy"}));
    }

    void closeBoxReleasesBothEvenWhenNeverOpened()
    {
        GuiFixture f;
        QVERIFY(f.form().close());
        QCOMPARE(GuiFixture::viewerCalls(), (QStringList{"Ch_Destroy", "Crs_Destroy"}));
    }

    void linkedLibrariesOpenAndReleaseTheirWindows()
    {
        TForm4 form(std::make_unique<FakePrompts>());
        form.show();
        const auto visibleWindows = [] {
            int n = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                n += w->isVisible() ? 1 : 0;
            return n;
        };
        const int before = visibleWindows();
        form.View1->trigger();  // the results viewer's window comes up
        QVERIFY(visibleWindows() > before);
        form.View2->trigger();  // the stand-in shows nothing
        form.close();
        QApplication::processEvents();
        QCOMPARE(visibleWindows(), before - 1);
    }

    void anExceptionInAHandlerIsShownAndTheProgramGoesOn()
    {
        auto* app = static_cast<VornApplication*>(qApp);
        QStringList shown;
        app->setErrorReporter([&](const QString& text) { shown << text; });
        QPushButton button;
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            if (++clicks == 1)
                throw std::runtime_error("disk on fire");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(shown, QStringList{"disk on fire"});
    }

    void realMessageBoxesHaveTheirButtons()
    {
        QtUserPrompts prompts(nullptr);
        struct Seen {
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QMessageBox::StandardButtons buttons;
            QString text;
            Qt::TextFormat format = Qt::AutoText;
        } seen;
        // Looks at the box once it is up and presses `answer`.
        auto answerWith = [&seen](QMessageBox::StandardButton answer) {
            QTimer::singleShot(0, [&seen, answer] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                seen = {box->icon(), box->standardButtons(), box->text(), box->textFormat()};
                box->button(answer)->click();
            });
        };
        answerWith(QMessageBox::Yes);
        prompts.warningYes("gone");
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Yes));
        QCOMPARE(seen.text, QString("gone"));

        answerWith(QMessageBox::No);
        QVERIFY(!prompts.confirmYesNo("sure?"));
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        answerWith(QMessageBox::Yes);
        QVERIFY(prompts.confirmYesNo("sure?"));

        // A path or a solver message is shown as it stands, never read as markup.
        answerWith(QMessageBox::Ok);
        prompts.error("<b>bad</b>");
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        answerWith(QMessageBox::Ok);
        prompts.information("note");
        QCOMPARE(seen.icon, QMessageBox::Information);
    }

    void aFailedStoreLoadLeavesTheModelAsItWas()
    {
        auto* app = static_cast<VornApplication*>(qApp);
        QStringList shown;
        app->setErrorReporter([&](const QString& text) { shown << text; });
        GuiFixture f;
        f.loadBank();
        f.checkGas(0);
        // A folder where the database file should be: the store cannot open it.
        QDir(f.dir()).mkdir("mixdb1.mdb");
        QTimer::singleShot(0, &f.form(), &TForm4::Load1Click);
        QTRY_COMPARE(shown.size(), 1);
        QCOMPARE(f.model().GasCount, 4);
        QVERIFY(f.model().GasChecked[0]);
        QCOMPARE(f.form().StringGrid2->cellText(0, 0).trimmed(), QString("AR"));
    }
};

int main(int argc, char** argv)
{
    VornApplication app(argc, argv);
    ViewersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "gui_viewers_test.moc"
