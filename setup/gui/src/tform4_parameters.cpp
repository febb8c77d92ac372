#include "qt_text.h"
#include "tform4.h"

#include <setup/output_naming.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QScopedValueRollback>

void TForm4::showParameterGrids()
{
    const char sep = decimalSeparator();
    for (int r = 0; r < 3; ++r)
        StringGrid3->setCellText(r, 1, toQ(setup::mixtureCellText(m_model, r, sep)));
    for (int r = 0; r < 4; ++r)
        StringGrid6->setCellText(r, 1, toQ(setup::programCellText(m_model, r, sep)));
}

void TForm4::RadioGroup1Click()
{
    setup::setFieldMode(m_model, FieldTypeButtons->checkedId());
    showFieldTypeControls();
}

void TForm4::showFieldTypeControls()
{
    QScopedValueRollback refreshing(m_refreshing, m_refreshing + 1);
    const int t = m_model.FieldMode;
    const char sep = decimalSeparator();
    if (QAbstractButton* button = FieldTypeButtons->button(t))
        button->setChecked(true);

    // The f-or-H box stands beside the chosen radio button.
    StringGrid4->discardEditor();
    StringGrid4->setVisible(t != setup::kFieldDirect);
    const QRect group = RadioGroup1->geometry();
    if (t == setup::kFieldHighFrequency)
        StringGrid4->move(StringGrid4->x(), group.top() + int(group.height() * 0.5 - 6));
    else if (t == setup::kFieldMagnetic)
        StringGrid4->move(StringGrid4->x(), group.top() + int(2.0 * group.height() / 3.0 + 6));
    StringGrid4->setCellText(0, 0, toQ(setup::fieldBoxHeading(t)));
    StringGrid4->setCellText(0, 1, t == setup::kFieldDirect
                                       ? QString()
                                       : toQ(setup::fieldBoxText(m_model, sep)));

    // Rewritten from the model: typing not yet committed is overwritten.
    StringGrid5->discardEditor();
    StringGrid5->setCellText(0, 1, toQ(setup::variantValueHeading(t)));
    StringGrid5->setCellText(0, 2, setup::kEnergyRangeHeading);
    for (int k = 1; k <= setup::kFieldVariants; ++k) {
        StringGrid5->setCellText(k, 0, QString::number(k));
        for (int column = 1; column <= 2; ++column)
            StringGrid5->setCellText(k, column,
                                     toQ(setup::variantCellText(m_model, column, k, sep)));
    }
}

void TForm4::StringGrid4SetEditText(int column, int, const QString& text)
{
    if (column != 1)
        return;
    if (const auto message = setup::typeFieldBox(m_model, fromQ(text), decimalSeparator()))
        m_prompts->error(toQ(*message));
}

void TForm4::StringGrid4Exit()
{
    if (const auto putBack =
            setup::commitFieldBox(m_model, fromQ(StringGrid4->cellText(0, 1)), decimalSeparator()))
        StringGrid4->setCellText(0, 1, toQ(*putBack));
}

void TForm4::StringGrid5SetEditText(int column, int row, const QString& text)
{
    if (column < 1 || row < 1)
        return;
    if (const auto message = setup::checkVariantTyping(fromQ(text), decimalSeparator()))
        m_prompts->error(toQ(*message));
}

void TForm4::commitVariantCell(int row, int column)
{
    if (row < 1 || row > setup::kFieldVariants || column < 1 || column > 2)
        return;
    const auto result = setup::commitVariant(m_model, column, row,
                                             fromQ(StringGrid5->cellText(row, column)),
                                             decimalSeparator());
    applyCommit(StringGrid5, row, column, result);
}

void TForm4::StringGrid5MouseDown()
{
    for (int column = 1; column <= 2; ++column)
        for (int row = 1; row <= setup::kFieldVariants; ++row)
            commitVariantCell(row, column);
}

void TForm4::StringGrid5KeyDown()
{
    commitVariantCell(StringGrid5->currentRow(), StringGrid5->currentColumn());
}

void TForm4::StringGrid5Exit()
{
    commitVariantCell(StringGrid5->currentRow(), StringGrid5->currentColumn());
}

void TForm4::StringGrid6SetEditText(int column, int, const QString& text)
{
    if (column != 1)
        return;
    if (const auto message = setup::checkProgramTyping(fromQ(text), decimalSeparator()))
        m_prompts->error(toQ(*message));
}

void TForm4::commitProgramRow(int row, setup::CommitTrigger trigger)
{
    if (row < 0 || row > 3)
        return;
    const auto result = setup::commitProgram(m_model, row, fromQ(StringGrid6->cellText(row, 1)),
                                             trigger, decimalSeparator());
    applyCommit(StringGrid6, row, 1, result);
}

void TForm4::StringGrid6MouseDown()
{
    for (int r = 0; r < 4; ++r)
        commitProgramRow(r, setup::CommitTrigger::Mouse);
}

void TForm4::StringGrid6KeyDown()
{
    commitProgramRow(StringGrid6->currentRow(), setup::CommitTrigger::Key);
}

void TForm4::StringGrid6Exit()
{
    commitProgramRow(StringGrid6->currentRow(), setup::CommitTrigger::Exit);
}

void TForm4::SpeedButton2Click()
{
    const auto chosen =
        m_prompts->saveFile({"Save As", ComboBox1->currentText(), toQ(m_model.ProgDir),
                             "Text files (*.lst *.gdt *.LST *.GDT)"});
    if (chosen) {
        setup::chooseOutputFile(m_model, fromQ(*chosen));
        showOutputName();
        showOutputDir();
    }
    QDir::setCurrent(toQ(m_model.ProgDir));
}

void TForm4::ComboBox1Change(const QString& text)
{
    setup::editOutNameText(m_model, fromQ(text));
}
