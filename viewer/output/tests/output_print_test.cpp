#include <filesystem>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

#include "fake_prompts.h"
#include "output_commands.h"
#include "print_layout.h"
#include "test_chart.h"
#include "test_files.h"

namespace vorn::viewer::output {
namespace {

using namespace vorn::viewer::output::testing;

bool havePoppler() { return !commandOutput("command -v pdfinfo pdftotext pdftoppm").empty(); }

int pageCount(const std::string& pdf) {
  const std::string info = commandOutput("pdfinfo '" + pdf + "'");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string pageText(const std::string& pdf, int page) {
  const std::string n = std::to_string(page);
  return commandOutput("pdftotext -layout -f " + n + " -l " + n + " '" + pdf + "' -");
}

int countOf(const std::string& text, const std::string& word) {
  int n = 0;
  for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

// First and last pixel rows (as fractions of the page height) that are not white.
std::pair<double, double> inkedRows(const std::string& pdf, const std::string& png) {
  commandOutput("pdftoppm -r 40 -png -singlefile '" + pdf + "' '" + png.substr(0, png.size() - 4) +
                "'");
  const QImage page(QString::fromStdString(png));
  int first = -1, last = -1;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (page.pixelColor(x, y).lightness() < 250) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  if (page.height() == 0 || first < 0) return {-1, -1};
  return {double(first) / page.height(), double(last) / page.height()};
}

class PrintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!havePoppler()) GTEST_SKIP() << "poppler-utils not installed";
    prompts.pdfPath = QString::fromStdString(pdf);
  }
  TempDir dir;
  std::string pdf = dir.file("out.pdf");
  FakePrompts prompts;
  OutputCommands commands{prompts};
};

TEST_F(PrintTest, PortraitChartFillsUpperHalfOfOnePage) {
  auto view = makeChartView();
  commands.printChart(view.get());
  EXPECT_FALSE(prompts.selectionOffered);
  ASSERT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("; ").toStdString();
  EXPECT_EQ(1, pageCount(pdf));
  const auto [first, last] = inkedRows(pdf, dir.file("page.png"));
  EXPECT_NEAR(1.0 / 12, first, 0.02);
  EXPECT_NEAR(0.5, last, 0.02);
}

TEST_F(PrintTest, LandscapeChartLeavesAnEighthAboveAndBelow) {
  auto view = makeChartView();
  prompts.orientation = QPageLayout::Landscape;
  commands.printChart(view.get());
  EXPECT_EQ(1, pageCount(pdf));
  const auto [first, last] = inkedRows(pdf, dir.file("page.png"));
  EXPECT_NEAR(1.0 / 8, first, 0.02);
  EXPECT_NEAR(7.0 / 8, last, 0.02);
}

TEST_F(PrintTest, CancelledDialogPrintsNothing) {
  auto view = makeChartView();
  prompts.printConfirmed = false;
  commands.printChart(view.get());
  EXPECT_EQ(1, prompts.printDialogs);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintTest, UnopenableOutputIsReported) {
  auto view = makeChartView();
  prompts.pdfPath = QString::fromStdString(dir.file("missing/out.pdf"));
  commands.printChart(view.get());
  ASSERT_EQ(1, prompts.errors.size());
  EXPECT_TRUE(prompts.errors[0].contains(prompts.pdfPath)) << prompts.errors[0].toStdString();
}

ListingText numberedLines(int count) {
  ListingText listing;
  for (int i = 0; i < count; ++i) listing.lines << QString::asprintf(" row%03d  E/N = %d", i, i);
  return listing;
}

// Lines per page for the listing font on an A4 page, measured independently.
int linesPerA4Page(QPageLayout::Orientation orientation, const std::string& scratch) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(scratch));
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(orientation);
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter(&printer);
  QFont font(QStringLiteral("Courier"), 10);
  font.setStyleHint(QFont::TypeWriter);
  painter.setFont(font);
  const int h = painter.fontMetrics().height();
  const int pageHeight = printer.height();
  painter.end();
  return (pageHeight - 240) / h - 2;
}

TEST_F(PrintTest, LongListingRunsOverSeveralPages) {
  const int perPage = linesPerA4Page(QPageLayout::Portrait, dir.file("scratch.pdf"));
  ASSERT_GT(perPage, 10);
  const int total = 2 * perPage + 7;
  commands.printListing(numberedLines(total));
  EXPECT_TRUE(prompts.selectionOffered);
  ASSERT_EQ(3, pageCount(pdf));
  const std::string first = pageText(pdf, 1), second = pageText(pdf, 2), third = pageText(pdf, 3);
  EXPECT_EQ(perPage, countOf(first, "row"));
  EXPECT_NE(std::string::npos, first.find("row000"));
  EXPECT_EQ(std::string::npos, first.find(QString::asprintf("row%03d", perPage).toStdString()));
  EXPECT_NE(std::string::npos, second.find(QString::asprintf("row%03d", perPage).toStdString()));
  EXPECT_EQ(7, countOf(third, "row"));
}

