#include "output_commands.h"

#include <exception>
#include <sstream>

#include <QChartView>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "chart_picture.h"
#include "file_replace.h"

namespace vorn::viewer::output {
namespace {

void repaint(QChartView* view) {
  if (view) view->viewport()->update();
}

}  // namespace

OutputCommands::OutputCommands(OutputPrompts& prompts) : m_prompts(prompts) {}

OutputCommands::~OutputCommands() = default;

QPrinter& OutputCommands::printer() {
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_printer;
}

template <typename Job>
void OutputCommands::runPrintJob(bool listing, Job job) {
  QPrinter& target = printer();
  target.setPrintRange(QPrinter::AllPages);  // the dialog starts from "all" every time
  if (!m_prompts.runPrintDialog(target, listing)) return;
  try {
    job(target);
  } catch (const std::exception& error) {
    // A job that could not start may leave the printer active; the next job needs one
    // that takes the dialog's settings again.
    if (target.printerState() != QPrinter::Idle) m_printer = printerLike(target);
    m_prompts.showError(QString::fromLocal8Bit(error.what()));
  }
}

void OutputCommands::printChart(QChartView* view) {
  if (!view) return;
  runPrintJob(false, [view](QPrinter& target) { output::printChart(target, view); });
}

void OutputCommands::printListing(const ListingText& listing) {
  runPrintJob(true, [&listing](QPrinter& target) { output::printListing(target, listing); });
}

void OutputCommands::saveChart(QChartView* view, const QString& startDir) {
  if (!view) return;
  if (const auto choice = m_prompts.askPictureName(startDir)) {
    const QString path = withDefaultSuffix(choice->path, pictureSuffix(choice->format));
    const QString error = savePicture(renderChartImage(view), path, choice->format);
    if (!error.isEmpty()) m_prompts.showError(error);
  }
  repaint(view);
}

void OutputCommands::exportChart(const std::vector<TableCurve>& curves, const QString& startDir,
                                 QChartView* view) {
  if (const auto chosen = m_prompts.askTableName(startDir)) {
    const QString path = withDefaultSuffix(*chosen, QStringLiteral("dat"));
    if (!QFileInfo::exists(path) || m_prompts.confirm(overwriteQuestion(path))) {
      const QString error = writeChartTableFile(curves, path);
      if (!error.isEmpty()) m_prompts.showError(error);
    }
  }
  repaint(view);
}

QString overwriteQuestion(const QString& path) {
  return QStringLiteral("Export File ") + path + QStringLiteral(" is already exist.  Overwrite?");
}

QString writeChartTableFile(const std::vector<TableCurve>& curves, const QString& path) {
  std::ostringstream table;
  writeChartTable(curves, table);
  const std::string error = replaceFile(QFile::encodeName(path).toStdString(), table.str());
  return error.empty() ? QString() : QFile::decodeName(QByteArray::fromStdString(error));
}

}  // namespace vorn::viewer::output
