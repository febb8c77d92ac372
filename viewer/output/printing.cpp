#include "printing.h"

#include <algorithm>
#include <vector>

#include <QBuffer>
#include <QChartView>
#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "file_replace.h"
#include "print_layout.h"

namespace vorn::viewer::output {
namespace {

// Where a job draws. A printer draws itself; "Print to File" draws a PDF document in memory
// that replaces the chosen file only once it is complete, since Qt's own PDF output leaves a
// cut file on a full disk and reports nothing.
class JobDevice {
 public:
  explicit JobDevice(QPrinter& printer) : m_printer(printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat) return;
    m_file = printer.outputFileName();
    if (m_file.isEmpty()) throw PrintError("Cannot start the print job: no file to print into");
    m_document.open(QIODevice::WriteOnly);
    m_pdf = std::make_unique<QPdfWriter>(&m_document);
    m_pdf->setResolution(printer.resolution());
    m_pdf->setPageLayout(printer.pageLayout());
    m_pdf->setTitle(printer.docName());
    m_pdf->setCreator(printer.creator());
  }

  QPagedPaintDevice& device() { return m_pdf ? static_cast<QPagedPaintDevice&>(*m_pdf) : m_printer; }
  bool landscape() { return device().pageLayout().orientation() == QPageLayout::Landscape; }

  void begin(QPainter& painter) {
    if (painter.begin(&device())) return;
    throw PrintError("Cannot start the print job");
  }
  // Sends nothing of a job that failed.
  void abort() {
    if (!m_pdf) m_printer.abort();
  }
  void finish() {
    if (!m_pdf) return;
    m_pdf.reset();  // completes the document
    const QByteArray& bytes = m_document.data();
    const std::string error = replaceFile(QFile::encodeName(m_file).toStdString(),
                                          std::string_view(bytes.constData(), bytes.size()));
    if (!error.empty()) throw PrintError(error);
  }

 private:
  QPrinter& m_printer;
  QString m_file;
  QBuffer m_document;
  std::unique_ptr<QPdfWriter> m_pdf;
};

// Runs draw inside a started job; an exception aborts the job and goes on to
// the caller, so no half-printed document is sent or written.
template <typename Draw>
void runJob(QPrinter& printer, Draw draw) {
  JobDevice job(printer);
  QPainter painter;
  job.begin(painter);
  try {
    draw(painter, job);
  } catch (...) {
    job.abort();
    painter.end();
    throw;
  }
  painter.end();
  job.finish();
}

// The pages of the printer's page range, from 1; empty for the whole document.
std::vector<int> chosenPages(const QPrinter& printer, int pageCount) {
  std::vector<int> pages;
  const QPageRanges ranges = printer.pageRanges();
  for (int page = 1; page <= pageCount; ++page) {
    const bool chosen = ranges.isEmpty()
                            ? printer.fromPage() == 0 ||
                                  (page >= printer.fromPage() && page <= printer.toPage())
                            : ranges.contains(page);
    if (chosen) pages.push_back(page);
  }
  return pages;
}

std::vector<int> linesToPrint(const QPrinter& printer, const ListingText& listing, int perPage) {
  std::vector<int> picked;
  const int count = static_cast<int>(listing.lines.size());
  switch (printer.printRange()) {
    case QPrinter::AllPages:
      for (int i = 0; i < count; ++i) picked.push_back(i);
      break;
    case QPrinter::Selection: {
      std::vector<int> lengths;
      lengths.reserve(listing.lines.size());
      for (const QString& line : listing.lines) lengths.push_back(static_cast<int>(line.size()));
      picked = selectedLines(lengths, listing.selectionStart, listing.selectionEnd,
                             listing.breakWidth);
      break;
    }
    case QPrinter::PageRange: {
      // The pages as a printout of all lines has them; whole pages follow each other, so
      // each keeps its lines where the full printout puts them.
      const int pageCount = std::max(1, (count + perPage - 1) / perPage);
      const std::vector<int> pages = chosenPages(printer, pageCount);
      if (pages.empty())
        throw PrintError(QStringLiteral("Nothing was printed: the listing has %1 page(s), "
                                        "none of them in the pages chosen")
                             .arg(pageCount)
                             .toStdString());
      for (int page : pages)
        for (int i = (page - 1) * perPage; i < std::min(count, page * perPage); ++i)
          picked.push_back(i);
      break;
    }
    case QPrinter::CurrentPage: {
      // The dialog offers it whatever its options say.
      const int first = std::max(0, listing.cursorLine) / perPage * perPage;
      for (int i = first; i < std::min(count, first + perPage); ++i) picked.push_back(i);
      break;
    }
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
  runJob(printer, [&](QPainter& painter, JobDevice& job) {
    QPagedPaintDevice& device = job.device();
    const PageRect r = chartPrintRect(device.width(), device.height(), job.landscape());
    const QRectF target(r.left, r.top, r.right - r.left, r.bottom - r.top);
    painter.setRenderHint(QPainter::Antialiasing);
    view->render(&painter, target, view->viewport()->rect(), Qt::IgnoreAspectRatio);
  });
}

void printListing(QPrinter& printer, const ListingText& listing) {
  runJob(printer, [&](QPainter& painter, JobDevice& job) {
    QPagedPaintDevice& device = job.device();
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height();
    const int perPage = listingLinesPerPage(device.height(), lineHeight);
    const std::vector<int> picked = linesToPrint(printer, listing, perPage);
    for (int n = 0; n < static_cast<int>(picked.size()); ++n) {
      const LinePlacement place = placeListingLine(n, perPage, lineHeight);
      if (n > 0 && n % perPage == 0 && !device.newPage())
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
  listing.cursorLine = cursor.blockNumber();
  return listing;
}

}  // namespace vorn::viewer::output