TEST_F(PrintTest, SelectionPrintsItsWholeLines) {
  // From inside the third line to inside the fifth line of a text view.
  QPlainTextEdit view;
  view.setPlainText(numberedLines(40).lines.join(QLatin1Char('\n')));
  QTextCursor cursor(view.document()->findBlockByNumber(2));
  cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 5);
  cursor.setPosition(view.document()->findBlockByNumber(4).position() + 3,
                     QTextCursor::KeepAnchor);
  view.setTextCursor(cursor);
  prompts.printRange = QPrinter::Selection;
  commands.printListing(listingOf(*view.document(), view.textCursor()));
  ASSERT_EQ(1, pageCount(pdf));
  const std::string text = pageText(pdf, 1);
  EXPECT_EQ(3, countOf(text, "row")) << text;
  for (const char* row : {"row002", "row003", "row004"})
    EXPECT_NE(std::string::npos, text.find(row)) << row;
  // Whole lines: the third from before the selection start, the fifth to its end.
  EXPECT_NE(std::string::npos, text.find("E/N = 2"));
  EXPECT_NE(std::string::npos, text.find("E/N = 4"));
}

TEST_F(PrintTest, PageRangePrintsThosePages) {
  const int perPage = linesPerA4Page(QPageLayout::Portrait, dir.file("scratch.pdf"));
  ASSERT_GT(perPage, 10);
  const ListingText listing = numberedLines(3 * perPage + 5);  // four pages
  auto row = [](int i) { return QString::asprintf("row%03d", i).toStdString(); };
  prompts.printRange = QPrinter::PageRange;
  prompts.fromPage = 2;
  prompts.toPage = 3;
  commands.printListing(listing);
  ASSERT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("; ").toStdString();
  ASSERT_EQ(2, pageCount(pdf));
  const std::string second = pageText(pdf, 1), third = pageText(pdf, 2);
  EXPECT_EQ(perPage, countOf(second, "row"));
  EXPECT_EQ(perPage, countOf(third, "row"));
  EXPECT_NE(std::string::npos, second.find(row(perPage)));
  EXPECT_NE(std::string::npos, third.find(row(3 * perPage - 1)));
  EXPECT_EQ(std::string::npos, third.find(row(3 * perPage)));

  // The last page, which runs short, and a range past the listing.
  prompts.fromPage = 4;
  prompts.toPage = 9;
  commands.printListing(listing);
  ASSERT_EQ(1, pageCount(pdf));
  EXPECT_EQ(5, countOf(pageText(pdf, 1), "row"));
  std::filesystem::remove(pdf);
  prompts.fromPage = 5;
  commands.printListing(listing);
  ASSERT_EQ(1, prompts.errors.size());
  EXPECT_EQ("Nothing was printed: the listing has 4 page(s), none of them in the pages chosen",
            prompts.errors[0].toStdString());
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintTest, CurrentPageIsTheCursorsPage) {
  const int perPage = linesPerA4Page(QPageLayout::Portrait, dir.file("scratch.pdf"));
  ListingText listing = numberedLines(2 * perPage + 3);
  listing.cursorLine = 2 * perPage + 1;
  prompts.printRange = QPrinter::CurrentPage;
  commands.printListing(listing);
  ASSERT_EQ(1, pageCount(pdf));
  EXPECT_EQ(3, countOf(pageText(pdf, 1), "row"));
}

TEST_F(PrintTest, LandscapeListingPrintsWithLandscapeHeight) {
  const int perPage = linesPerA4Page(QPageLayout::Landscape, dir.file("scratch.pdf"));
  ASSERT_GT(perPage, 5);
  prompts.orientation = QPageLayout::Landscape;
  commands.printListing(numberedLines(perPage + 1));
  ASSERT_EQ(2, pageCount(pdf));
  EXPECT_EQ(perPage, countOf(pageText(pdf, 1), "row"));
  EXPECT_EQ(1, countOf(pageText(pdf, 2), "row"));
}

TEST_F(PrintTest, JobThatCannotStartLeavesThePrinterReadyForTheNext) {
  auto view = makeChartView();
  // Confirmed without a printer or a file: nothing to print into.
  prompts.pdfPath.clear();
  prompts.orientation = QPageLayout::Landscape;
  commands.printChart(view.get());
  ASSERT_EQ(1, prompts.errors.size());
  EXPECT_TRUE(prompts.errors[0].startsWith("Cannot start the print job"))
      << prompts.errors[0].toStdString();
  EXPECT_EQ(QPageLayout::Landscape, commands.printer().pageLayout().orientation());

  prompts.pdfPath = QString::fromStdString(pdf);
  prompts.orientation = QPageLayout::Portrait;
  commands.printChart(view.get());
  EXPECT_EQ(1, prompts.errors.size()) << prompts.errors.join("; ").toStdString();
  EXPECT_EQ(1, pageCount(pdf));

  // The same after a destination that cannot be written.
  prompts.pdfPath = QString::fromStdString(dir.file("missing/out.pdf"));
  commands.printListing(numberedLines(3));
  EXPECT_EQ(2, prompts.errors.size());
  prompts.pdfPath = QString::fromStdString(dir.file("listing.pdf"));
  commands.printListing(numberedLines(3));
  EXPECT_EQ(2, prompts.errors.size()) << prompts.errors.join("; ").toStdString();
  EXPECT_EQ(3, countOf(pageText(dir.file("listing.pdf"), 1), "row"));
}

TEST_F(PrintTest, PageTooSmallForTheFontStillPrintsALinePerPage) {
  // 15 mm high: (708 - 240)/h - 2 is 0 for a 10 point font at 1200 dpi.
  prompts.pageSize = QPageSize(QSizeF(80, 15), QPageSize::Millimeter);
  commands.printListing(numberedLines(3));
  ASSERT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join("; ").toStdString();
  ASSERT_EQ(3, pageCount(pdf));
  for (int page = 1; page <= 3; ++page)
    EXPECT_EQ(1, countOf(pageText(pdf, page), "row")) << "page " << page;
}

}  // namespace
}  // namespace vorn::viewer::output
