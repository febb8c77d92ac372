// Legend paging and axis labels as a real X server draws them (run under Xvfb): what the
// chart library lays out there is what a user sees.
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLineSeries>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "gui_test_support.h"
#include "label_fit.h"
#include "viewer/gui/curve_pen.h"

using namespace vorn::viewer;
using vorn::viewer::test::dataFile;
using vorn::viewer::test::Viewer;

namespace {

QPoint toViewport(ChartView* view, QPointF chartPoint) {
    return view->mapFromScene(view->chart()->mapToScene(chartPoint));
}

// Whether a pixel near p (a few px up and down, 8 px to either side, past the gaps of a dashed
// or dotted line) has the colour c.
bool colourNear(const QImage& image, QPoint p, QColor c) {
    for (int dx = -8; dx <= 8; ++dx)
        for (int dy = -3; dy <= 3; ++dy) {
            const QColor got = image.pixelColor(p.x() + dx, p.y() + dy);
            if (std::abs(got.red() - c.red()) < 12 && std::abs(got.green() - c.green()) < 12 &&
                std::abs(got.blue() - c.blue()) < 12)
                return true;
        }
    return false;
}

// Texts of the axis labels and titles that the chart library draws.
QStringList drawnTexts(ChartView* view) {
    QStringList texts;
    for (QGraphicsItem* item : view->scene()->items())
        if (auto* t = dynamic_cast<QGraphicsTextItem*>(item); t != nullptr && t->isVisible())
            if (!t->toPlainText().trimmed().isEmpty()) texts.append(t->toPlainText().trimmed());
    return texts;
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
}

}  // namespace

class XWindowChecks : public QObject {
    Q_OBJECT
private slots:
    void everyCurveOfARunIsDrawnInsideItsChartUnderAWholeTitle() {
        // A run of 21 field values from 10 Td, then one from 0.5 to 2 Td whose storage share
        // falls to -45 % (lines 61-63) under a gas line of 15 components.
        QTemporaryDir dir;
        test::GdtLayout wide;
        wide.fieldValues.clear();
        for (int k = 0; k < 21; ++k) wide.fieldValues.push_back(10 * std::pow(1.25, k));
        test::GdtLayout narrow;
        narrow.fieldValues = {0.5, 1, 2};
        for (int i = 0; i < 15; ++i) narrow.gasLine += std::string(i ? "/" : "") + "G" + std::to_string(10 + i) + " ";
        narrow.gasLine += "=";
        for (int i = 0; i < 15; ++i) narrow.gasLine += std::string(i ? "/" : "") + " 6.67";
        Viewer v;
        TForm1& w = v.form1;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        v.open(test::writeGdt(dir.path(), "wide.gdt", wide));
        v.tickAll(w.CheckListBox2);
        w.setActivePage(2);
        settle();
        v.open(test::writeGdt(dir.path(), "narrow.gdt", narrow, {{61, "-0.45000E+02"}, {62, "-0.12000E+02"}, {63, "-0.10000E+01"}}));
        QCOMPARE(v.dialogs->errors, QStringList());
        for (QListWidget* list : {w.CheckListBox2, w.CheckListBox3}) v.tickAll(list);
        for (int page : {2, 3}) {
            w.setActivePage(page);
            settle();
            QCOMPARE(w.size(), QSize(764, 570));
            ChartView* view = w.Charts[page - 1];
            const ChartModel& model = w.chartModel(page - 1);
            const QImage image = view->viewport()->grab().toImage();
            const QRectF plot = view->chart()->plotArea();
            // Each point of each curve is inside the plot area and drawn in its curve's colour.
            for (size_t i = 1; i < model.series.size(); ++i) {
                QLineSeries* series = view->lineSeries().at(qsizetype(i));
                QVERIFY(series->count() > 0);
                for (const QPointF& p : series->points()) {
                    const QPointF at = view->chart()->mapToPosition(p, series);
                    QVERIFY2(plot.adjusted(-1, -1, 1, 1).contains(at),
                             qPrintable(QString("page %1 curve %2 at %3, %4").arg(page).arg(i).arg(at.x()).arg(at.y())));
                    QVERIFY2(colourNear(image, toViewport(view, at), toColour(model.series[i].colour)),
                             qPrintable(QString("page %1 curve %2").arg(page).arg(i)));
                }
            }
            const QStringList texts = drawnTexts(view);
            const auto title = std::find_if(texts.begin(), texts.end(), [](const QString& t) { return t.startsWith("Uniform"); });
            QVERIFY(title != texts.end());
            QVERIFY2(title->contains("G24") && title->contains("Ne = 0.0E+00 cm(-3)") && !title->contains("..."),
                     qPrintable(*title));
        }
    }

