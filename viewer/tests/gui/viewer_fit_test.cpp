// What each chart draws after a read: axes fitted to the run on show, every ticked curve
// inside them and told apart from the others, and the whole title.
#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <set>

#include "gui_test_support.h"

using namespace vorn::viewer;
using vorn::viewer::test::GdtLayout;
using vorn::viewer::test::Viewer;

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

void tickEverything(Viewer& v) {
    for (QListWidget* list : {v.form1.CheckListBox1, v.form1.CheckListBox2, v.form1.CheckListBox3}) v.tickAll(list);
}

// Every finite point of every curve shown lies within the drawn bounds of both axes.
QString pointOutside(const ChartView& view, const ChartModel& model) {
    const AxisRange y = view.shownRange(0), x = view.shownRange(1);
    const auto inside = [](double v, AxisRange r) { return v >= r.lo * (1 - 1e-12) && v <= r.hi * (1 + 1e-12); };
    for (const Series& s : model.series) {
        if (!s.on || s.heading) continue;
        for (size_t i = 0; i < s.x.size(); ++i)
            if (!inside(s.x[i], x) || !inside(s.y[i], y))
                return QString("%1: (%2, %3) outside %4..%5 x %6..%7")
                    .arg(QString::fromStdString(s.title))
                    .arg(s.x[i]).arg(s.y[i]).arg(x.lo).arg(x.hi).arg(y.lo).arg(y.hi);
    }
    return {};
}

}  // namespace

class ViewerFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyReadFitsTheAxesToItsRun() {
        QTemporaryDir dir;
        GdtLayout wide;  // 10 to 867 Td, as the 21-case deck
        wide.fieldValues.clear();
        for (int k = 0; k < 21; ++k) wide.fieldValues.push_back(10 * std::pow(1.25, k));
        GdtLayout narrow;
        narrow.fieldValues = {0.5, 1, 2};
        Viewer v;
        TForm1& w = v.form1;
        v.open(test::writeGdt(dir.path(), "wide.gdt", wide));
        tickEverything(v);
        // What a user leaves behind: bounds typed in the dialog, logY released on "Vorn".
        v.dialogs->onExec = [](QDialog& d) {
            auto& f = static_cast<TForm2&>(d);
            f.CheckBox1->setChecked(false);
            f.CheckBox2->setChecked(false);
            f.Edit1->setText("1000");
            f.Edit2->setText("10");
            f.CheckBox3->setChecked(false);
            f.Edit3->setText("100");
            return 1;
        };
        for (int page = 2; page <= 6; ++page) {
            w.setActivePage(page);
            w.SpeedButton15Click();  // MinMaxX
        }
        w.setActivePage(3);
        w.SpeedButton14Click();  // MinMaxY: 10 .. 1000 %
        w.setActivePage(1);
        QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);  // logY up: linear from 0
        QCOMPARE(w.chartModel(kDistChart).axes.left.min, 0.0);
        QCOMPARE(v.dialogs->errors, QStringList());

        v.open(test::writeGdt(dir.path(), "narrow.gdt", narrow));
        tickEverything(v);
        for (int page = 1; page <= 6; ++page) {
            w.setActivePage(page);
            QCOMPARE(w.activePage(), page);
            const int c = page - 1;
            const QString outside = pointOutside(*w.Charts[c], w.chartModel(c));
            QVERIFY2(outside.isEmpty() || c == kDistChart, qPrintable(QString("chart %1: ").arg(page) + outside));
            if (c != kDistChart) {
                const AxisRange x = w.Charts[c]->shownRange(1);
                QVERIFY2(x.hi <= 10 && x.lo >= 0, qPrintable(QString("chart %1: %2 .. %3").arg(page).arg(x.lo).arg(x.hi)));
            }
        }
        // "Vorn" is logarithmic again from 1e-10, and its dialog takes the values it shows.
        w.setActivePage(1);
        QVERIFY(w.chartModel(kDistChart).axes.left.log);
        QCOMPARE(w.chartModel(kDistChart).axes.left.min, 1e-10);
        QVERIFY(w.SpeedButton11->isChecked());
        v.dialogs->onExec = [](QDialog& d) {
            auto& f = static_cast<TForm2&>(d);
            f.CheckBox1->setChecked(false);
            f.CheckBox2->setChecked(false);
            return 1;
        };
        w.SpeedButton14Click();
        QCOMPARE(v.dialogs->errors, QStringList());
        QCOMPARE(w.chartModel(kDistChart).axes.left.min, 1e-10);
    }

    void everyTickedCurveLiesInsideTheAxes() {
        // Lines 38-39 of the file: the net production rate; 46-47: the storage share.
        QTemporaryDir dir;
        Viewer v;
        TForm1& w = v.form1;
        v.open(test::writeGdt(dir.path(), "shares.gdt", GdtLayout{},
                              {{38, " 0.20000E-05"}, {39, " 0.50000E-05"}, {46, "-0.45000E+02"}, {47, "-0.12000E+02"}}));
        QCOMPARE(v.dialogs->errors, QStringList());
        tickEverything(v);
        for (int page : {2, 3}) {
            w.setActivePage(page);
            const QString outside = pointOutside(*w.Charts[page - 1], w.chartModel(page - 1));
            QVERIFY2(outside.isEmpty(), qPrintable(outside));
        }
        QCOMPARE(w.Charts[kPowerChart]->shownRange(0).lo, -50.0);
        QCOMPARE(w.Charts[kRateChart]->shownRange(0).hi, 1e-5);
    }

    void curvesShownTogetherAreToldApart() {
        QTemporaryDir dir;
        GdtLayout fields;
        fields.fieldValues.clear();
        for (int k = 0; k < 21; ++k) fields.fieldValues.push_back(10 * std::pow(1.25, k));
        GdtLayout processes;
        processes.processes = 206;
        processes.fieldValues = {50, 100, 200, 500};
        const struct {
            const char* name;
            GdtLayout layout;
            int page, distinct;
        } rows[] = {{"fields.gdt", fields, 1, 21}, {"processes.gdt", processes, 2, 80}, {"processes.gdt", processes, 3, 80}};
        for (const auto& row : rows) {
            Viewer v;
            v.open(test::writeGdt(dir.path(), row.name, row.layout));
            tickEverything(v);
            v.form1.setActivePage(row.page);
            const ChartModel& model = v.form1.chartModel(row.page - 1);
            const QList<QLineSeries*> drawn = v.form1.Charts[row.page - 1]->lineSeries();
            std::set<std::pair<QRgb, QList<qreal>>> pens;
            for (int i = 1; i <= row.distinct; ++i) {
                QVERIFY(model.series[size_t(i)].on && drawn[i]->isVisible());
                const QPen pen = drawn[i]->pen();
                pens.insert({pen.color().rgb(), pen.style() == Qt::SolidLine ? QList<qreal>() : pen.dashPattern()});
            }
            QCOMPARE(int(pens.size()), row.distinct);
        }
    }

    void theTitleKeepsEveryComponentAndTheWindowItsWidth() {
        QTemporaryDir dir;
        GdtLayout layout;
        std::string gas;
        const char* names[] = {"N2", "O2", "AR", "CO2", "H2O", "NE", "HE", "KR", "XE", "CH4", "H2", "CO", "N2O", "NO", "C2H6"};
        for (int i = 0; i < 15; ++i) gas += std::string(i ? "/" : "") + (std::string(names[i]) + "    ").substr(0, 4);
        gas += "=";
        for (int i = 0; i < 15; ++i) gas += std::string(i ? "/" : "") + " 6.67";
        QCOMPARE(gas.size(), size_t(164));  // the longest gas line the solver writes
        layout.gasLine = gas;
        const auto squeezed = [](QString s) { return s.remove(' ').remove('\n'); };
        const QString whole = squeezed(QString::fromStdString(layout.fieldLine + gas + layout.conditionsLine));
        Viewer v;
        TForm1& w = v.form1;
        w.resize(764, 570);
        settle();
        v.open(test::writeGdt(dir.path(), "gases.gdt", layout));
        tickEverything(v);
        settle();
        QCOMPARE(w.width(), 764);
        QCOMPARE(squeezed(w.Label2->text()), squeezed(QString::fromStdString(gas)));
        for (const int width : {764, 1200, 700}) {
            w.resize(width, 570);
            for (int page = 1; page <= 6; ++page) {
                w.setActivePage(page);
                settle();
                QCOMPARE(w.width(), width);
                // What Qt Charts draws: the whole title, in lines.
                ChartView* view = w.Charts[page - 1];
                QString drawn;
                for (QGraphicsItem* item : view->scene()->items())
                    if (auto* t = dynamic_cast<QGraphicsTextItem*>(item);
                        t != nullptr && t->isVisible() && t->toPlainText().startsWith("Uniform"))
                        drawn = t->toPlainText();
                QVERIFY2(drawn.count('\n') + drawn.count(QChar(0x2028)) >= 2, qPrintable(drawn));
                QCOMPARE(squeezed(drawn).remove(QChar(0x2028)), whole);
            }
        }
    }
};

QTEST_MAIN(ViewerFitTest)
#include "viewer_fit_test.moc"
