#include "printing.h"

#include <vector>

#include <QChartView>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "print_layout.h"

namespace vorn::viewer::output {
namespace {

bool isLandscape(const QPrinter& printer) {
  return printer.pageLayout().orientation() == QPageLayout::Landscape;
}

void beginJob(QPainter& painter, QPrinter& printer) {
  if (!painter.begin(&printer)) {
    const QString target = printer.outputFileName();
    throw PrintError(target.isEmpty() ? std::string("Cannot start the print job")
                                      : "Cannot start the print job into " +
                                            target.toStdString());
  }
}

// Runs draw inside a started job; an exception aborts the job and goes on to
// the caller, so no half-printed document is sent.
template <typename Draw>
void runJob(QPrinter& printer, Draw draw) {
  QPainter painter;
  beginJob(painter, printer);
  try {
    draw(painter);
  } catch (...) {
    printer.abort();
    painter.end();
    throw;
  }
  painter.end();
}

std::vector<int> linesToPrint(const QPrinter& printer, const ListingText& listing) {
  std::vector<int> picked;
  switch (printer.printRange()) {
    case QPrinter::AllPages:
      for (int i = 0; i < listing.lines.size(); ++i) picked.push_back(i);
      break;
    case QPrinter::Selection: {
      std::vector<int> lengths;
      lengths.reserve(listing.lines.size());
      for (const QString& line : listing.lines) lengths.push_back(static_cast<int>(line.size()));
      picked = selectedLines(lengths, listing.selectionStart, listing.selectionEnd,
                             listing.breakWidth);
      break;
    }
    default:  // a range of page numbers prints nothing
      break;
  }
  return picked;
}

}  // namespace

std::unique_ptr<QPrinter> printerLike(const QPrinter& used) {
  auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
  fresh->setResolution(used.resolution());
  if (used.outputFormat() == QPrinter::NativeFormat && !used.printerName().isEmpty()) {
    fresh->setPrinterName(used.printerName());
  } else {
    fresh->setOutputFormat(QPrinter::PdfFormat);
    fresh->setOutputFileName(used.outputFileName());
  }
  fresh->setPageLayout(used.pageLayout());
  fresh->setCopyCount(used.copyCount());
  fresh->setCollateCopies(used.collateCopies());
  fresh->setColorMode(used.colorMode());
  fresh->setDuplex(used.duplex());
  fresh->setDocName(used.docName());
  fresh->setFullPage(used.fullPage());
  return fresh;
}

void printChart(QPrinter& printer, QChartView* view) {
  runJob(printer, [&](QPainter& painter) {
    const PageRect r = chartPrintRect(printer.width(), printer.height(), isLandscape(printer));
    const QRectF target(r.left, r.top, r.right - r.left, r.bottom - r.top);
    painter.setRenderHint(QPainter::Antialiasing);
    view->render(&painter, target, view->viewport()->rect(), Qt::IgnoreAspectRatio);
  });
}

void printListing(QPrinter& printer, const ListingText& listing) {
  const std::vector<int> picked = linesToPrint(printer, listing);
  runJob(printer, [&](QPainter& painter) {
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height();
    const int perPage = listingLinesPerPage(printer.height(), lineHeight);
    for (int n = 0; n < static_cast<int>(picked.size()); ++n) {
      const LinePlacement place = placeListingLine(n, perPage, lineHeight);
      if (n > 0 && n % perPage == 0 && !printer.newPage())
        throw PrintError("Cannot start a new page of the print job");
      // The layout gives the top of the text; Qt draws at the baseline.
      painter.drawText(QPoint(kListingLeft, place.top + metrics.ascent()),
                       listing.lines[picked[n]]);
    }
  });
}

ListingText listingOf(const QTextDocument& document, const QTextCursor& cursor) {
  ListingText listing;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    listing.lines.push_back(block.text());
  listing.selectionStart = cursor.selectionStart();
  listing.selectionEnd = cursor.selectionEnd();
  listing.breakWidth = 1;  // a document counts one position per block separator
  return listing;
}

}  // namespace vorn::viewer::output
