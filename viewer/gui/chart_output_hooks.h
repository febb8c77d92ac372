#pragma once
// Print, Save and Export of the viewer window run through these three functions, so that the
// output code lives apart from the window. The window fills an OutputContext for the page that
// is active when the menu item is chosen.

#include <QString>

class QChartView;
class QPlainTextEdit;
class QWidget;

namespace vorn::viewer {

class UserDialogs;
struct ChartModel;

struct OutputContext {
    QWidget* window = nullptr;        // parent of every dialog and message box
    UserDialogs* dialogs = nullptr;   // the dialog seam; never null
    QString startDir;                 // initial directory of every file dialog
    int activePage = 0;               // 0 Configuring, 1 .. 6 chart pages, 7 Listing
    QChartView* chartView = nullptr;  // the active chart page's view, null on pages 0 and 7
    // The active chart as the window holds it: raw values (never log-transformed), on/off
    // state, chart order with the heading series at index 0 on Chart1-3. Null on pages 0 and 7.
    const ChartModel* chart = nullptr;
    QPlainTextEdit* listing = nullptr;  // the listing view (text and selection), never null
};

// "Print" (chart or listing page), "Save" (chart page) and "Export" (chart page).
void printActivePage(const OutputContext& context);
void saveChartPicture(const OutputContext& context);
void exportChartTable(const OutputContext& context);

}  // namespace vorn::viewer
