// Writes PNGs for a person to look at:
//   start.png, page0.png .. page6.png  the start-up screen and every page of FILE.gdt, with every
//                                       curve of the first three charts ticked;
//   rates-logY.png                     FILE's rate chart after "logY" off and on again;
//   legend-page1.png, legend-page2.png a made-up run of 25 processes, every rate ticked, on
//                                       "Rate Constants" before and after a click on the legend;
//   206-rates.png, 206-power.png       a made-up run of 206 processes, every curve ticked;
//   after-FILE-rates.png, after-FILE-energies.png
//                                       a made-up run from 0.5 to 2 Td of 15 gas components,
//                                       opened after FILE was shown with every curve ticked;
//   default-configuring.png, default-vorn.png
//                                       a run that did not converge (DEFAULT.gdt), when given.
//   viewer_screenshots FILE.gdt OUTDIR [DEFAULT.gdt]
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <cstdio>

#include "gui_test_support.h"

using namespace vorn::viewer;

namespace {

QString g_out;
int g_written = 0;

void shoot(QWidget& window, const QString& name) {
    QApplication::processEvents();
    const QString path = g_out + "/" + name;
    if (window.grab().save(path)) ++g_written;
    std::printf("%s\n", qPrintable(path));
}

bool opened(test::Viewer& viewer, const QString& path) {
    viewer.open(path);
    if (viewer.dialogs->errors.isEmpty()) return true;
    std::fprintf(stderr, "%s\n", qPrintable(viewer.dialogs->errors.join("\n")));
    return false;
}

// A made-up run of four field values with this many processes.
test::GdtLayout processRun(int processes) {
    test::GdtLayout layout;
    layout.processes = processes;
    layout.fieldValues = {50, 100, 200, 500};
    return layout;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: viewer_screenshots FILE.gdt OUTDIR [DEFAULT.gdt]\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_out);
    {
        test::Viewer viewer;
        shoot(viewer.form1, "start.png");
        if (!opened(viewer, QString::fromLocal8Bit(argv[1]))) return 1;
        TForm1& w = viewer.form1;
        for (QListWidget* list : {w.CheckListBox1, w.CheckListBox2, w.CheckListBox3}) viewer.tickAll(list);
        for (int page = 0; page <= 6; ++page) {
            w.setActivePage(page);
            if (w.activePage() == page) shoot(w, QString("page%1.png").arg(page));  // else refused: one point
        }
        w.setActivePage(2);
        if (w.activePage() == 2) {
            QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);
            QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);
            shoot(w, "rates-logY.png");
        }
    }
    {
        test::Viewer viewer;
        if (!opened(viewer, test::writeGdt(g_out, "25-processes.gdt", processRun(25)))) return 1;
        viewer.tickAll(viewer.form1.CheckListBox2);
        viewer.form1.setActivePage(2);
        shoot(viewer.form1, "legend-page1.png");
        ChartView* view = viewer.form1.Charts[kRateChart];
        const QPointF centre = view->chart()->mapToScene(view->legendRect().center());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(centre));
        shoot(viewer.form1, "legend-page2.png");
    }
    {
        test::Viewer viewer;
        if (!opened(viewer, test::writeGdt(g_out, "206-processes.gdt", processRun(206)))) return 1;
        viewer.tickAll(viewer.form1.CheckListBox2);
        viewer.tickAll(viewer.form1.CheckListBox3);
        viewer.form1.setActivePage(2);
        shoot(viewer.form1, "206-rates.png");
        viewer.form1.setActivePage(3);
        shoot(viewer.form1, "206-power.png");
    }
    {
        test::GdtLayout narrow;
        narrow.fieldValues = {0.5, 1, 2};
        narrow.gasLine.clear();
        const char* names[] = {"N2", "O2", "AR", "CO2", "H2O", "NE", "HE", "KR", "XE", "CH4", "H2", "CO", "N2O", "NO", "C2H6"};
        for (int i = 0; i < 15; ++i) narrow.gasLine += std::string(i ? "/" : "") + (std::string(names[i]) + "    ").substr(0, 4);
        narrow.gasLine += "=";
        for (int i = 0; i < 15; ++i) narrow.gasLine += std::string(i ? "/" : "") + " 6.67";
        test::Viewer viewer;
        TForm1& w = viewer.form1;
        if (!opened(viewer, QString::fromLocal8Bit(argv[1]))) return 1;
        for (QListWidget* list : {w.CheckListBox1, w.CheckListBox2, w.CheckListBox3}) viewer.tickAll(list);
        for (int page = 1; page <= 6; ++page) w.setActivePage(page);
        if (!opened(viewer, test::writeGdt(g_out, "narrow-15-gases.gdt", narrow))) return 1;
        for (QListWidget* list : {w.CheckListBox1, w.CheckListBox2, w.CheckListBox3}) viewer.tickAll(list);
        w.setActivePage(2);
        shoot(w, "after-FILE-rates.png");
        w.setActivePage(4);
        shoot(w, "after-FILE-energies.png");
    }
    if (argc == 4) {
        test::Viewer viewer;
        if (!opened(viewer, QString::fromLocal8Bit(argv[3]))) return 1;
        viewer.tickAll(viewer.form1.CheckListBox1);
        shoot(viewer.form1, "default-configuring.png");
        viewer.form1.setActivePage(1);
        shoot(viewer.form1, "default-vorn.png");
    }
    return g_written > 0 ? 0 : 1;
}
