#include <QImage>

#include <gtest/gtest.h>

#include "fake_prompts.h"
#include "output_commands.h"
#include "test_chart.h"
#include "test_files.h"

namespace vorn::viewer::output {
namespace {

using namespace vorn::viewer::output::testing;

bool hasColourOtherThan(const QImage& picture, QColor ground) {
  for (int y = 0; y < picture.height(); y += 3)
    for (int x = 0; x < picture.width(); x += 3)
      if (picture.pixelColor(x, y) != ground) return true;
  return false;
}

class SavePicture : public ::testing::Test {
 protected:
  std::unique_ptr<QChartView> view = makeChartView();
  TempDir dir;
  FakePrompts prompts;
  OutputCommands commands{prompts};

  QString save(const std::string& name, PictureFormat format) {
    prompts.pictureAnswer = PictureChoice{QString::fromStdString(dir.file(name)), format};
    commands.saveChart(view.get(), QStringLiteral("/start/dir"));
    return prompts.errors.join(QLatin1Char('\n'));
  }
};

TEST_F(SavePicture, BitmapIsA24BitPictureOfTheClientArea) {
  ASSERT_EQ(QSize(kChartWidth, kChartHeight), view->viewport()->size());
  EXPECT_EQ("", save("chart", PictureFormat::Bitmap).toStdString());
  EXPECT_EQ(QStringList{"/start/dir"}, prompts.startDirs);
  const std::string path = dir.file("chart.bmp");
  const std::string described = commandOutput("file -b '" + path + "'");
  EXPECT_NE(std::string::npos, described.find("PC bitmap")) << described;
  EXPECT_NE(std::string::npos, described.find("756 x 480 x 24")) << described;
  const QImage back(QString::fromStdString(path));
  ASSERT_EQ(QSize(kChartWidth, kChartHeight), back.size());
  EXPECT_TRUE(hasColourOtherThan(back, back.pixelColor(0, 0)));
}

TEST_F(SavePicture, JpegWithoutTypedExtensionGetsJpg) {
  EXPECT_EQ("", save("chart", PictureFormat::Jpeg).toStdString());
  EXPECT_FALSE(std::filesystem::exists(dir.file("chart.bmp")));
  const std::string path = dir.file("chart.jpg");
  const std::string described = commandOutput("file -b '" + path + "'");
  EXPECT_NE(std::string::npos, described.find("baseline, precision 8, 756x480, components 3"))
      << described;
  const QImage back(QString::fromStdString(path));
  ASSERT_EQ(QSize(kChartWidth, kChartHeight), back.size());
  EXPECT_TRUE(hasColourOtherThan(back, Qt::white));
}

TEST_F(SavePicture, TypedExtensionIsKeptAndFilterDecidesFormat) {
  EXPECT_EQ("", save("picture.jpeg", PictureFormat::Jpeg).toStdString());
  EXPECT_EQ("\xFF\xD8", readAll(dir.file("picture.jpeg")).substr(0, 2));
  EXPECT_EQ("", save("odd.jpg", PictureFormat::Bitmap).toStdString());
  EXPECT_EQ("BM", readAll(dir.file("odd.jpg")).substr(0, 2));
}

TEST_F(SavePicture, UnwritableFileIsReportedByName) {
  for (PictureFormat format : {PictureFormat::Bitmap, PictureFormat::Jpeg}) {
    prompts.errors.clear();
    const QString errors = save("missing/chart", format);
    const QString expectedPath =
        QString::fromStdString(dir.file("missing/chart.")) + pictureSuffix(format);
    EXPECT_TRUE(errors.contains(expectedPath)) << errors.toStdString();
  }
}

TEST_F(SavePicture, CancelledDialogWritesNothing) {
  commands.saveChart(view.get(), QStringLiteral("/start/dir"));
  EXPECT_TRUE(prompts.errors.isEmpty());
  EXPECT_EQ(1, prompts.startDirs.size());
}

TEST(PictureSuffix, DefaultSuffixOnlyWhenNoneTyped) {
  EXPECT_EQ("/a/chart.jpg", withDefaultSuffix("/a/chart", "jpg").toStdString());
  EXPECT_EQ("/a/chart.bmp", withDefaultSuffix("/a/chart", "bmp").toStdString());
  EXPECT_EQ("/a/chart.BMP", withDefaultSuffix("/a/chart.BMP", "jpg").toStdString());
  EXPECT_EQ("/a.b/chart.dat", withDefaultSuffix("/a.b/chart", "dat").toStdString());
  EXPECT_EQ((QStringList{"Bitmaps (*.bmp)", "JPEG Image File (*.jpg *.jpeg)"}), pictureFilters());
}

}  // namespace
}  // namespace vorn::viewer::output
