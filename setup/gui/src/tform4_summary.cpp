#include "gui_relay.h"
#include "qt_text.h"
#include "tform4.h"

#include <setup/execute.h>
#include <setup/summary_page.h>

#include <QLabel>
#include <QTabWidget>

void TForm4::PageControl1Change(int index)
{
    if (PageControl1->widget(index) != TabSheet3)
        return;
    const setup::SummaryPage page = setup::buildSummaryPage(m_model, decimalSeparator());

    StringGrid7->setRowCountKeepingFixed(int(page.mixture.size()));
    for (int r = 0; r < int(page.mixture.size()); ++r) {
        StringGrid7->setCellText(r, 0, toQ(page.mixture[r].name));
        StringGrid7->setCellText(r, 1, toQ(page.mixture[r].text));
    }
    for (int r = 0; r < 3; ++r)
        StringGrid8->setCellText(r, 1, toQ(page.gasState[r]));

    StringGrid9->setCellText(0, 1, toQ(page.variantHeading));
    StringGrid9->setRowCountKeepingFixed(1 + int(page.variants.size()));
    for (int n = 0; n < int(page.variants.size()); ++n) {
        StringGrid9->setCellText(n + 1, 0, toQ(page.variants[n].number));
        StringGrid9->setCellText(n + 1, 1, toQ(page.variants[n].fieldValue));
        StringGrid9->setCellText(n + 1, 2, toQ(page.variants[n].energyRange));
    }
    StringGrid9->setColumnWidth(2, 130);

    StringGrid10->discardEditor();
    for (int r = 0; r < 4; ++r)
        StringGrid10->setCellText(r, 1, toQ(page.programValues[r]));

    Label3->setText(toQ(page.fieldTypeLabel));
    Label4->setText(toQ(page.fieldValueLabel));
    Label5->setText(toQ(page.outputModeLabel));
    Label7->setText(toQ(page.outputFilesLabel));
    showOutputName();
    showOutputDir();
}

void TForm4::BitBtn1Click()
{
    auto ask = [this](const std::string& question) {
        return m_prompts->confirmYesNo(toQ(question));
    };
    // Runs on the launcher's worker thread: only post, touch nothing.
    auto finished = [this, relay = m_relay](const setup::FinishedRun& run) {
        relay->post([this, run] { onSolverFinished(run); });
    };
    const setup::ExecuteOutcome outcome = setup::execute(m_model, *m_launcher, ask, finished);
    if (!outcome.error.empty())
        m_prompts->error(toQ(outcome.error));
    if (outcome.started)
        m_prompts->setBusyCursor();
}

void TForm4::onSolverFinished(const setup::FinishedRun& run)
{
    {
        // The cursor comes back even when the message box throws.
        struct RestoreCursor {
            UserPrompts& prompts;
            ~RestoreCursor() { prompts.restoreCursor(); }
        } restore{*m_prompts};
        if (run.end.status == -1)
            m_prompts->information(
                toQ(setup::SolverLauncher::notStartedMessage(m_launcher->programPath())));
    }
    // A failed run is told after the cursor is back, so that the box is not read
    // under the busy cursor.
    if (const auto failure = setup::solverFailureMessage(run))
        m_prompts->error(toQ(*failure));
    emit solverFinished(run.end.status);
}
