// Page arithmetic for printing a chart and the listing. All values are printer
// pixels; every division is an integer division, so the results match the
// page positions users know from earlier printouts of this program.
#pragma once

#include <cstdint>
#include <vector>

namespace vorn::viewer::output {

struct PageRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PageRect&) const = default;
};

// Where a chart goes on its page of W x H pixels: portrait uses the upper half
// with margins of a twelfth; landscape leaves an eighth above and below.
PageRect chartPrintRect(int pageWidth, int pageHeight, bool landscape);

// Listing text column and the space kept free at the top of every page.
inline constexpr int kListingLeft = 60;
inline constexpr int kListingTop = 40;

// Lines of height h on a page H pixels high: (H - 240)/h - 2, but never fewer
// than one, so a large font or a small page still makes progress.
int listingLinesPerPage(int pageHeight, int lineHeight);

// Top of the text of the j-th line on its page (j from 0).
int listingLineTop(int lineOnPage, int lineHeight);

struct LinePlacement {
  int page = 0;  // from 0
  int top = 0;   // listingLineTop of the line's slot on that page
  bool operator==(const LinePlacement&) const = default;
};

// The n-th printed line (from 0) with L lines per page.
LinePlacement placeListingLine(int printedIndex, int linesPerPage, int lineHeight);

// The lines a selection touches, printed as whole lines. Positions count the
// characters of the text with every line break as breakWidth characters
// (2 for CR LF text, 1 for a text editor's paragraph separator); the selection
// runs from selectionStart to selectionEnd. Returns the line indices in order.
std::vector<int> selectedLines(const std::vector<int>& lineLengths, std::int64_t selectionStart,
                               std::int64_t selectionEnd, int breakWidth = 2);

}  // namespace vorn::viewer::output