    void legendPagesAreLaidOutAfresh() {
        QTemporaryDir dir;
        test::GdtLayout layout;
        layout.processes = 25;  // 27 rate curves and the heading
        const QString path = test::writeGdt(dir.path(), "many.gdt", layout);

        Viewer v;
        TForm1& w = v.form1;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(764, 570));
        v.open(path);
        v.tickAll(w.CheckListBox2);
        w.setActivePage(2);
        settle();
        ChartView* view = w.Charts[kRateChart];
        const ChartModel& model = w.chartModel(kRateChart);

        // Every row of a page is drawn with its curve's colour, inside the chart.
        QImage image;
        auto checkRows = [&](int firstSeries, int rows) {
            QCOMPARE(view->legendTexts().size(), rows);
            const QRectF legend = view->legendRect();
            QVERIFY(legend.bottom() <= view->chart()->size().height());
            image = view->viewport()->grab().toImage();
            const double rowHeight = legend.height() / rows;
            for (int i = 0; i < rows; ++i) {
                const Series& s = model.series[size_t(firstSeries + i)];
                if (s.heading) continue;  // white on white
                const QPoint at = toViewport(view, {legend.left() + 12, legend.top() + (i + 0.5) * rowHeight});
                QVERIFY2(colourNear(image, at, toColour(s.colour)), qPrintable(QString("row %1").arg(i)));
            }
        };
        checkRows(0, 21);  // the heading and 20 entries
        if (QTest::currentTestFailed()) return;
        const QRectF page1 = view->legendRect();

        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, toViewport(view, page1.center()));
        settle();
        QCOMPARE(model.legendFirst, 20);
        QVERIFY(view->legendTexts().first().startsWith("N2 + E(-) ^ N2(20) + E(-)"));
        checkRows(20, 8);
        if (QTest::currentTestFailed()) return;
        const QImage page2 = image;
        // Nothing of page 1 is left where page 2 does not reach.
        const QRectF now = view->legendRect();
        for (double y = page1.top() + 2; y < page1.bottom(); y += 3) {
            if (y >= now.top() - 2 && y <= now.bottom() + 2) continue;
            for (double x = page1.left() + 2; x < page1.right() - 2; x += 3) {
                const QColor c = page2.pixelColor(toViewport(view, {x, y}));
                QVERIFY2(c.lightness() > 240, qPrintable(QString("stale pixel at %1, %2").arg(x).arg(y)));
            }
        }

        // A smaller window pages by what fits, and still draws every row it shows.
        w.Chart2ClickLegend();
        QCOMPARE(model.legendFirst, 0);
        w.resize(764, 400);
        settle();
        const int fit = view->legendTexts().size();
        QVERIFY2(fit > 1 && fit < 21, qPrintable(QString::number(fit)));
        checkRows(0, fit);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(view->legendPageStep(), fit);
        w.Chart2ClickLegend();
        settle();
        QCOMPARE(model.legendFirst, fit);
        checkRows(fit, std::min(fit, 28 - fit));
    }

    void chart1ShowsEveryFieldValue() {
        QTemporaryDir dir;
        test::GdtLayout layout;
        layout.fieldValues.clear();
        for (int i = 1; i <= 21; ++i) layout.fieldValues.push_back(10.0 * i);
        Viewer v;
        QVERIFY(QTest::qWaitForWindowExposed(&v.form1));
        v.open(test::writeGdt(dir.path(), "fields.gdt", layout));
        v.tickAll(v.form1.CheckListBox1);
        v.form1.setActivePage(1);
        settle();
        const QStringList rows = v.form1.Charts[kDistChart]->legendTexts();
        QCOMPARE(rows.size(), 22);
        QCOMPARE(rows.last(), QString("2.100E+02"));
        v.form1.Chart1ClickLegend();  // all fit: nothing to page
        QCOMPARE(v.form1.chartModel(kDistChart).legendFirst, 0);
    }

    void fieldAxisOfThreeHundredDecades() {
        // The last field value is 1e300 Td, as the solver writes it (E12.5, no exponent letter).
        QTemporaryDir dir;
        test::GdtLayout layout;
        layout.fieldValues = {10, 20, 50};
        Viewer v;
        QVERIFY(QTest::qWaitForWindowExposed(&v.form1));
        v.open(test::writeGdt(dir.path(), "huge.gdt", layout, {{17, " 0.10000+301"}, {39, " 0.10000+301"}}));
        QCOMPARE(v.dialogs->errors, QStringList());
        v.tickAll(v.form1.CheckListBox2);
        v.form1.setActivePage(2);
        settle();
        ChartView* view = v.form1.Charts[kRateChart];
        QVERIFY(view->drawnLabelStep(1) > 1);
        const QStringList texts = drawnTexts(view);
        for (const QString& t : texts) QVERIFY2(!t.contains("...") && !t.contains(QChar(0x2026)), qPrintable(t));
        for (const QString& label : view->drawnLabels(1)) QVERIFY2(texts.contains(label), qPrintable(label));
    }

    void logAxisLabelsAreNeverElided() {
        Viewer v;
        TForm1& w = v.form1;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        v.open(dataFile("n2_mode0.gdt"));
        v.tickAll(w.CheckListBox2);
        w.setActivePage(2);
        QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);
        QTest::mouseClick(w.SpeedButton11, Qt::LeftButton);  // log again, from 1e-30
        settle();
        ChartView* view = w.Charts[kRateChart];
        QCOMPARE(w.chartModel(kRateChart).axes.left.min, 1e-30);

        // The labels drawn with the user's step, or the smallest larger one at which they fit
        // the axis in the font at hand.
        auto checkLabels = [&](int userStep) {
            const int expectedStep = test::fittingLeftLabelStep(view, userStep);
            const QStringList texts = drawnTexts(view);
            for (const QString& t : texts) QVERIFY2(!t.contains("...") && !t.contains(QChar(0x2026)), qPrintable(t));
            const QStringList left = view->drawnLabels(0);
            QVERIFY(left.size() >= 2);
            for (const QString& label : left) {
                QVERIFY2(texts.contains(label), qPrintable(label + " is not drawn"));
                bool number = false;
                label.toDouble(&number);
                QVERIFY2(number, qPrintable(label));
            }
            QCOMPARE(view->drawnLabelStep(0), expectedStep);
            QCOMPARE(left.size(), test::decadeTicks(view->shownRange(0)) / expectedStep);
        };
        // 1e-30 .. 1e-8 in the default window: thinned (every second label in Liberation Sans).
        const int fitting = view->drawnLabelStep(0);
        QVERIFY(test::fittingLeftLabelStep(view, 1) > 1);
        checkLabels(1);
        if (QTest::currentTestFailed()) return;

        // A larger label step of the user's stays; a larger window draws more labels.
        w.LabelStep[kRateChart][0] = fitting + 1;
        w.SpeedButton11Click();
        settle();
        checkLabels(fitting + 1);
        QCOMPARE(view->drawnLabelStep(0), fitting + 1);
        if (QTest::currentTestFailed()) return;
        w.LabelStep[kRateChart][0] = 1;
        w.SpeedButton11Click();
        w.resize(1200, 1000);
        settle();
        checkLabels(1);
        QVERIFY(view->drawnLabelStep(0) < fitting);
    }
};

QTEST_MAIN(XWindowChecks)
#include "xwindow_checks.moc"
