// The "Configuring" page of the viewer window: header lines, the three check lists and the
// values of the selected case.
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "viewer/core/title_layout.h"
#include "viewer/gui/tform1.h"

namespace vorn::viewer {
namespace {

QLabel* panelLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
    label->setMinimumHeight(20);
    return label;
}

QFont times(int px) {
    QFont f("Times New Roman");
    f.setPixelSize(px);
    return f;
}

QListWidget* checkList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    QFont f = list->font();
    f.setPixelSize(13);
    list->setFont(f);
    return list;
}

}  // namespace

void TForm1::buildConfiguringPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    auto* panel3 = new QWidget(page);
    panel3->setObjectName("Panel3");
    auto* header = new QGridLayout(panel3);
    Label1 = new QLabel(panel3);
    Label1->setObjectName("Label1");
    Label1->setFont(times(16));
    Label2 = new QLabel(panel3);
    Label2->setObjectName("Label2");
    Label2->setFont(times(13));
    Label3 = new QLabel(panel3);
    Label3->setObjectName("Label3");
    for (QLabel* l : {Label1, Label2, Label3}) l->setTextFormat(Qt::PlainText);
    // The gas line takes the width it is given and is broken to fit it (showGasLine), so
    // that a long one never widens the window.
    Label2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Label2->installEventFilter(this);
    header->addWidget(Label1, 0, 0, 1, 3);
    header->addWidget(Label2, 1, 0, 1, 2);
    header->addWidget(Label3, 1, 2);
    SpeedButton16 = new QToolButton(panel3);
    SpeedButton16->setObjectName("SpeedButton16");
    SpeedButton16->setText("<");
    SpeedButton17 = new QToolButton(panel3);
    SpeedButton17->setObjectName("SpeedButton17");
    SpeedButton17->setText(">");
    Label4 = new QLabel("Select square boxes to specify desired  Data for Graphic Plotting", panel3);
    Label4->setObjectName("Label4");
    Label4->setFont(times(16));
    Label4->setStyleSheet("color: blue");
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(SpeedButton16);
    buttons->addWidget(SpeedButton17);
    buttons->addSpacing(20);
    buttons->addWidget(Label4, 1);
    header->addLayout(buttons, 2, 0, 1, 3);
    layout->addWidget(panel3);

    auto* groups = new QHBoxLayout();
    layout->addLayout(groups, 1);
    const QColor face = palette().color(QPalette::Button);
    const QColor aqua(0, 255, 255);

    GroupBox0 = new QGroupBox("Numerical Parameters", page);
    GroupBox0->setObjectName("GroupBox0");
    auto* numbers = new QGridLayout(GroupBox0);
    Panel0 = panelLabel(GroupBox0, "Panel0", "E/N=5", face);
    numbers->addWidget(Panel0, 0, 0, 1, 2);
    numbers->addWidget(panelLabel(GroupBox0, "PanelInput", "Input Parameters", face), 1, 0, 1, 2);
    numbers->addWidget(panelLabel(GroupBox0, "PanelRange", "Energy Range, eV ", face), 2, 0);
    numbers->addWidget(panelLabel(GroupBox0, "PanelIntervals", "Intervals Number", face), 3, 0);
    numbers->addWidget(panelLabel(GroupBox0, "PanelConvergence", "Convergence Accuracy", face), 4, 0);
    numbers->addWidget(panelLabel(GroupBox0, "PanelCalculation", "Accuracy of Calculation", face), 5, 0, 1, 2);
    numbers->addWidget(panelLabel(GroupBox0, "PanelBalance", "Power Balance Accuracy, %", face), 6, 0);
    numbers->addWidget(panelLabel(GroupBox0, "PanelEe", "e-e Power Discrepancy, %", face), 7, 0);
    Panel14 = panelLabel(GroupBox0, "Panel14", "", aqua);
    Panel15 = panelLabel(GroupBox0, "Panel15", "", aqua);
    Panel16 = panelLabel(GroupBox0, "Panel16", "", aqua);
    Panel17 = panelLabel(GroupBox0, "Panel17", "", aqua);
    Panel18 = panelLabel(GroupBox0, "Panel18", "", aqua);
    for (QLabel* value : {Panel14, Panel15, Panel16, Panel17, Panel18}) value->setFixedWidth(70);
    for (QLabel* result : {Panel17, Panel18}) result->setWordWrap(true);  // "not converged"
    numbers->addWidget(Panel14, 2, 1);
    numbers->addWidget(Panel15, 3, 1);
    numbers->addWidget(Panel16, 4, 1);
    numbers->addWidget(Panel17, 6, 1);
    numbers->addWidget(Panel18, 7, 1);
    Panel21 = new QFrame(GroupBox0);
    Panel21->setObjectName("Panel21");
    Panel21->setAutoFillBackground(true);
    QPalette olive = Panel21->palette();
    olive.setColor(QPalette::Window, QColor(128, 128, 0));
    Panel21->setPalette(olive);
    auto* maxwell = new QVBoxLayout(Panel21);
    Panel20 = panelLabel(Panel21, "Panel20", "Maxwellian Vorn Calculations", face);
    Panel22 = panelLabel(Panel21, "Panel22", "", aqua);
    maxwell->addWidget(Panel20);
    maxwell->addWidget(Panel22);
    numbers->addWidget(Panel21, 8, 0, 1, 2);
    numbers->setColumnStretch(0, 1);
    numbers->setRowStretch(9, 1);
    GroupBox0->setFixedWidth(265);
    groups->addWidget(GroupBox0);

    auto listGroup = [&](QGroupBox*& box, QLabel*& heading, QListWidget*& list, const char* boxName,
                         const char* title, const char* headingName, const char* headingText,
                         const char* listName, int stretch) {
        box = new QGroupBox(title, page);
        box->setObjectName(boxName);
        auto* v = new QVBoxLayout(box);
        heading = panelLabel(box, headingName, headingText, face);
        list = checkList(box, listName);
        v->addWidget(heading);
        v->addWidget(list, 1);
        groups->addWidget(box, stretch);
    };
    listGroup(GroupBox1, Panel4, CheckListBox1, "GroupBox1", "Vorn", "Panel4", "E/N, Td", "CheckListBox1", 0);
    GroupBox1->setFixedWidth(135);
    listGroup(GroupBox2, Panel5, CheckListBox2, "GroupBox2", "Rate Constants", "Panel5", "Reactions:", "CheckListBox2", 1);
    listGroup(GroupBox3, Panel6, CheckListBox3, "GroupBox3", "Power Partition", "Panel6", "Reactions:", "CheckListBox3", 1);

    connect(CheckListBox1, &QListWidget::currentRowChanged, this, &TForm1::CheckListBox1Click);
    connect(SpeedButton16, &QToolButton::clicked, this, &TForm1::SpeedButton16Click);
    connect(SpeedButton17, &QToolButton::clicked, this, &TForm1::SpeedButton17Click);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2 && event->type() == QEvent::Resize) showGasLine();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showGasLine() {
    const QFontMetricsF metrics(Label2->font());
    const double room = Label2->contentsRect().width() - 1;
    QStringList lines;
    const auto width = [&](const std::string& t) { return metrics.horizontalAdvance(QString::fromStdString(t)); };
    for (const std::string& line : wrapText(GasLine.toStdString(), std::max(room, 1.0), width))
        lines.append(QString::fromStdString(line));
    const QString text = lines.join('\n');
    if (Label2->text() != text) Label2->setText(text);
}

void TForm1::showCaseSummary(int row) {
    const CaseSummary s = caseSummary(m_data, m_texts, row, numberStyle());
    Panel0->setText(QString::fromStdString(s.fieldValue));
    Panel14->setText(QString::fromStdString(s.energyRange));
    Panel17->setText(QString::fromStdString(s.balanceAccuracy));
    Panel18->setText(QString::fromStdString(s.eeDiscrepancy));
}

void TForm1::CheckListBox1Click() {
    const int row = CheckListBox1->currentRow();
    if (row >= 0) showCaseSummary(row);
}

void TForm1::SpeedButton16Click() {
    const int row = CheckListBox1->currentRow();
    if (row > 0) {
        const QSignalBlocker block(CheckListBox1);
        CheckListBox1->setCurrentRow(row - 1);
    }
    CheckListBox1Click();
}

void TForm1::SpeedButton17Click() {
    const int row = CheckListBox1->currentRow();
    if (row < CheckListBox1->count() - 1) {
        const QSignalBlocker block(CheckListBox1);
        CheckListBox1->setCurrentRow(row + 1);
    }
    CheckListBox1Click();
}

}  // namespace vorn::viewer
