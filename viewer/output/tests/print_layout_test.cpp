#include "print_layout.h"

#include <gtest/gtest.h>

namespace vorn::viewer::output {
namespace {

TEST(ChartPrintRect, PortraitAndLandscapePages) {
  struct Row {
    int width, height;
    bool landscape;
    PageRect expected;
  };
  const Row rows[] = {
      {4800, 6600, false, {400, 550, 4400, 3300}},   // upper half, margins of a twelfth
      {6600, 4800, true, {550, 600, 6050, 4200}},    // an eighth above and below
      {4799, 6599, false, {399, 549, 4400, 3300}},   // integer divisions: 4799/12 = 399
      {9583, 13699, false, {798, 1141, 8785, 6850}}, // A4 at 1200 dpi
      {13699, 9583, true, {1141, 1197, 12558, 8386}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, chartPrintRect(row.width, row.height, row.landscape))
        << row.width << " x " << row.height << (row.landscape ? " landscape" : " portrait");
}

TEST(ListingLayout, HundredThirtyLinesOfHeightFifty) {
  const int perPage = listingLinesPerPage(6600, 50);
  ASSERT_EQ(125, perPage);
  EXPECT_EQ((LinePlacement{0, 90}), placeListingLine(0, perPage, 50));
  EXPECT_EQ((LinePlacement{0, 140}), placeListingLine(1, perPage, 50));
  EXPECT_EQ((LinePlacement{0, 6290}), placeListingLine(124, perPage, 50));
  EXPECT_EQ((LinePlacement{1, 90}), placeListingLine(125, perPage, 50));
  EXPECT_EQ((LinePlacement{1, 290}), placeListingLine(129, perPage, 50));
}

TEST(ListingLayout, LinesPerPageNeverBelowOne) {
  struct Row {
    int pageHeight, lineHeight, expected;
  };
  const Row rows[] = {
      {6600, 50, 125}, {6599, 50, 125}, {6600, 53, 118},
      {400, 50, 1},   // (400-240)/50 - 2 = 1
      {340, 50, 1},   // would be 0: a font too large still prints a line a page
      {200, 50, 1},   // page smaller than the top reserve
      {6600, 0, 1},   // no height measured
      {6600, 7000, 1},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, listingLinesPerPage(row.pageHeight, row.lineHeight))
        << "H=" << row.pageHeight << " h=" << row.lineHeight;
  // With one line a page every line starts a page of its own.
  EXPECT_EQ((LinePlacement{3, 90}), placeListingLine(3, listingLinesPerPage(340, 50), 50));
}

TEST(SelectedLines, WholeLinesFromStartToEnd) {
  // Five lines of 10 characters, CR LF after each: line k starts at 12k.
  const std::vector<int> lengths(5, 10);
  struct Row {
    const char* what;
    std::int64_t start, end;
    std::vector<int> expected;
  };
  const Row rows[] = {
      {"inside the third line to inside the fourth", 27, 40, {2, 3}},
      {"start of the third line", 24, 24, {2}},
      {"end of the third line", 34, 34, {2}},
      {"ends where the fourth line starts", 27, 36, {2, 3}},
      {"whole text", 0, 58, {0, 1, 2, 3, 4}},
      {"ends at the start of the fifth line", 5, 48, {0, 1, 2, 3, 4}},
      {"beyond the end", 50, 80, {4}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.expected, selectedLines(lengths, row.start, row.end)) << row.what;
}

TEST(SelectedLines, EditorPositionsWithOneCharacterBreaks) {
  // "ab\ncdef\n\nxyz": lines start at 0, 3, 8, 9.
  const std::vector<int> lengths = {2, 4, 0, 3};
  EXPECT_EQ((std::vector<int>{1}), selectedLines(lengths, 4, 6, 1));
  EXPECT_EQ((std::vector<int>{1, 2, 3}), selectedLines(lengths, 5, 10, 1));
  EXPECT_EQ((std::vector<int>{2}), selectedLines(lengths, 8, 8, 1));
  EXPECT_TRUE(selectedLines({}, 0, 0, 1).empty());
}

}  // namespace
}  // namespace vorn::viewer::output
