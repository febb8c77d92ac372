// Writes a PNG of the start-up screen, the Configuring page and each chart page of a graph-data file, with
// every curve of the first three charts ticked, for a person to look at.
//   viewer_screenshots FILE.gdt OUTDIR
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <cstdio>

#include "gui_test_support.h"

using namespace vorn::viewer;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: viewer_screenshots FILE.gdt OUTDIR\n");
        return 2;
    }
    QDir().mkpath(argv[2]);
    test::Viewer viewer;
    QApplication::processEvents();
    viewer.form1.grab().save(QString("%1/start.png").arg(argv[2]));
    viewer.open(QString::fromLocal8Bit(argv[1]));
    if (!viewer.dialogs->errors.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(viewer.dialogs->errors.join("\n")));
        return 1;
    }
    for (QListWidget* list : {viewer.form1.CheckListBox1, viewer.form1.CheckListBox2, viewer.form1.CheckListBox3})
        viewer.tickAll(list);
    int written = 0;
    for (int page = 0; page <= 6; ++page) {
        viewer.form1.setActivePage(page);
        if (viewer.form1.activePage() != page) continue;  // refused by the one-point guard
        QApplication::processEvents();
        const QString path = QString("%1/page%2.png").arg(argv[2]).arg(page);
        if (viewer.form1.grab().save(path)) ++written;
        std::printf("%s\n", qPrintable(path));
    }
    return written > 0 ? 0 : 1;
}
