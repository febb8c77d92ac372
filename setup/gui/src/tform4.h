#pragma once

#include "grid.h"
#include "user_prompts.h"
#include "viewer_libraries.h"

#include <setup/calculation_model.h>
#include <setup/execute.h>
#include <setup/parameter_rules.h>
#include <setup/solver_launcher.h>

#include <QMainWindow>
#include <memory>

class CheckList;
class GuiRelay;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QWidget;

// The main window of the set-up program. Every rule, file and process goes
// through the set-up core; this class binds the controls to the model in
// `model`, shows what the core returns and calls the viewer libraries.
// Controls and handlers carry the names of the window's form.
class TForm4 : public QMainWindow {
    Q_OBJECT
public:
    // ProgDir is the current directory at construction.
    TForm4(std::unique_ptr<UserPrompts> prompts = nullptr,
           ViewerLibraries viewers = ViewerLibraries::linked(), QWidget* parent = nullptr);
    ~TForm4() override;

    const setup::CalculationModel& model() const { return m_model; }
    bool solverRunning() const { return m_launcher->running(); }

    // Menu items.
    QAction *Load1, *Save1, *SetDataBankDirectory1, *Exit1, *Start1, *View1, *View2;

    // Welcome state.
    QWidget *Panel1, *Panel2;
    QLabel* Label11;
    QTextEdit* RichEdit1;

    QTabWidget* PageControl1;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3;

    // "Gas mixture choice".
    CheckList *CheckListBox1, *CheckListBox2;
    QLabel *Panel5, *Panel6;
    Grid *StringGrid1, *StringGrid2, *StringGrid3;

    // "Electric Field and Program parameters".
    QGroupBox *RadioGroup1, *RadioGroup2;
    QButtonGroup *FieldTypeButtons, *OutputModeButtons;
    Grid *StringGrid4, *StringGrid5, *StringGrid6;
    QCheckBox* CheckBox1;
    QPushButton* SpeedButton2;
    QComboBox* ComboBox1;

    // "Summary / Execute".
    Grid *StringGrid7, *StringGrid8, *StringGrid9, *StringGrid10;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn1;

public slots:
    void Load1Click();
    void Save1Click();
    void SetDataBankDirectory1Click();
    void Exit1Click();
    void Start1Click();
    void View1Click();
    void View2Click();
    void CheckBox1Click();

    void CheckListBox1Click();
    void CheckListBox1ClickCheck();
    void CheckListBox2ClickCheck();
    void StringGrid1SetEditText(int column, int row, const QString& text);
    void StringGrid1MouseDown();
    void StringGrid1KeyDown();
    void StringGrid1Exit();
    void StringGrid3SetEditText(int column, int row, const QString& text);
    void StringGrid3MouseDown();
    void StringGrid3KeyDown();
    void StringGrid3Exit();

    void RadioGroup1Click();
    void StringGrid4SetEditText(int column, int row, const QString& text);
    void StringGrid4Exit();
    void StringGrid5SetEditText(int column, int row, const QString& text);
    void StringGrid5MouseDown();
    void StringGrid5KeyDown();
    void StringGrid5Exit();
    void StringGrid6SetEditText(int column, int row, const QString& text);
    void StringGrid6MouseDown();
    void StringGrid6KeyDown();
    void StringGrid6Exit();
    void SpeedButton2Click();
    void ComboBox1Change(const QString& text);

    void PageControl1Change(int index);
    void BitBtn1Click();

signals:
    // The solver run started by "Execute" is over and reported (status -1: not
    // started; 128 + the signal number: ended by a signal).
    void solverFinished(int status);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool FormCloseQuery();

    // Layout of the window and its three pages (one file each).
    void buildMenus();
    void buildWelcomeState();
    QWidget* buildMixturePage();
    QWidget* buildParameterPage();
    QWidget* buildSummaryPage();
    void connectHandlers();

    // model --> controls
    void showWholeModel();
    void showSelectedGas();
    void showSummaryGrid();
    void showParameterGrids();
    void showFieldTypeControls();
    void showOutputName();
    void showOutputDir();

    // The commit of one grid cell, in the message order the rule asks for.
    void applyCommit(Grid* grid, int row, int column, const setup::CommitResult& result);
    void commitMixtureRow(int row, setup::CommitTrigger trigger);
    void commitVariantCell(int row, int column);
    void commitProgramRow(int row, setup::CommitTrigger trigger);
    void commitConcentrationRow(int row);
    void onSolverFinished(const setup::FinishedRun& run);

    char decimalSeparator() const;

    setup::CalculationModel m_model;
    std::unique_ptr<UserPrompts> m_prompts;
    ViewerLibraries m_viewers;
    std::unique_ptr<setup::SolverLauncher> m_launcher;
    std::shared_ptr<GuiRelay> m_relay;
    bool m_closeHandled = false;
    // Set while controls are refilled from the model: a grid that loses the focus
    // because it is hidden or refilled then commits nothing.
    int m_refreshing = 0;
};
