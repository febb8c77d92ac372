// Solver runs from the window, with the real message boxes, and pictures of what
// the user sees at their end:
//   vornw32_run_screenshots OUTDIR KINRUN GASFILES
// KINRUN is the solver program, GASFILES the sample data bank. Each run starts in
// a fresh start-up directory:
//   variants   (E/N, energy range) (100, 40), (0, 60), (200, 0), (300, 80) on the
//              Lucas-Saelee gas: run_variants_summary.png; the run must compute
//              the two listed variants and show no box
//   failed     the chosen output folder removed before "Execute": run_failed.png
//   no_case    a gas without a momentum-transfer table: run_no_case.png when the
//              solver reports the run as one that computed no case
//   no_case_standin, signal_standin   stand-in solvers that end with status 3 and
//              by SIGKILL: run_no_case_standin.png, run_signal_standin.png
// Run it in a real X window (xvfb-run, QT_QPA_PLATFORM=xcb) to see the whole
// screen; on other platforms the pictures show the box alone.
#include "check_list.h"
#include "qt_user_prompts.h"
#include "test_bank.h"
#include "tform4.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

int noViewer() { return 0; }
void noRelease() {}

// Real message boxes; the save dialog answers with the paths queued in `chosen`.
class ScriptedPrompts : public QtUserPrompts {
public:
    ScriptedPrompts() : QtUserPrompts(nullptr) {}
    QStringList chosen;
    std::optional<QString> saveFile(const FileRequest&) override
    {
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen.takeFirst();
    }
};

bool savePicture(const QPixmap& picture, const QString& path)
{
    const bool ok = !picture.isNull() && picture.save(path, "PNG");
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The whole screen on a real display, else the widget alone.
QPixmap picture(QWidget* widget)
{
    if (QGuiApplication::platformName() == "xcb")
        return QGuiApplication::primaryScreen()->grabWindow(0);
    return widget->grab();
}

// Watches for the error box while a run ends: takes its picture into `path`,
// keeps its text and closes it with OK.
class BoxWatcher {
public:
    BoxWatcher(QString path) : m_path(std::move(path))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start(50);
    }
    QString text;
    bool saved = false;

private:
    void look()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (++m_seen < 6)  // let it be drawn
            return;
        m_timer.stop();
        text = box->text();
        saved = savePicture(picture(box), m_path);
        box->button(QMessageBox::Ok)->click();
    }
    QString m_path;
    QTimer m_timer;
    int m_seen = 0;
};

// A gas "nomt" made of the Lucas-Saelee gas's files less its momentum-transfer
// block (the first block of lucas.crs, up to its blank card).
void addGasWithoutMomentumTransfer(const QString& dir)
{
    const QString bank = dir + "/Gasfiles/";
    QFile::copy(bank + "lucas.rc", bank + "nomt.rc");
    QFile crs(bank + "lucas.crs");
    crs.open(QIODevice::ReadOnly);
    QList<QByteArray> lines = crs.readAll().split('\n');
    while (!lines.isEmpty() && !lines.first().trimmed().isEmpty())
        lines.removeFirst();
    if (!lines.isEmpty())
        lines.removeFirst();
    QFile out(bank + "nomt.crs");
    out.open(QIODevice::WriteOnly);
    out.write(lines.join('\n'));
    QFile list(bank + "Gasnames.cnf");
    list.open(QIODevice::Append);
    list.write("nomt No momentum transfer\r\n");
}

void writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n" + body + "\n");
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
}

