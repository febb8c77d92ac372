#include "viewer/gui/tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/gui/form_fonts.h"
#include "viewer/gui/chart_output_hooks.h"
#include "viewer/gui/chart_view.h"
#include "viewer/gui/intro_pictures.h"
#include "viewer/gui/qt_user_dialogs.h"
#include "viewer/gui/tform2.h"

namespace vorn::viewer {
namespace {

const QString kNotGraphFile = "This *.gdt file is not Vorn output GDT file";
const QString kUseFileMenu = "If this File is located in another directory use File menuitem to open it";

// The path without its last n characters (the extension swap of the two output files).
QString withoutLast(const QString& path, int n) { return path.left(qMax(0, int(path.size()) - n)); }

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, int x, int width,
                        bool checkable) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setGeometry(x, 2, width, 26);
    b->setCheckable(checkable);
    b->setAutoRaise(false);
    return b;
}

}  // namespace

TForm1::TForm1(TForm2* axisDialog, QWidget* parent)
    : QMainWindow(parent), m_axisDialog(axisDialog), m_dialogs(std::make_unique<QtUserDialogs>()) {
    setObjectName("Form1");
    setWindowTitle("Vorn ResultsViewing");
    resize(764, 570);
    move(36, 2);
    vorn::useFormFonts();
    QFont f("MS Sans Serif");
    f.setPointSize(8);
    setFont(f);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    Panel1 = new QFrame(central);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(30);
    Panel1->setFrameShape(QFrame::StyledPanel);
    column->addWidget(Panel1);
    Panel2 = new QWidget(central);
    Panel2->setObjectName("Panel2");
    column->addWidget(Panel2, 1);

    buildMenus();
    buildToolbar();
    buildIntro();
    buildPages();

    StartDir = QDir::currentPath();
    ShowIntroText();
    for (QToolButton* b : SeriesButtons) b->hide();
    SpeedButton13->hide();
    showSeriesPage();
    for (auto& step : LabelStep) step = {1, 1};
    Loaded = false;
    CaseCount = ProcessCount = FieldValueCount = PointCount = 0;
    View1->menuAction()->setVisible(false);
    Save1->setEnabled(false);
    Print1->setEnabled(false);
    Export1->setEnabled(false);
    for (int c = 0; c < kChartCount; ++c) {
        m_charts[c].index = c;
        m_charts[c].axes = designAxes(c);
        Charts[c]->showModel(m_charts[c], true, {1, 1}, numberStyle());
    }
}

TForm1::~TForm1() = default;

void TForm1::setDialogs(std::unique_ptr<UserDialogs> dialogs) { m_dialogs = std::move(dialogs); }

NumberStyle TForm1::numberStyle() const {
    const QLocale locale;
    NumberStyle style;
    style.decimalPoint = locale.decimalPoint().at(0).toLatin1();
    style.groupSeparator = locale.groupSeparator().isEmpty() ? ',' : locale.groupSeparator().at(0).toLatin1();
    if (style.decimalPoint == 0) style.decimalPoint = '.';
    if (style.groupSeparator == 0) style.groupSeparator = ' ';
    return style;
}

void TForm1::buildMenus() {
    File1 = menuBar()->addMenu("File");
    Open1 = File1->addAction("Open");
    Save1 = File1->addAction("Save");
    Print1 = File1->addAction("Print");
    Export1 = File1->addAction("Export");
    File1->addSeparator();
    Exit1 = File1->addAction("Exit");
    View1 = menuBar()->addMenu("View Mode");
    Graphics1 = View1->addAction("Graphics");
    Listing1 = View1->addAction("Listing");
    Graphics1->setCheckable(true);
    Graphics1->setChecked(true);
    Listing1->setCheckable(true);
    Open1->setObjectName("Open1");
    Save1->setObjectName("Save1");
    Print1->setObjectName("Print1");
    Export1->setObjectName("Export1");
    Exit1->setObjectName("Exit1");
    Graphics1->setObjectName("Graphics1");
    Listing1->setObjectName("Listing1");
    // An exception must not cross the host's event loop: it is shown and the window goes on.
    const auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] {
            try {
                (this->*handler)();
            } catch (const std::exception& e) {
                m_dialogs->error(this, QString::fromLocal8Bit(e.what()));
            }
        };
    };
    connect(Open1, &QAction::triggered, this, guarded(&TForm1::Open1Click));
    connect(Save1, &QAction::triggered, this, guarded(&TForm1::Save1Click));
    connect(Print1, &QAction::triggered, this, guarded(&TForm1::Print1Click));
    connect(Export1, &QAction::triggered, this, guarded(&TForm1::Export1Click));
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    // The menu toggles the check mark itself before the handler runs.
    connect(Graphics1, &QAction::triggered, this, guarded(&TForm1::Graphics1Click));
    connect(Listing1, &QAction::triggered, this, guarded(&TForm1::Listing1Click));
}

