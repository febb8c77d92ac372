#include "output_prompts.h"

#include <QFileInfo>

namespace vorn::viewer::output {

QStringList pictureFilters() {
  return {QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("JPEG Image File (*.jpg *.jpeg)")};
}

QString pictureSuffix(PictureFormat format) {
  return format == PictureFormat::Jpeg ? QStringLiteral("jpg") : QStringLiteral("bmp");
}

QString withDefaultSuffix(const QString& path, const QString& suffix) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + QLatin1Char('.') + suffix;
}

}  // namespace vorn::viewer::output
