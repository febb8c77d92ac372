#include "print_layout.h"

#include <algorithm>

namespace vorn::viewer::output {

PageRect chartPrintRect(int pageWidth, int pageHeight, bool landscape) {
  const int marginX = pageWidth / 12;
  if (landscape) {
    const int marginY = pageHeight / 8;
    return {marginX, marginY, pageWidth - marginX, pageHeight - marginY};
  }
  return {marginX, pageHeight / 12, pageWidth - marginX, pageHeight - pageHeight / 2};
}

int listingLinesPerPage(int pageHeight, int lineHeight) {
  if (lineHeight <= 0) return 1;
  return std::max(1, (pageHeight - 240) / lineHeight - 2);
}

int listingLineTop(int lineOnPage, int lineHeight) {
  return (lineOnPage + 1) * lineHeight + kListingTop;
}

LinePlacement placeListingLine(int printedIndex, int linesPerPage, int lineHeight) {
  const int perPage = std::max(1, linesPerPage);
  return {printedIndex / perPage, listingLineTop(printedIndex % perPage, lineHeight)};
}

std::vector<int> selectedLines(const std::vector<int>& lineLengths, std::int64_t selectionStart,
                               std::int64_t selectionEnd, int breakWidth) {
  // Walk the text keeping t = characters up to the end of the current line; a
  // line is taken once its end reaches the selection start, and the walk stops
  // when the next line starts beyond the selection end.
  std::vector<int> lines;
  std::int64_t t = 0;
  for (int i = 0; i < static_cast<int>(lineLengths.size()) && t <= selectionEnd; ++i) {
    t += lineLengths[i];
    if (t >= selectionStart) lines.push_back(i);
    t += breakWidth;
  }
  return lines;
}

}  // namespace vorn::viewer::output
