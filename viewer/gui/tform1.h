#pragma once
// The viewer window: menus, toolbar, the "Configuring" page, six chart pages and the listing.
// Component and handler names follow the form description of the original window so that the
// rules written against them read the same here.

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "viewer/core/chart_model.h"
#include "viewer/core/graph_data.h"
#include "viewer/core/number_format.h"
#include "viewer/core/viewer_model.h"
#include "viewer/gui/chart_output_hooks.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QTextEdit;
class QToolButton;

namespace vorn::viewer {

class ChartView;
class TForm2;
class UserDialogs;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(TForm2* axisDialog, QWidget* parent = nullptr);
    ~TForm1() override;

    // Replaces the dialog seam (tests install a scripted one).
    void setDialogs(std::unique_ptr<UserDialogs> dialogs);
    UserDialogs& dialogs() { return *m_dialogs; }

    // Toolbar and window.
    QFrame* Panel1;
    QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5,
        *SpeedButton6, *SpeedButton7, *SpeedButton8, *SpeedButton9, *SpeedButton10;
    QToolButton *SpeedButton11, *SpeedButton12, *SpeedButton13, *SpeedButton14, *SpeedButton15;
    std::array<QToolButton*, 10> SeriesButtons;
    QWidget* Panel2;
    QTextEdit* RichEdit2;
    QLabel *Image1, *Image2;
    QTabWidget* PageControl1;
    std::array<QWidget*, 8> TabSheets;  // TabSheet0 .. TabSheet7
    std::array<ChartView*, 6> Charts;   // Chart1 .. Chart6
    QPlainTextEdit* RichEdit1;          // the listing

    // Menus.
    QMenu *File1, *View1;
    QAction *Open1, *Save1, *Print1, *Export1, *Exit1, *Graphics1, *Listing1;

    // "Configuring" page.
    QLabel *Label1, *Label2, *Label3, *Label4;
    QToolButton *SpeedButton16, *SpeedButton17;
    QGroupBox *GroupBox0, *GroupBox1, *GroupBox2, *GroupBox3;
    QLabel *Panel0, *Panel4, *Panel5, *Panel6;
    QLabel *Panel14, *Panel15, *Panel16, *Panel17, *Panel18;
    QFrame* Panel21;
    QLabel *Panel20, *Panel22;
    QListWidget *CheckListBox1, *CheckListBox2, *CheckListBox3;

    // Fields shared by the handlers.
    QString StartDir, GdtPath, LstPath, BasePath;
    QString FieldLine, GasLine, ConditionsLine;
    int FieldMode = 0, PointCount = 0, FieldValueCount = 0, ProcessCount = 0, CaseCount = 0;
    double Accuracy = 0;
    int Intervals = 0;
    double StartTe = 0;
    std::array<std::array<int, 2>, 10> LabelStep;  // per chart: left, bottom
    bool Loaded = false;

    // The run on show and what the charts hold.
    const GraphData& graphData() const { return m_data; }
    const ChartModel& chartModel(int chart) const { return m_charts[chart]; }
    int activePage() const;
    void setActivePage(int page);  // programmatic change, then PageControl1Change
    QString lastReadError() const { return m_lastReadError; }

public slots:
    void Open1Click();
    void Listing1Click();
    void Graphics1Click();
    void Exit1Click();
    void Print1Click();
    void Save1Click();
    void Export1Click();
    bool ReadGraphFile();
    void PageControl1Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();  // shared by series buttons 3 .. 10, identified by the sender
    // The same for one fixed button each; nothing binds them.
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton13Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton14Click();
    void SpeedButton15Click();
    void CheckListBox1Click();
    void SpeedButton16Click();
    void SpeedButton17Click();
    // A click on the legend of Chart1 pages it only when the window is too small for all
    // field values; those of Chart2 and Chart3 page by 20 (or by what fits).
    void Chart1ClickLegend();
    void Chart2ClickLegend();
    void Chart3ClickLegend();
    // A double click on the left (axis 0) or bottom (axis 1) axis of chart 0 .. 5.
    void Chart1ClickAxis(int chart, int axis);

protected:
    void closeEvent(QCloseEvent* event) override;  // the form's close query
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildIntro();
    void buildPages();
    void buildConfiguringPage(QWidget* page);
    void ShowIntroText();
    void showGraphTabs(bool visible);
    void setTabVisible(int page, bool visible);
    void showPanel2AsPages();
    NumberStyle numberStyle() const;
    OutputContext outputContext();
    void readStepOneEffects();
    void loadListing();
    // The error box text after a read that failed.
    QString readFailureMessage() const;
    void seriesButtonClick(int position, QToolButton* button);
    void transportButtonClick(QToolButton* clicked);
    void applyReadToWindow();
    void showCaseSummary(int row);
    // Label2: the gas line in as many lines as its width needs.
    void showGasLine();
    void enterCurvePage(int chart);
    QListWidget* checkListOf(int chart) const;
    void enterTransportPage(int chart);
    void updateSeriesButtons(int chart);
    // A window made again after Ch_Destroy shows the series page the library kept.
    void showSeriesPage();
    void UpdateTransportAxisTitle(int chart);
    void RecolourSeries(int chart);
    void redraw(int chart);
    // Save or Export on the chart page shown, which is drawn again afterwards.
    void runChartOutput(void (*command)(const OutputContext&));
    void pageLegend(int chart);
    int activeChart() const;  // 0 .. 5, or -1 on "Configuring" and "Listing"

    TForm2* m_axisDialog;
    std::unique_ptr<UserDialogs> m_dialogs;
    GraphData m_data;
    std::array<ChartModel, kChartCount> m_charts;
    ViewerTexts m_texts;
    QString m_lastReadError;
    ReadErrorKind m_lastReadKind = ReadErrorKind::Malformed;
};

}  // namespace vorn::viewer
