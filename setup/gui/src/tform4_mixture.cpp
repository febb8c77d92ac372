#include "check_list.h"
#include "elided_text.h"
#include "qt_text.h"
#include "tform4.h"

#include <setup/mixture_page.h>

#include <QLabel>
#include <QScopedValueRollback>

void TForm4::CheckListBox1Click()
{
    setup::selectGas(m_model, CheckListBox1->currentRow());
    showSelectedGas();
}

void TForm4::CheckListBox1ClickCheck()
{
    const int g = CheckListBox1->currentRow();
    setup::setGasChecked(m_model, g, CheckListBox1->isChecked(g), decimalSeparator());
    showSelectedGas();
    showSummaryGrid();
}

void TForm4::CheckListBox2ClickCheck()
{
    const int k = CheckListBox2->currentRow();
    setup::setReactionSelected(m_model, m_model.SelectedGas, k, CheckListBox2->isChecked(k));
}

void TForm4::showSelectedGas()
{
    // Showing a gas refills the grid from the model: uncommitted typing is lost.
    QScopedValueRollback refreshing(m_refreshing, m_refreshing + 1);
    StringGrid1->discardEditor();
    CheckListBox2->clearItems();
    const int g = m_model.SelectedGas;
    const bool isGas = g >= 0 && g < m_model.GasCount;
    if (isGas) {
        setElidedText(Panel5, toQ(m_model.GasDisplayNames[g]));
        setElidedText(Panel6, toQ(m_model.GasDisplayNames[g]));
        for (int k = 0; k < m_model.ReactionCount[g]; ++k)
            CheckListBox2->addCheckItem(toQ(m_model.ReactionTexts[g][k]),
                                        m_model.ReactionSelected[g][k] != 0);
    }
    const auto rows = setup::concentrationRows(m_model, g, decimalSeparator());
    StringGrid1->setRowCountKeepingFixed(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        StringGrid1->setCellText(r, 0, toQ(rows[r].name));
        StringGrid1->setCellText(r, 1, toQ(rows[r].text));
        StringGrid1->setRowHidden(r, rows[r].hidden);
    }
    const bool checked = isGas && m_model.GasChecked[g];
    CheckListBox2->setVisible(checked);
    StringGrid1->setVisible(checked);
}

void TForm4::showSummaryGrid()
{
    const auto& rows = m_model.Summary.rows();
    StringGrid2->setRowCountKeepingFixed(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        StringGrid2->setCellText(r, 0, toQ(rows[r].name));
        StringGrid2->setCellText(r, 1, toQ(rows[r].text));
    }
}

void TForm4::StringGrid1SetEditText(int column, int, const QString& text)
{
    if (column != 1)
        return;
    if (const auto message = setup::checkConcentrationTyping(fromQ(text), decimalSeparator()))
        m_prompts->error(toQ(*message));
}

void TForm4::commitConcentrationRow(int row)
{
    if (row < 0 || row >= StringGrid1->rowCount())
        return;
    const std::string shown =
        setup::commitConcentration(m_model, m_model.SelectedGas, row,
                                   fromQ(StringGrid1->cellText(row, 1)), decimalSeparator());
    StringGrid1->setCellText(row, 1, toQ(shown));
    showSummaryGrid();
}

void TForm4::StringGrid1MouseDown()
{
    for (int r = 0; r < StringGrid1->rowCount(); ++r)
        commitConcentrationRow(r);
}

void TForm4::StringGrid1KeyDown()
{
    commitConcentrationRow(StringGrid1->currentRow());
}

void TForm4::StringGrid1Exit()
{
    commitConcentrationRow(StringGrid1->currentRow());
}

void TForm4::StringGrid3SetEditText(int column, int, const QString& text)
{
    if (column != 1)
        return;
    if (const auto message = setup::checkMixtureTyping(fromQ(text), decimalSeparator()))
        m_prompts->error(toQ(*message));
}

void TForm4::applyCommit(Grid* grid, int row, int column, const setup::CommitResult& result)
{
    if (result.messageFirst && result.message)
        m_prompts->error(toQ(*result.message));
    if (result.cellText)
        grid->setCellText(row, column, toQ(*result.cellText));
    if (!result.messageFirst && result.message)
        m_prompts->error(toQ(*result.message));
}

void TForm4::commitMixtureRow(int row, setup::CommitTrigger trigger)
{
    if (row < 0 || row > 2)
        return;
    const auto result = setup::commitMixture(m_model, row, fromQ(StringGrid3->cellText(row, 1)),
                                             trigger, decimalSeparator());
    applyCommit(StringGrid3, row, 1, result);
}

void TForm4::StringGrid3MouseDown()
{
    for (int r = 0; r < 3; ++r)
        commitMixtureRow(r, setup::CommitTrigger::Mouse);
}

void TForm4::StringGrid3KeyDown()
{
    commitMixtureRow(StringGrid3->currentRow(), setup::CommitTrigger::Key);
}

void TForm4::StringGrid3Exit()
{
    commitMixtureRow(StringGrid3->currentRow(), setup::CommitTrigger::Exit);
}
