// The form families are drawn in their stand-ins, in the viewer library under a host
// program of its own and in the set-up program's window.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include "common/gui/form_fonts.h"
#include "gui_fixture.h"
#include "vornch1.h"

namespace {

void forgetSubstitutes() {
    for (const vorn::FormFont& f : vorn::formFonts()) QFont::removeSubstitutions(f.form);
}

// Empty when every form family has its stand-in as first substitute, once; else the
// first family that has not.
QString wrongSubstitute() {
    for (const vorn::FormFont& f : vorn::formFonts()) {
        // Qt keeps substitutes in lower case.
        const QString drawnAs = QString(f.drawnAs).toLower();
        const QStringList substitutes = QFont::substitutes(f.form);
        if (substitutes.value(0) != drawnAs || substitutes.count(drawnAs) != 1) return f.form;
    }
    return {};
}

}  // namespace

class FormFontsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { forgetSubstitutes(); }

    void qtOwnSubstitutesStayBehindTheStandIn() {
        QFont::insertSubstitution("Arial", "Helvetica");
        vorn::useFormFonts();
        QCOMPARE(QFont::substitutes("Arial"), QStringList({"liberation sans", "helvetica"}));
    }

    void everyFormFamilyHasItsStandInOnce() {
        QCOMPARE(vorn::formFonts().size(), size_t(5));
        vorn::useFormFonts();
        vorn::useFormFonts();
        QCOMPARE(wrongSubstitute(), QString());
        // The chart library names its default fonts in lower case.
        QCOMPARE(QFont::substitutes("arial").value(0), QString("liberation sans"));
    }

    // Where the stand-in is installed, Qt draws the form family in it, also when
    // fontconfig's own rules would pick another family for that name.
    void installedStandInsAreTheFamiliesDrawn() {
        vorn::useFormFonts();
        int checked = 0;
        for (const vorn::FormFont& f : vorn::formFonts()) {
            if (QFontDatabase::hasFamily(f.form) || !QFontDatabase::hasFamily(f.drawnAs)) continue;
            QFont font(f.form);
            font.setPixelSize(13);
            QCOMPARE(QFontInfo(font).family(), QString(f.drawnAs));
            ++checked;
        }
        if (checked == 0) QSKIP("none of the stand-ins is installed (scripts/packages.txt lists them)");
    }

    void viewerLibraryUnderAnotherHostUsesThem() {
        QVERIFY(Ch_Init() != 0);
        const QString wrong = wrongSubstitute();
        Ch_Destroy();
        QCOMPARE(wrong, QString());
    }

    void setupWindowUsesThemAndTheFormFamily() {
        GuiFixture fixture(false);
        QCOMPARE(wrongSubstitute(), QString());
        QCOMPARE(fixture.form().font().family(), QString("MS Sans Serif"));
    }
};

QTEST_MAIN(FormFontsTest)
#include "form_fonts_test.moc"
