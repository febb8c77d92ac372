#include "gui_fixture.h"

#include "check_list.h"
#include "test_bank.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace {

int chInit()
{
    GuiFixture::viewerCalls() << "Ch_Init";
    return 1;
}
void chDestroy() { GuiFixture::viewerCalls() << "Ch_Destroy"; }
int crsInit()
{
    GuiFixture::viewerCalls() << "Crs_Init";
    return 1;
}
void crsDestroy() { GuiFixture::viewerCalls() << "Crs_Destroy"; }

}  // namespace

QStringList& GuiFixture::viewerCalls()
{
    static QStringList calls;
    return calls;
}

GuiFixture::GuiFixture(bool withBank) : m_previousDir(QDir::currentPath())
{
    QLocale::setDefault(QLocale::c());
    viewerCalls().clear();
    if (withBank)
        writeTestBank(m_dir.path());
    // The start-up directory is the current directory when the window is made.
    QDir::setCurrent(m_dir.path());
    auto prompts = std::make_unique<FakePrompts>();
    m_prompts = prompts.get();
    m_form = std::make_unique<TForm4>(std::move(prompts),
                                      ViewerLibraries{&chInit, &chDestroy, &crsInit, &crsDestroy});
    m_form->show();
    m_form->activateWindow();
    QApplication::setActiveWindow(m_form.get());
    (void)QTest::qWaitForWindowActive(m_form.get());
}

GuiFixture::~GuiFixture()
{
    m_form.reset();
    QDir::setCurrent(m_previousDir);
}

void GuiFixture::loadBank()
{
    m_prompts->answers.push_back(true);
    m_form->Start1Click();
    m_prompts->answers.clear();
}

void GuiFixture::checkGas(int g, bool checked)
{
    QListWidgetItem* item = m_form->CheckListBox1->item(g);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void typeIntoCell(Grid* grid, int row, int column, const QString& text)
{
    grid->setFocus();
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    QLineEdit* editor = grid->openEditor();
    QVERIFY(editor);
    editor->setText(QString());
    QTest::keyClicks(editor, text);
}

void pressKey(Grid* grid, Qt::Key key)
{
    if (QLineEdit* editor = grid->openEditor())
        QTest::keyClick(editor, key);
    else
        QTest::keyClick(grid, key);
}

void pressMouse(Grid* grid, int row, int column)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void leaveGridTo(Grid* grid, QWidget* target)
{
    Q_UNUSED(grid);
    target->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}
