#pragma once

#include "fake_prompts.h"
#include "grid.h"
#include "tform4.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// One main window in a fresh start-up directory holding the test data bank,
// with recording prompts and recording viewer libraries.
class GuiFixture {
public:
    // withBank: write the test data bank into <dir>/Gasfiles.
    explicit GuiFixture(bool withBank = true);
    ~GuiFixture();

    QString dir() const { return m_dir.path(); }
    TForm4& form() { return *m_form; }
    FakePrompts& prompts() { return *m_prompts; }
    const setup::CalculationModel& model() const { return m_form->model(); }

    // "Program" with the reload question answered Yes.
    void loadBank();
    // Checks (or unchecks) gas g as a user click on its check mark would.
    void checkGas(int g, bool checked = true);

    // Calls of the four viewer entry points, in order ("Ch_Init", "Crs_Destroy", ...).
    static QStringList& viewerCalls();

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    FakePrompts* m_prompts;
    std::unique_ptr<TForm4> m_form;
};

// Typing into a grid as a user does: make the cell current, open its editor and
// type `text` key by key (each key reaches the as-you-type handler).
void typeIntoCell(Grid* grid, int row, int column, const QString& text);
// A key pressed in the grid: to the open editor, else to the grid.
void pressKey(Grid* grid, Qt::Key key);
// A mouse press in the grid's free area (below its last row when there is room).
void pressMouse(Grid* grid, int row = 0, int column = 1);
// Moves the focus from the grid to `target` of the same window.
void leaveGridTo(Grid* grid, QWidget* target);
