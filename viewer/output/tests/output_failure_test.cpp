// Print to a PDF file, Save and Export when the file cannot be written whole: the error names
// the file and the system's reason, and the file is as it was, with nothing left beside it.
#include <functional>

#include <QApplication>
#include <QPrinter>

#include <gtest/gtest.h>

#include "fake_prompts.h"
#include "output_commands.h"
#include "test_chart.h"
#include "test_files.h"

namespace vorn::viewer::output {
namespace {

using namespace vorn::viewer::output::testing;

TEST(OutputFailure, AWriteThatFailsLeavesTheFileAsItWas) {
  auto view = makeChartView();
  const std::vector<TableCurve> curves(3, TableCurve{std::vector<double>(300, 1.5),
                                                     std::vector<double>(300, 2.5e-10), true});
  ListingText listing;
  for (int i = 0; i < 200; ++i) listing.lines << QStringLiteral("listing line %1").arg(i);

  const struct {
    const char* name;
    std::function<void(OutputCommands&, FakePrompts&, const QString&)> run;
  } rows[] = {
      {"chart.pdf",
       [&](OutputCommands& c, FakePrompts& p, const QString& path) {
         p.pdfPath = path;
         c.printChart(view.get());
       }},
      {"listing.pdf",
       [&](OutputCommands& c, FakePrompts& p, const QString& path) {
         p.pdfPath = path;
         c.printListing(listing);
       }},
      {"chart.bmp",
       [&](OutputCommands& c, FakePrompts& p, const QString& path) {
         p.pictureAnswer = PictureChoice{path, PictureFormat::Bitmap};
         c.saveChart(view.get(), QString());
       }},
      {"chart.jpg",
       [&](OutputCommands& c, FakePrompts& p, const QString& path) {
         p.pictureAnswer = PictureChoice{path, PictureFormat::Jpeg};
         c.saveChart(view.get(), QString());
       }},
      {"rates.dat",
       [&](OutputCommands& c, FakePrompts& p, const QString& path) {
         p.tableAnswer = path;
         c.exportChart(curves, QString(), nullptr);
       }},
  };
  for (const auto& row : rows) {
    for (const bool existing : {false, true}) {
      TempDir dir;
      const std::string path = dir.file(row.name);
      const std::string old = "what was there before\n";
      if (existing) std::ofstream(path) << old;
      FakePrompts prompts;
      OutputCommands commands(prompts);
      {
        const FileSizeLimit limit(1000);  // less than any of the outputs
        row.run(commands, prompts, QString::fromStdString(path));
      }
      const std::string where = std::string(row.name) + (existing ? " over a file" : "");
      ASSERT_EQ(1, prompts.errors.size()) << where;
      EXPECT_EQ("Cannot write the file " + path + ": File too large", prompts.errors[0].toStdString())
          << where;
      EXPECT_EQ(existing ? std::vector<std::string>{row.name} : std::vector<std::string>{},
                namesIn(dir.file(""))) << where;
      if (existing) {
        EXPECT_EQ(old, readAll(path)) << where;
      }

      // Without the limit the same command writes the file.
      prompts.errors.clear();
      row.run(commands, prompts, QString::fromStdString(path));
      EXPECT_TRUE(prompts.errors.isEmpty()) << where << ": " << prompts.errors.join("; ").toStdString();
      EXPECT_EQ(std::vector<std::string>{row.name}, namesIn(dir.file(""))) << where;
      EXPECT_GT(readAll(path).size(), 1000u) << where;
    }
  }
}

}  // namespace
}  // namespace vorn::viewer::output
