#include "check_list.h"
#include "qt_text.h"
#include "tform4.h"

#include <setup/data_bank.h>
#include <setup/setup_store.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTabWidget>

void TForm4::Start1Click()
{
    if (m_model.DataBankLoaded && !m_prompts->confirmYesNo(setup::kReloadQuestion))
        return;
    // The core loads into a copy and keeps the model when the gas list is missing.
    const setup::DataBankLoad load = setup::programDataBank(m_model);
    if (load.warning) {
        m_prompts->warningYes(toQ(*load.warning));
        return;
    }
    {
        // A grid that loses the focus here commits nothing into the new model.
        QScopedValueRollback refreshing(m_refreshing, m_refreshing + 1);
        PageControl1->show();
        PageControl1->setEnabled(true);
        Label11->hide();
        PageControl1->setCurrentWidget(TabSheet1);
    }
    showWholeModel();
    for (const std::string& error : load.errors)
        m_prompts->error(toQ(error));
    setWindowTitle("Vorn DataBank - " + toQ(m_model.DataBankDir) + "Gasnames.cnf");
}

void TForm4::SetDataBankDirectory1Click()
{
    const auto chosen = m_prompts->openFile({"Open", "Gasnames.cnf", toQ(m_model.DataBankDir),
                                             "Configuration file (*.cnf *.CNF)"});
    if (chosen)
        m_model.UserBankDir = setup::bankDirOfChosenFile(fromQ(*chosen));
    QDir::setCurrent(toQ(m_model.ProgDir));
}

void TForm4::Save1Click()
{
    setup::SetupStore(m_model.ProgDir + "/" + setup::kStoreFileName).save(m_model);
}

void TForm4::Load1Click()
{
    setup::CalculationModel stored = m_model;
    setup::SetupStore(m_model.ProgDir + "/" + setup::kStoreFileName).load(stored,
                                                                          decimalSeparator());
    m_model = std::move(stored);
    showWholeModel();
}

void TForm4::showWholeModel()
{
    QScopedValueRollback refreshing(m_refreshing, m_refreshing + 1);
    for (Grid* grid : {StringGrid1, StringGrid3, StringGrid4, StringGrid5, StringGrid6})
        grid->discardEditor();
    CheckListBox1->clearItems();
    for (int g = 0; g < m_model.GasCount; ++g)
        CheckListBox1->addCheckItem(toQ(m_model.GasDisplayNames[g]), m_model.GasChecked[g]);
    CheckListBox1->selectRow(m_model.SelectedGas);
    showSelectedGas();
    showSummaryGrid();
    showParameterGrids();
    showFieldTypeControls();
    {
        const QSignalBlocker block(CheckBox1);
        CheckBox1->setChecked(m_model.Maxwellian);
    }
    Label10->setVisible(m_model.Maxwellian);
    if (QAbstractButton* mode = OutputModeButtons->button(m_model.OutputMode))
        mode->setChecked(true);
    showOutputName();
    showOutputDir();
}
