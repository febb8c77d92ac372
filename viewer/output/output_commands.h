// File/Print, File/Save and File/Export of the viewer window: each runs its
// dialog through the prompts seam, writes, and reports a failure in an error
// message that names the file. Nothing here throws to the caller.
#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "chart_table.h"
#include "output_prompts.h"
#include "printing.h"

class QChartView;
class QPrinter;

namespace vorn::viewer::output {

class OutputCommands {
 public:
  // prompts must stay alive while these commands are in use.
  explicit OutputCommands(OutputPrompts& prompts);
  ~OutputCommands();

  // Print on a chart page: the print dialog without options, then one page.
  void printChart(QChartView* view);
  // Print on the listing page: the print dialog with the selection and page
  // range options.
  void printListing(const ListingText& listing);
  // Save: the picture dialog, then a BMP or a JPEG of the chart view.
  void saveChart(QChartView* view, const QString& startDir);
  // Export: the table dialog, the overwrite question, then the curve table.
  // curves are the chart's curves after its heading series, in chart order.
  void exportChart(const std::vector<TableCurve>& curves, const QString& startDir,
                   QChartView* view);

  // The printer kept between jobs, so the dialog's choices stay.
  QPrinter& printer();

 private:
  template <typename Job>
  void runPrintJob(bool listing, Job job);

  OutputPrompts& m_prompts;
  std::unique_ptr<QPrinter> m_printer;
};

// "Export File <name> is already exist.  Overwrite?"
QString overwriteQuestion(const QString& path);

// Writes the table into path; returns an empty text or the error naming path and
// its reason, path then being as it was.
QString writeChartTableFile(const std::vector<TableCurve>& curves, const QString& path);

}  // namespace vorn::viewer::output