void typeInto(Grid* grid, int row, int column, const QString& text)
{
    grid->setFocus();
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    if (QLineEdit* editor = grid->openEditor()) {
        editor->clear();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
}

struct Run {
    QString name;
    std::function<void(const QString& progDir)> setUpDir;  // solver and bank extras
    QString gas;                                          // base name of the gas to check
    std::function<void(TForm4&, ScriptedPrompts&, const QString& progDir)> beforeExecute;
};

struct Ended {
    int status = -1;
    QString boxText;
    bool boxSaved = false;
    QString progDir;
};

Ended execute(const Run& run, const QString& out, const QString& bank, QTemporaryDir& progDir)
{
    const QString dir = progDir.path();
    copyDataBank(bank, dir);
    run.setUpDir(dir);
    QDir::setCurrent(dir);
    auto owned = std::make_unique<ScriptedPrompts>();
    ScriptedPrompts& prompts = *owned;
    TForm4 window(std::move(owned), ViewerLibraries{&noViewer, &noRelease, &noViewer, &noRelease});
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    // Any box from here on is closed and kept; one before "Execute" fails the run.
    BoxWatcher watcher(out + "/run_" + run.name + ".png");
    window.Start1Click();
    for (int g = 0; g < window.model().GasCount; ++g)
        if (QString::fromStdString(window.model().GasFileNames[g]) == run.gas)
            window.CheckListBox1->item(g)->setCheckState(Qt::Checked);
    window.PageControl1->setCurrentWidget(window.TabSheet2);
    if (run.beforeExecute)
        run.beforeExecute(window, prompts, dir);
    window.PageControl1->setCurrentWidget(window.TabSheet3);
    QTest::qWait(200);

    Ended ended;
    ended.progDir = dir;
    if (!watcher.text.isEmpty())
        std::printf("%s: a box before Execute: %s\n", qPrintable(run.name), qPrintable(watcher.text));
    QSignalSpy finished(&window, &TForm4::solverFinished);
    window.BitBtn1->click();
    if (finished.wait(300000))
        ended.status = finished.at(0).at(0).toInt();
    ended.boxText = watcher.text;
    ended.boxSaved = watcher.saved;
    std::printf("%s: status %d, %s\n", qPrintable(run.name), ended.status,
                ended.boxText.isEmpty() ? "no box" : qPrintable("box: " + ended.boxText));
    if (run.name == "variants")
        savePicture(picture(&window), out + "/run_variants_summary.png");
    return ended;
}

// The field values of a graph-data file (line 7 their count, after the process names).
QList<QByteArray> fieldValues(const QString& path)
{
    QFile graph(path);
    graph.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = graph.readAll().split('\n');
    if (lines.size() < 9)
        return {};
    const int count = lines[6].trimmed().toInt();
    const int first = 8 + lines[7].trimmed().toInt() + 4;
    QList<QByteArray> values;
    for (int i = first; i < first + count && i < lines.size(); ++i)
        values << lines[i].trimmed();
    return values;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Vorn");
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTDIR KINRUN GASFILES\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString kinrun = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const QString bank = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
    QDir().mkpath(out);
    auto realSolver = [&](const QString& dir) { QFile::link(kinrun, dir + "/Kinrun.prg"); };
    bool ok = true;

    {
        QTemporaryDir dir;
        const Run run{"variants", realSolver, "lucas", [](TForm4& w, ScriptedPrompts&, const QString&) {
                          const QStringList cells = {"100", "40", "0", "60", "200", "0", "300", "80"};
                          for (int k = 0; k < 4; ++k)
                              for (int c = 1; c <= 2; ++c)
                                  typeInto(w.StringGrid5, k + 1, c, cells[2 * k + c - 1]);
                      }};
        const Ended ended = execute(run, out, bank, dir);
        const QList<QByteArray> values = fieldValues(ended.progDir + "/Tmp.gdt");
        std::printf("variants: field values run: %s\n", values.join(", ").constData());
        ok &= ended.status == 0 && ended.boxText.isEmpty() &&
              values == QList<QByteArray>{"0.10000E+03", "0.30000E+03"};
    }
    {
        QTemporaryDir dir;
        const Run run{"failed", realSolver, "lucas",
                      [](TForm4& w, ScriptedPrompts& prompts, const QString& progDir) {
                          QDir(progDir).mkdir("results");
                          prompts.chosen = {progDir + "/results/run1.gdt"};
                          w.SpeedButton2->click();
                          QDir(progDir + "/results").removeRecursively();
                      }};
        const Ended ended = execute(run, out, bank, dir);
        ok &= ended.status == 2 && ended.boxSaved &&
              ended.boxText.contains("Program Terminated with exit code 2");
    }
    {
        QTemporaryDir dir;
        const Run run{"no_case", [&](const QString& d) {
                          realSolver(d);
                          addGasWithoutMomentumTransfer(d);
                      },
                      "nomt", nullptr};
        const Ended ended = execute(run, out, bank, dir);
        // A solver that ends such a run normally shows nothing; one that reports it
        // as a run without a case shows the box naming the listing.
        ok &= (ended.status == 0 && ended.boxText.isEmpty()) ||
              (ended.status == 3 && ended.boxSaved && ended.boxText.contains("/Tmp.lst"));
    }
    {
        QTemporaryDir dir;
        const Run run{"no_case_standin", [](const QString& d) {
                          writeScript(d + "/Kinrun.prg",
                                      "echo \"No case was computed; the reason is in the listing "
                                      "$(pwd)/Tmp.lst\" >&2\nexit 3");
                      },
                      "lucas", nullptr};
        const Ended ended = execute(run, out, bank, dir);
        ok &= ended.status == 3 && ended.boxSaved && ended.boxText.contains("computed no case");
    }
    {
        QTemporaryDir dir;
        const Run run{"signal_standin", [](const QString& d) {
                          writeScript(d + "/Kinrun.prg", "echo 'Solving case 1' >&2\nkill -KILL $$");
                      },
                      "lucas", nullptr};
        const Ended ended = execute(run, out, bank, dir);
        ok &= ended.status == 128 + 9 && ended.boxSaved && ended.boxText.contains("SIGKILL");
    }
    std::printf("%s\n", ok ? "all runs ended as expected" : "SOME RUNS DID NOT END AS EXPECTED");
    return ok ? 0 : 1;
}
