#include "tform4.h"

#include "check_list.h"
#include "common/gui/form_fonts.h"
#include "gui_relay.h"
#include "qt_text.h"
#include "qt_user_prompts.h"

#include <setup/output_naming.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

TForm4::TForm4(std::unique_ptr<UserPrompts> prompts, ViewerLibraries viewers, QWidget* parent)
    : QMainWindow(parent),
      m_model(setup::CalculationModel::atStartUp(fromQ(QDir::currentPath()))),
      m_prompts(prompts ? std::move(prompts) : std::make_unique<QtUserPrompts>(this)),
      m_viewers(viewers),
      m_launcher(std::make_unique<setup::SolverLauncher>(m_model.ProgDir)),
      m_relay(std::make_shared<GuiRelay>(this))
{
    setObjectName("Form4");
    setWindowTitle("Vorn Win32");
    vorn::useFormFonts();
    QFont formFont = font();
    formFont.setFamily("MS Sans Serif");
    setFont(formFont);
    resize(920, 560);
    buildMenus();
    buildWelcomeState();
    connectHandlers();
    showOutputName();
    showOutputDir();
}

TForm4::~TForm4()
{
    // A solver still running reports to nobody; it runs on to its own end.
    m_relay->detach();
}

char TForm4::decimalSeparator() const
{
    const QString sep = QLocale().decimalPoint();
    return sep.size() == 1 && sep.at(0).unicode() < 128 ? char(sep.at(0).unicode()) : '.';
}

void TForm4::Exit1Click()
{
    close();
}

void TForm4::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TForm4::FormCloseQuery()
{
    // The viewer first, then the cross-section viewer; once, however often the
    // window is asked to close.
    if (!m_closeHandled) {
        m_closeHandled = true;
        m_viewers.chDestroy();
        m_viewers.crsDestroy();
    }
    return true;
}

void TForm4::View1Click()
{
    m_viewers.chInit();
}

void TForm4::View2Click()
{
    m_viewers.crsInit();
}

void TForm4::CheckBox1Click()
{
    m_model.Maxwellian = CheckBox1->isChecked();
    Label10->setVisible(CheckBox1->isChecked());
}

void TForm4::showOutputName()
{
    const QSignalBlocker block(ComboBox1);
    ComboBox1->clear();
    for (const std::string& item : m_model.OutNameItems)
        ComboBox1->addItem(toQ(item));
    if (m_model.OutNameIndex >= 0 && m_model.OutNameIndex < ComboBox1->count())
        ComboBox1->setCurrentIndex(m_model.OutNameIndex);
    // Set the text from code without counting it as the user's edit.
    ComboBox1->setEditText(toQ(m_model.OutNameText));
}

void TForm4::showOutputDir()
{
    Label9->setText(toQ(m_model.OutputDir));
    Memo1->setPlainText(toQ(m_model.OutputDir));
}

void TForm4::connectHandlers()
{
    connect(Load1, &QAction::triggered, this, &TForm4::Load1Click);
    connect(Save1, &QAction::triggered, this, &TForm4::Save1Click);
    connect(SetDataBankDirectory1, &QAction::triggered, this, &TForm4::SetDataBankDirectory1Click);
    connect(Exit1, &QAction::triggered, this, &TForm4::Exit1Click);
    connect(Start1, &QAction::triggered, this, &TForm4::Start1Click);
    connect(View1, &QAction::triggered, this, &TForm4::View1Click);
    connect(View2, &QAction::triggered, this, &TForm4::View2Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm4::CheckBox1Click);

    connect(CheckListBox1, &CheckList::clicked, this, &TForm4::CheckListBox1Click);
    connect(CheckListBox1, &CheckList::clickCheck, this, &TForm4::CheckListBox1ClickCheck);
    connect(CheckListBox2, &CheckList::clickCheck, this, &TForm4::CheckListBox2ClickCheck);

    // Grids report (row, column); the handlers take (column, row) as the form's do.
    auto typing = [this](Grid* grid, void (TForm4::*handler)(int, int, const QString&)) {
        connect(grid, &Grid::editTextChanged, this,
                [this, handler](int row, int column, const QString& text) {
                    (this->*handler)(column, row, text);
                });
    };
    typing(StringGrid1, &TForm4::StringGrid1SetEditText);
    typing(StringGrid3, &TForm4::StringGrid3SetEditText);
    typing(StringGrid4, &TForm4::StringGrid4SetEditText);
    typing(StringGrid5, &TForm4::StringGrid5SetEditText);
    typing(StringGrid6, &TForm4::StringGrid6SetEditText);
    typing(StringGrid10, &TForm4::StringGrid6SetEditText);

    struct Commits {
        void (TForm4::*mouseDown)();
        void (TForm4::*keyDown)();
        void (TForm4::*exit)();
    };
    auto commits = [this](Grid* grid, Commits handlers) {
        connect(grid, &Grid::commitTriggered, this, [this, handlers](Grid::Trigger trigger) {
            if (m_refreshing)
                return;
            auto handler = trigger == Grid::Trigger::MousePress ? handlers.mouseDown
                           : trigger == Grid::Trigger::Key      ? handlers.keyDown
                                                                : handlers.exit;
            if (handler)
                (this->*handler)();
        });
    };
    commits(StringGrid1, {&TForm4::StringGrid1MouseDown, &TForm4::StringGrid1KeyDown,
                          &TForm4::StringGrid1Exit});
    commits(StringGrid3, {&TForm4::StringGrid3MouseDown, &TForm4::StringGrid3KeyDown,
                          &TForm4::StringGrid3Exit});
    commits(StringGrid4, {nullptr, nullptr, &TForm4::StringGrid4Exit});
    commits(StringGrid5, {&TForm4::StringGrid5MouseDown, &TForm4::StringGrid5KeyDown,
                          &TForm4::StringGrid5Exit});
    commits(StringGrid6, {&TForm4::StringGrid6MouseDown, &TForm4::StringGrid6KeyDown,
                          &TForm4::StringGrid6Exit});

    connect(FieldTypeButtons, &QButtonGroup::idClicked, this, [this](int) { RadioGroup1Click(); });
    connect(OutputModeButtons, &QButtonGroup::idClicked, this,
            [this](int mode) { m_model.OutputMode = mode; });
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm4::SpeedButton2Click);
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TForm4::ComboBox1Change);
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        setup::pickOutNameItem(m_model, index);
    });

    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm4::PageControl1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
}
