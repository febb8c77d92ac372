#include "check_list.h"
#include "tform4.h"
#include "welcome_text.h"
#include "whole_area_radio_button.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>

// The pages are laid out at fixed positions, as in the window's form; the f-or-H
// box is moved beside the chosen field type at run time.

namespace {

template <typename W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title, QRect geometry)
{
    auto* box = named(new QGroupBox(title, parent), name);
    box->setGeometry(geometry);
    return box;
}

// A heading panel above a list, like "List of gases".
QLabel* headingPanel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* panel = named(new QLabel(text, parent), name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setGeometry(geometry);
    return panel;
}

void setColumn0(Grid* grid, const QStringList& texts)
{
    for (int r = 0; r < texts.size(); ++r)
        grid->setCellText(r, 0, texts[r]);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

const QStringList kProgramParameterNames = {"Start Te,  K", "Accuracy", "Grid Size",
                                            "Max Iter. Number"};

}  // namespace

void TForm4::buildMenus()
{
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("File1");
    Load1 = named(file->addAction("Load"), "Load1");
    Save1 = named(file->addAction("Save"), "Save1");
    // The setup store is present but cannot be reached: both items stay disabled.
    Load1->setEnabled(false);
    Save1->setEnabled(false);
    SetDataBankDirectory1 =
        named(file->addAction("Change DataBank Directory"), "SetDataBankDirectory1");
    named(file->addSeparator(), "Separator1");
    Exit1 = named(file->addAction("Exit"), "Exit1");
    Start1 = named(menuBar()->addAction("Program"), "Start1");
    View1 = named(menuBar()->addAction("Results Viewing"), "View1");
    View2 = named(menuBar()->addAction("Cross-Sections Viewing"), "View2");
    named(menuBar(), "MainMenu1");
}