void TForm1::buildToolbar() {
    QToolButton** series[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4,
                              &SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton8,
                              &SpeedButton9, &SpeedButton10};
    for (int b = 0; b < 10; ++b) {
        const QByteArray name = "SpeedButton" + QByteArray::number(b + 1);
        *series[b] = toolButton(Panel1, name.constData(), QString::number(b + 1), 400 + 30 * b, 30, true);
        SeriesButtons[b] = *series[b];
    }
    SpeedButton11 = toolButton(Panel1, "SpeedButton11", "logY", 240, 35, true);
    SpeedButton12 = toolButton(Panel1, "SpeedButton12", "LogX", 275, 35, true);
    SpeedButton13 = toolButton(Panel1, "SpeedButton13", "<->", 710, 30, true);
    SpeedButton14 = toolButton(Panel1, "SpeedButton14", "MinMaxY", 140, 50, false);
    SpeedButton15 = toolButton(Panel1, "SpeedButton15", "MinMaxX", 190, 50, false);
    for (QToolButton* b : {SpeedButton11, SpeedButton12, SpeedButton14, SpeedButton15}) b->hide();
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    for (int b = 2; b < 10; ++b)
        connect(SeriesButtons[b], &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    connect(SpeedButton12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
    connect(SpeedButton13, &QToolButton::clicked, this, &TForm1::SpeedButton13Click);
    connect(SpeedButton14, &QToolButton::clicked, this, &TForm1::SpeedButton14Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TForm1::SpeedButton15Click);
}

void TForm1::buildIntro() {
    auto* grid = new QGridLayout(Panel2);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* intro = new QWidget(Panel2);
    intro->setObjectName("IntroPane");
    RichEdit2 = new QTextEdit(intro);
    RichEdit2->setObjectName("RichEdit2");
    RichEdit2->setGeometry(16, 16, 724, 169);
    RichEdit2->setFrameShape(QFrame::NoFrame);
    RichEdit2->setReadOnly(true);
    // Read-only without interaction rather than disabled, which would grey the text.
    RichEdit2->setTextInteractionFlags(Qt::NoTextInteraction);
    RichEdit2->setFocusPolicy(Qt::NoFocus);
    QPalette p = RichEdit2->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    RichEdit2->setPalette(p);
    Image1 = new QLabel(intro);
    Image1->setObjectName("Image1");
    Image1->setGeometry(4, 200, 371, 230);
    Image1->setPixmap(distributionPicture(QSize(371, 230)));
    Image2 = new QLabel(intro);
    Image2->setObjectName("Image2");
    Image2->setGeometry(380, 200, 371, 230);
    Image2->setPixmap(rateConstantPicture(QSize(371, 230)));
    grid->addWidget(intro, 0, 0);
}

void TForm1::ShowIntroText() {
    const QString html =
        "<div align=\"center\" style=\"color:#0000ff; font-family:'Times New Roman'; font-size:16pt\">"
        "<br><span style=\"font-size:32px\">This subprogram is used for results viewing</span><br><br>"
        "<span style=\"color:#ff0000; font-style:italic; text-decoration:underline; font-size:18px\">" +
        QString("To start viewing choose  *.gdt  or  *.lst  file using File\\Open MenuItem")
            .toHtmlEscaped()
            .replace("  ", "&nbsp;&nbsp;") +
        "</span><br></div>";
    RichEdit2->setHtml(html);
}

void TForm1::buildPages() {
    PageControl1 = new QTabWidget(Panel2);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setAutoFillBackground(true);
    // Eight captions share the window's width, as on the original form.
    QFont tabFont = PageControl1->font();
    tabFont.setPixelSize(11);
    PageControl1->tabBar()->setFont(tabFont);
    // On the tab bar only, so the pages keep the plain style and their palettes.
    PageControl1->tabBar()->setStyleSheet("QTabBar::tab { padding: 3px 5px; }");
    static_cast<QGridLayout*>(Panel2->layout())->addWidget(PageControl1, 0, 0);
    const char* captions[] = {"Configuring",          "Vorn",          "Rate Constants",
                              "Power Partition",      "Mean and Charact. energies",
                              "Diffusion coeff.",     "Drift velocity", "Listing"};
    for (int i = 0; i < 8; ++i) {
        TabSheets[i] = new QWidget();
        TabSheets[i]->setObjectName(QString("TabSheet%1").arg(i));
        PageControl1->addTab(TabSheets[i], captions[i]);
    }
    buildConfiguringPage(TabSheets[0]);
    for (int c = 0; c < kChartCount; ++c) {
        auto* layout = new QVBoxLayout(TabSheets[c + 1]);
        layout->setContentsMargins(0, 0, 0, 0);
        Charts[c] = new ChartView(TabSheets[c + 1]);
        Charts[c]->setObjectName(QString("Chart%1").arg(c + 1));
        layout->addWidget(Charts[c]);
        connect(Charts[c], &ChartView::axisDoubleClicked, this,
                [this, c](int axis) { Chart1ClickAxis(c, axis); });
    }
    connect(Charts[kDistChart], &ChartView::legendClicked, this, &TForm1::Chart1ClickLegend);
    connect(Charts[kRateChart], &ChartView::legendClicked, this, &TForm1::Chart2ClickLegend);
    connect(Charts[kPowerChart], &ChartView::legendClicked, this, &TForm1::Chart3ClickLegend);
    auto* listingLayout = new QVBoxLayout(TabSheets[7]);
    listingLayout->setContentsMargins(0, 0, 0, 0);
    RichEdit1 = new QPlainTextEdit(TabSheets[7]);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont courier("Courier");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(13);
    RichEdit1->setFont(courier);
    listingLayout->addWidget(RichEdit1);
    PageControl1->setCurrentIndex(0);
    PageControl1->hide();
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
}

int TForm1::activePage() const { return PageControl1->currentIndex(); }

int TForm1::activeChart() const {
    const int page = activePage();
    return page >= 1 && page <= 6 ? page - 1 : -1;
}

void TForm1::setActivePage(int page) {
    {
        const QSignalBlocker block(PageControl1);
        PageControl1->setCurrentIndex(page);
    }
    PageControl1Change();
}

void TForm1::setTabVisible(int page, bool visible) {
    const QSignalBlocker block(PageControl1);
    PageControl1->setTabVisible(page, visible);
}

void TForm1::showGraphTabs(bool visible) {
    for (int page = 0; page <= 6; ++page) setTabVisible(page, visible);
}

void TForm1::showPanel2AsPages() {
    // The button face as Panel2's window colour rather than as its background role: children
    // inherit a background role, which would paint the coloured panels in the button face too.
    QPalette face = Panel2->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    Panel2->setPalette(face);
    Panel2->setAutoFillBackground(true);
    PageControl1->show();
}

void TForm1::Open1Click() {
    FileDialogSpec request;
    request.title = "Open Vorn output files";
    request.directory = StartDir;
    request.nameFilters = {"Graphic files (*.gdt)", "Listing files (*.lst)"};
    request.defaultSuffix = "gdt";
    const FileChoice choice = m_dialogs->openFile(this, request);
    if (!choice.accepted) return;

    View1->menuAction()->setVisible(true);
    if (choice.filterIndex != 2) {
        Listing1->setChecked(false);
        Graphics1->setChecked(true);
        setTabVisible(7, Listing1->isChecked());
        const QString previous[4] = {GdtPath, LstPath, BasePath, windowTitle()};
        GdtPath = choice.path;
        LstPath = withoutLast(GdtPath, 3) + "lst";
        BasePath = withoutLast(GdtPath, 4);
        setWindowTitle("Vorn ResultsViewing:  " + BasePath);
        if (ReadGraphFile()) {
            showPanel2AsPages();
            showGraphTabs(true);
        } else {
            const QString message = readFailureMessage();
            // The run on show stays, and so do the paths that belong to it.
            GdtPath = previous[0], LstPath = previous[1], BasePath = previous[2];
            setWindowTitle(previous[3]);
            m_dialogs->error(this, message);
        }
        return;
    }
    Listing1->setChecked(true);
    Graphics1->setChecked(false);
    Print1->setEnabled(true);
    showPanel2AsPages();
    showGraphTabs(false);
    setTabVisible(7, true);
    // Through the page change, so the chart page's toolbar buttons and Save/Export go.
    setActivePage(7);
    LstPath = choice.path;
    GdtPath = withoutLast(LstPath, 3) + "gdt";
    BasePath = withoutLast(GdtPath, 4);
    setWindowTitle("Vorn Graph: " + BasePath);
    RichEdit1->clear();
    if (QFileInfo::exists(LstPath)) {
        loadListing();
    } else {
        RichEdit1->appendPlainText("File " + LstPath + " is absent");
        RichEdit1->appendPlainText(kUseFileMenu);
    }
}

QString TForm1::readFailureMessage() const {
    if (m_lastReadKind == ReadErrorKind::NoCase)
        return "The run that wrote " + GdtPath + " computed no case: there is nothing to draw.\n"
               "The reason is in its listing " + withoutLast(GdtPath, 3) + "lst";
    return kNotGraphFile + "\n" + m_lastReadError;
}

void TForm1::Listing1Click() {
    if (Listing1->isChecked() && QFileInfo::exists(LstPath)) {
        PageControl1->show();
        setTabVisible(7, true);
        setActivePage(7);
        loadListing();
        return;
    }
    if (!QFileInfo::exists(LstPath)) m_dialogs->error(this, "File " + LstPath + " is absent. " + kUseFileMenu);
    Listing1->setChecked(false);
    setTabVisible(7, false);
    setActivePage(0);
    if (!Graphics1->isChecked()) PageControl1->hide();
}

void TForm1::Graphics1Click() {
    if (Graphics1->isChecked() && QFileInfo::exists(GdtPath)) {
        if (ReadGraphFile()) {
            PageControl1->show();
            Panel1->show();
            showGraphTabs(true);
        } else {
            m_dialogs->error(this, readFailureMessage());
        }
        return;
    }
    if (!QFileInfo::exists(GdtPath)) m_dialogs->error(this, "File " + GdtPath + " is absent. " + kUseFileMenu);
    Graphics1->setChecked(false);
    Panel1->hide();
    showGraphTabs(false);
    if (!Listing1->isChecked()) PageControl1->hide();
}

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
    setActivePage(0);
    PageControl1->hide();
    event->accept();  // the window only hides; data, paths and check marks stay
}

OutputContext TForm1::outputContext() {
    OutputContext context;
    context.window = this;
    context.dialogs = m_dialogs.get();
    context.startDir = StartDir;
    context.activePage = activePage();
    const int c = activeChart();
    if (c >= 0) {
        context.chartView = Charts[c];
        context.chart = &m_charts[c];
    }
    context.listing = RichEdit1;
    return context;
}

void TForm1::Print1Click() { printActivePage(outputContext()); }

// The context holds the chart active when the command was chosen; while the file dialog is
// open a timer or another window may change the page, so the page is looked at again after it.
void TForm1::runChartOutput(void (*command)(const OutputContext&)) {
    if (activeChart() < 0) return;
    command(outputContext());
    if (activeChart() >= 0) redraw(activeChart());
}

void TForm1::Save1Click() { runChartOutput(saveChartPicture); }
void TForm1::Export1Click() { runChartOutput(exportChartTable); }

}  // namespace vorn::viewer
