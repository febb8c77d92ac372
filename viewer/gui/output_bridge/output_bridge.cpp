// Print, Save and Export of the viewer window on top of the output library. The output
// commands ask through the window's one dialog seam, and one command set (with its printer)
// lives as long as the window.
#include <QObject>
#include <QPlainTextEdit>
#include <QPrintDialog>

#include "output_commands.h"
#include "viewer/core/chart_model.h"
#include "viewer/gui/chart_output_hooks.h"
#include "viewer/gui/user_dialogs.h"

namespace vorn::viewer {
namespace {

class PromptsOverDialogs : public output::OutputPrompts {
public:
    QWidget* parent = nullptr;
    UserDialogs* dialogs = nullptr;

    bool runPrintDialog(QPrinter& printer, bool listing) override {
        // Print to file stays: on a machine without a configured printer it is the only
        // destination the dialog can offer. Without the page-range option the dialog still
        // takes pages but leaves them to the print server and reports all pages, so a PDF
        // file got every page.
        QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
        if (listing) options |= QAbstractPrintDialog::PrintSelection | QAbstractPrintDialog::PrintPageRange;
        return dialogs->print(parent, printer, options);
    }
    std::optional<output::PictureChoice> askPictureName(const QString& startDir) override {
        FileDialogSpec request;
        request.title = output::kPictureDialogTitle;
        request.directory = startDir;
        request.nameFilters = output::pictureFilters();
        // No fixed suffix: a name typed without one gets the chosen filter's (.bmp or .jpg),
        // so a JPEG is never named .bmp.
        request.defaultSuffix.clear();
        request.overwritePrompt = true;
        const FileChoice choice = dialogs->saveFile(parent, request);
        if (!choice.accepted) return std::nullopt;
        output::PictureChoice picture;
        picture.format = choice.filterIndex == 1 ? output::PictureFormat::Bitmap : output::PictureFormat::Jpeg;
        picture.path = output::withDefaultSuffix(choice.path, output::pictureSuffix(picture.format));
        return picture;
    }
    std::optional<QString> askTableName(const QString& startDir) override {
        FileDialogSpec request;
        request.title = output::kTableDialogTitle;
        request.directory = startDir;
        request.nameFilters = {output::kTableFilter};
        request.defaultSuffix = "dat";
        request.overwritePrompt = true;
        const FileChoice choice = dialogs->saveFile(parent, request);
        if (!choice.accepted) return std::nullopt;
        return output::withDefaultSuffix(choice.path, "dat");
    }
    bool confirm(const QString& question) override { return dialogs->question(parent, question); }
    void showError(const QString& message) override { dialogs->error(parent, message); }
};

class OutputSession : public QObject {
public:
    explicit OutputSession(QObject* owner) : QObject(owner), commands(prompts) {
        setObjectName("OutputSession");
    }
    PromptsOverDialogs prompts;
    output::OutputCommands commands;
};

OutputSession& session(const OutputContext& context) {
    auto* s = context.window->findChild<OutputSession*>("OutputSession", Qt::FindDirectChildrenOnly);
    if (s == nullptr) s = new OutputSession(context.window);
    s->prompts.parent = context.window;
    s->prompts.dialogs = context.dialogs;
    return *s;
}

}  // namespace

void printActivePage(const OutputContext& context) {
    OutputSession& s = session(context);
    if (context.chartView != nullptr) {
        s.commands.printChart(context.chartView);
    } else if (context.activePage == 7 && context.listing != nullptr) {
        s.commands.printListing(output::listingOf(*context.listing->document(),
                                                  context.listing->textCursor()));
    }
}

void saveChartPicture(const OutputContext& context) {
    if (context.chartView == nullptr) return;
    session(context).commands.saveChart(context.chartView, context.startDir);
}

void exportChartTable(const OutputContext& context) {
    if (context.chartView == nullptr || context.chart == nullptr) return;
    std::vector<output::TableCurve> curves;
    for (const Series& s : context.chart->series) {
        if (s.heading) continue;
        curves.push_back({s.x, s.y, s.on});
    }
    session(context).commands.exportChart(curves, context.startDir, context.chartView);
}

}  // namespace vorn::viewer
