// Reading a graph-data file or a listing into the viewer window. A graph-data file is read
// into a fresh object; only a complete, well-formed file replaces the run on show.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "viewer/core/file_input.h"
#include "viewer/gui/chart_text.h"
#include "viewer/gui/chart_view.h"
#include "viewer/gui/tform1.h"
#include "viewer/gui/user_dialogs.h"

namespace vorn::viewer {
namespace {

void fillCheckList(QListWidget* list, const std::vector<std::string>& rows) {
    const QSignalBlocker block(list);
    list->clear();
    for (const std::string& row : rows) {
        auto* item = new QListWidgetItem(QString::fromStdString(row), list);
        // The lists are narrower than a process name; the tooltip shows it whole.
        item->setToolTip(toolTipText(row));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

}  // namespace

void TForm1::readStepOneEffects() {
    Panel1->show();
    {
        const QSignalBlocker block(PageControl1);
        PageControl1->setCurrentIndex(0);
    }
    for (QToolButton* b : {SpeedButton11, SpeedButton12, SpeedButton14, SpeedButton15}) b->hide();
    for (QToolButton* b : SeriesButtons) {
        b->setToolTip(QString());
        b->setProperty("hint", QString());
        b->hide();
    }
}

bool TForm1::ReadGraphFile() {
    readStepOneEffects();
    ReadResult result = readGraphFile(QFile::encodeName(GdtPath).toStdString());
    const bool read = result.data.has_value();
    if (read) {
        m_lastReadError.clear();
        m_lastReadKind = ReadErrorKind::Malformed;
        m_data = std::move(*result.data);
        applyReadToWindow();
        Loaded = true;
    } else {
        m_lastReadError = QString::fromStdString(describe(result.error));
        m_lastReadKind = result.error.kind;
    }
    // Step 1 made "Configuring" the page shown: toolbar and menu follow it.
    PageControl1Change();
    return read;
}

void TForm1::applyReadToWindow() {
    const GraphData& d = m_data;
    FieldLine = QString::fromStdString(d.fieldLine);
    GasLine = QString::fromStdString(d.gasLine);
    ConditionsLine = QString::fromStdString(d.conditionsLine);
    FieldMode = d.fieldMode;
    PointCount = d.pointCount;
    FieldValueCount = d.fieldValueCount;
    ProcessCount = d.processCount;
    CaseCount = d.caseCount;
    Accuracy = d.accuracy;
    Intervals = d.intervals;
    StartTe = d.startTe;

    const NumberStyle style = numberStyle();
    m_texts = buildTexts(d, style);
    Label1->setText(FieldLine);
    showGasLine();
    Label3->setText(ConditionsLine);
    for (int i = 0; i < 3; ++i) PageControl1->setTabText(4 + i, QString::fromStdString(m_texts.pageCaptions[i]));
    Panel4->setText(QString::fromStdString(m_texts.fieldHeading));
    fillCheckList(CheckListBox1, m_texts.fieldRows);
    fillCheckList(CheckListBox2, m_texts.rateRows);
    fillCheckList(CheckListBox3, m_texts.powerRows);

    // Legend pages stay where the user left them; the axes are fitted to the new run.
    std::array<int, kChartCount> legendFirst;
    for (int c = 0; c < kChartCount; ++c) legendFirst[c] = m_charts[c].legendFirst;
    m_charts = buildCharts(d, m_texts);
    for (int c = 0; c < kChartCount; ++c) m_charts[c].legendFirst = legendFirst[c];
    for (int c = 0; c < kChartCount; ++c) Charts[c]->showModel(m_charts[c], true, LabelStep[c], style);

    Panel15->setText(QString::fromStdString(m_texts.intervals));
    Panel16->setText(QString::fromStdString(m_texts.accuracy));
    Panel22->setText(QString::fromStdString(m_texts.startTe));
    Panel21->setVisible(m_texts.maxwellian);
    {
        const QSignalBlocker block(CheckListBox1);
        CheckListBox1->setCurrentRow(0);
    }
    showCaseSummary(0);
}

void TForm1::loadListing() {
    RichEdit1->clear();
    const ListingRead listing = readListingFile(QFile::encodeName(LstPath).toStdString());
    // The listing is plain text; column 1 holds the control characters, shown as they are.
    if (listing.ok)
        RichEdit1->setPlainText(QString::fromLatin1(listing.text.data(), qsizetype(listing.text.size())));
    else
        m_dialogs->error(this, QFile::decodeName(QByteArray::fromStdString(listing.error)));
}

}  // namespace vorn::viewer