void TForm4::buildWelcomeState()
{
    auto* central = new QWidget(this);
    auto* layout = new QGridLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = named(new QWidget(central), "Panel1");
    Panel1->setFixedHeight(31);
    auto* panel1Layout = new QGridLayout(Panel1);
    Label11 = named(new QLabel("Choose MenuItem To Start", Panel1), "Label11");
    Label11->setStyleSheet("color: red; font-weight: bold;");
    panel1Layout->addWidget(Label11, 0, 0, Qt::AlignCenter);
    layout->addWidget(Panel1, 0, 0);

    Panel2 = named(new QWidget(central), "Panel2");
    auto* panel2Layout = new QGridLayout(Panel2);
    panel2Layout->setContentsMargins(0, 0, 0, 0);
    RichEdit1 = named(new QTextEdit(Panel2), "RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setEnabled(false);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    QPalette menuColour = RichEdit1->palette();
    menuColour.setColor(QPalette::Base, palette().color(QPalette::Window));
    menuColour.setColor(QPalette::Disabled, QPalette::Base, palette().color(QPalette::Window));
    RichEdit1->setPalette(menuColour);
    ShowWelcomeText(RichEdit1);
    panel2Layout->addWidget(RichEdit1);
    layout->addWidget(Panel2, 1, 0);

    // The page control lies over the welcome text once a data bank is loaded.
    PageControl1 = named(new QTabWidget(central), "PageControl1");
    TabSheet1 = named(buildMixturePage(), "TabSheet1");
    TabSheet2 = named(buildParameterPage(), "TabSheet2");
    TabSheet3 = named(buildSummaryPage(), "TabSheet3");
    PageControl1->addTab(TabSheet1, "Gas mixture choice");
    PageControl1->addTab(TabSheet2, "Electric Field and Program parameters");
    PageControl1->addTab(TabSheet3, "Summary / Execute");
    // Opaque, so that the welcome text does not show beside the tabs in a wide window.
    PageControl1->setAutoFillBackground(true);
    PageControl1->hide();
    PageControl1->setEnabled(false);
    layout->addWidget(PageControl1, 1, 0);
    setCentralWidget(central);
}

QWidget* TForm4::buildMixturePage()
{
    auto* page = new QWidget;

    QGroupBox* gases = group(page, "GroupBox1", "Gases", {8, 4, 250, 416});
    headingPanel(gases, "Panel3", "List of gases", {6, 20, 238, 24});
    CheckListBox1 = named(new CheckList(gases), "CheckListBox1");
    CheckListBox1->setGeometry(6, 48, 238, 360);
    CheckListBox1->setItemHeight(16);

    QGroupBox* reactions = group(page, "GroupBox2", "Reactions", {266, 4, 390, 236});
    Panel5 = headingPanel(reactions, "Panel5", "Gas:", {6, 20, 378, 24});
    CheckListBox2 = named(new CheckList(reactions), "CheckListBox2");
    CheckListBox2->setGeometry(6, 48, 378, 180);
    CheckListBox2->setItemHeight(20);

    QGroupBox* concentrations =
        group(page, "GroupBox3", "Relative Concentrations", {266, 246, 250, 174});
    Panel6 = headingPanel(concentrations, "Panel6", "Gas:", {6, 20, 238, 24});
    StringGrid1 = named(new Grid(1, 2, 1, 0, concentrations), "StringGrid1");
    StringGrid1->setGeometry(6, 48, 238, 120);
    StringGrid1->setColumnWidths({110, 110});
    StringGrid1->setDefaultRowHeight(21);
    StringGrid1->hide();

    QGroupBox* summary = group(page, "GroupBox4", "Summary", {664, 4, 236, 236});
    headingPanel(summary, "Panel4", "Relative Concentrations", {6, 20, 224, 24});
    StringGrid2 = named(new Grid(1, 2, 2, 0, summary), "StringGrid2");
    StringGrid2->setGeometry(6, 48, 224, 180);
    StringGrid2->setColumnWidths({90, 90});
    StringGrid2->setDefaultRowHeight(21);

    QGroupBox* mixture = group(page, "GroupBox5", "Mixture Parameters", {524, 246, 376, 110});
    StringGrid3 = named(new Grid(3, 2, 1, 0, mixture), "StringGrid3");
    StringGrid3->setGeometry(8, 24, 284, 76);
    StringGrid3->setColumnWidths({140, 140});
    StringGrid3->setDefaultRowHeight(24);
    StringGrid3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColumn0(StringGrid3, {"Gas Temperature, K", "Gas Pressure, Torr", "Electron Conc., cm-3"});
    return page;
}

QWidget* TForm4::buildParameterPage()
{
    auto* page = new QWidget;

    RadioGroup1 = group(page, "RadioGroup1", "Electric Field Type", {8, 4, 165, 104});
    FieldTypeButtons = new QButtonGroup(this);
    const QStringList fieldTypes = {"Direct", "High frequency", "Direct + _I_ Magnetic"};
    for (int i = 0; i < fieldTypes.size(); ++i) {
        auto* button = new WholeAreaRadioButton(fieldTypes[i], RadioGroup1);
        button->setGeometry(10, 22 + 26 * i, 150, 22);
        FieldTypeButtons->addButton(button, i);
    }
    FieldTypeButtons->button(0)->setChecked(true);

    StringGrid4 = named(new Grid(1, 2, 1, 0, page), "StringGrid4");
    StringGrid4->setGeometry(177, 40, 129, 28);
    StringGrid4->setColumnWidths({62, 62});
    StringGrid4->setDefaultRowHeight(24);
    StringGrid4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid4->hide();

    QGroupBox* program = group(page, "GroupBox6", "Program Parameters", {8, 116, 300, 134});
    StringGrid6 = named(new Grid(4, 2, 1, 0, program), "StringGrid6");
    StringGrid6->setGeometry(8, 24, 248, 100);
    StringGrid6->setColumnWidths({122, 122});
    StringGrid6->setDefaultRowHeight(24);
    StringGrid6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid6->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColumn0(StringGrid6, kProgramParameterNames);

    RadioGroup2 = group(page, "RadioGroup2", "Output Text Information Mode", {8, 258, 300, 50});
    OutputModeButtons = new QButtonGroup(this);
    const QStringList modes = {"Brief", "Full"};
    for (int i = 0; i < modes.size(); ++i) {
        auto* button = new WholeAreaRadioButton(modes[i], RadioGroup2);
        button->setGeometry(10 + 145 * i, 22, 130, 22);
        OutputModeButtons->addButton(button, i);
    }
    OutputModeButtons->button(0)->setChecked(true);

    CheckBox1 = named(new QCheckBox("Maxwellian Vorn Calculations", page), "CheckBox1");
    CheckBox1->setGeometry(12, 314, 296, 22);
    CheckBox1->setToolTip("Kinetic coefficients will be calculated with f(u)=Aexp(-u/ Sart Te)");

    QGroupBox* output = group(page, "GroupBox7", "Output Files", {8, 342, 300, 78});
    SpeedButton2 = named(new QPushButton("Set  Directory/FileName", output), "SpeedButton2");
    SpeedButton2->setGeometry(8, 20, 284, 24);
    ComboBox1 = named(new QComboBox(output), "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // The name is used as typed: no inline completion, and no item (matched
    // without regard to case) put in its place when the box loses the focus or
    // Enter is pressed. Without a completer the box matches items by case.
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setGeometry(8, 48, 284, 24);
    ComboBox1->addItem("Tmp");

    StringGrid5 = named(new Grid(22, 3, 1, 1, page), "StringGrid5");
    StringGrid5->setGeometry(320, 4, 312, 416);
    StringGrid5->setColumnWidths({40, 125, 125});
    StringGrid5->setDefaultRowHeight(19);
    StringGrid5->resize(StringGrid5->width(), StringGrid5->heightShowingAllRows());
    StringGrid5->setCommitOnAnyKeyWithoutEditor(true);
    StringGrid5->setCellText(0, 1, "E/N,  Td");
    StringGrid5->setCellText(0, 2, "Energy range, eV");
    return page;
}

QWidget* TForm4::buildSummaryPage()
{
    auto* page = new QWidget;

    QGroupBox* mixture = group(page, "GroupBox8", "Gas Mixture Parameters", {8, 4, 270, 416});
    mixture->setStyleSheet("QGroupBox { color: blue; }");
    StringGrid8 = named(new Grid(3, 2, 0, 0, mixture), "StringGrid8");
    StringGrid8->setGeometry(8, 24, 254, 67);
    StringGrid8->setColumnWidths({140, 110});
    StringGrid8->setDefaultRowHeight(21);
    StringGrid8->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid8->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid8->setFocusPolicy(Qt::NoFocus);
    StringGrid8->setSummaryLook(false);
    setColumn0(StringGrid8, {"Temperature, K", "Pressure, Torr", "Electron Conc., cm-3"});
    Label1 = label(mixture, "Label1", "Relative Concentrations", {8, 100, 240, 20});
    StringGrid7 = named(new Grid(1, 2, 0, 0, mixture), "StringGrid7");
    StringGrid7->setGeometry(8, 124, 254, 284);
    StringGrid7->setColumnWidths({120, 110});
    StringGrid7->setDefaultRowHeight(21);
    StringGrid7->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid7->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid7->setSummaryLook(false);

    QGroupBox* field =
        group(page, "GroupBox9", "Electric Field and Program Parameters", {286, 4, 520, 416});
    field->setStyleSheet("QGroupBox { color: blue; }");
    Label3 = label(field, "Label3", "Direct", {8, 22, 160, 20});
    Label4 = label(field, "Label4", "", {170, 22, 200, 20});
    StringGrid9 = named(new Grid(1, 3, 0, 0, field), "StringGrid9");
    StringGrid9->setGeometry(8, 46, 322, 140);
    StringGrid9->setColumnWidths({40, 130, 130});
    StringGrid9->setDefaultRowHeight(19);
    StringGrid9->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid9->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid9->setSummaryLook(true);
    StringGrid9->setCellText(0, 2, "Energy range, eV");
    Label10 = label(field, "Label10", "Maxwellian Vorn Calculations       ", {340, 46, 172, 20});
    Label10->setStyleSheet("background-color: olive; color: lime;");
    Label10->hide();
    // Wide enough for its text in the font at hand, and the group for the label.
    Label10->resize(std::max(Label10->width(), Label10->fontMetrics().horizontalAdvance(
                                                    Label10->text()) + 2 * Label10->margin()),
                    Label10->height());
    field->resize(std::max(field->width(), Label10->geometry().right() + 9), field->height());
    StringGrid10 = named(new Grid(4, 2, 1, 0, field), "StringGrid10");
    StringGrid10->setGeometry(8, 194, 251, 88);
    StringGrid10->setColumnWidths({122, 125});
    StringGrid10->setDefaultRowHeight(21);
    StringGrid10->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid10->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid10->setSummaryLook(false);
    setColumn0(StringGrid10, kProgramParameterNames);

    Label2 = label(field, "Label2", "Output Text Information Mode:", {8, 292, 200, 20});
    Label5 = label(field, "Label5", "Brief", {210, 292, 120, 20});
    Label6 = label(field, "Label6", "Name of OutPut Files:", {8, 316, 200, 20});
    Label7 = label(field, "Label7", "Tmp", {210, 316, 300, 20});
    Label8 = label(field, "Label8", "Directory:", {8, 340, 200, 20});
    Label9 = label(field, "Label9", "", {210, 340, 10, 10});
    Label9->hide();
    Memo1 = named(new QPlainTextEdit(field), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setGeometry(8, 362, 380, 46);
    BitBtn1 = named(new QPushButton("Execute", field), "BitBtn1");
    BitBtn1->setGeometry(400, 372, 110, 32);
    for (QLabel* l : {Label3, Label4, Label5, Label7})
        l->setStyleSheet("color: navy;");
    return page;
}
