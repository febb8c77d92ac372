// Writes pictures of the main window for a person to look at:
//   vornw32_screenshots OUTDIR [GASFILES]
// welcome.png (before "Program"), page1.png (first gas checked), page2.png (the
// Maxwellian box ticked), page2_high_frequency.png and page3.png. GASFILES is a data-bank folder to copy
// (default: the test bank).
// Runs on any Qt platform: offscreen, or a real X server under xvfb-run.
#include "check_list.h"
#include "fake_prompts.h"
#include "tform4.h"
#include "test_bank.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

int noViewer() { return 0; }
void noRelease() {}

bool save(QWidget& window, const QString& path)
{
    QApplication::processEvents();
    QTest::qWait(50);
    const bool ok = window.grab().save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Vorn");
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [GASFILES]\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir progDir;
    if (argc > 2)
        copyDataBank(QString::fromLocal8Bit(argv[2]), progDir.path());
    else
        writeTestBank(progDir.path());
    QDir::setCurrent(progDir.path());

    TForm4 window(std::make_unique<FakePrompts>(),
                  ViewerLibraries{&noViewer, &noRelease, &noViewer, &noRelease});
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    bool ok = save(window, out + "/welcome.png");

    window.Start1Click();
    if (window.CheckListBox1->count() > 0)
        window.CheckListBox1->item(0)->setCheckState(Qt::Checked);
    ok &= save(window, out + "/page1.png");
    window.PageControl1->setCurrentWidget(window.TabSheet2);
    window.CheckBox1->click();  // the Maxwellian label shows on the summary page
    ok &= save(window, out + "/page2.png");
    window.FieldTypeButtons->button(1)->click();
    ok &= save(window, out + "/page2_high_frequency.png");
    window.FieldTypeButtons->button(0)->click();
    window.PageControl1->setCurrentWidget(window.TabSheet3);
    ok &= save(window, out + "/page3.png");
    return ok ? 0 : 1;
}
