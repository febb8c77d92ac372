// Printing a chart into its rectangle of the first page, and the listing text
// as lines of a 10 point Courier font, through an already set-up QPrinter. A
// printer set to print into a PDF file replaces that file only with a complete
// document; a failure to write it is a PrintError naming the file and the reason.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>

#include <QPrinter>
#include <QStringList>

class QChartView;
class QTextCursor;
class QTextDocument;

namespace vorn::viewer::output {

// The print job could not be started or was aborted; what() says why.
class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A printer with the choices of used (destination, page layout, copies, colour,
// duplex) and no job. A QPrinter whose job failed to start can stay "active"
// and then refuses every new setting, so its owner swaps it for this copy.
std::unique_ptr<QPrinter> printerLike(const QPrinter& used);

// One print job of one page with the chart view's client area scaled into
// chartPrintRect. An error while drawing aborts the job and is rethrown.
void printChart(QPrinter& printer, QChartView* view);

// The listing as the printer's print range asks: every line, the whole lines a
// selection touches (positions as in selectedLines), the pages of a page range
// or the current page, each page as the printout of every line has it (a range
// without any page of the listing is a PrintError). Landscape pages print like
// portrait ones with their own height.
struct ListingText {
  QStringList lines;
  std::int64_t selectionStart = 0;
  std::int64_t selectionEnd = 0;
  int breakWidth = 1;  // characters per line break in the selection positions
  int cursorLine = 0;  // the line of the text cursor, whose page is the current page
};
void printListing(QPrinter& printer, const ListingText& listing);

// The lines and the selection of a text view's document (one block a line).
ListingText listingOf(const QTextDocument& document, const QTextCursor& cursor);

}  // namespace vorn::viewer::output
