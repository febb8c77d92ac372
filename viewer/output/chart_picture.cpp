#include "chart_picture.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include "file_replace.h"
#include "jpeg_writer.h"

namespace vorn::viewer::output {

QImage renderChartImage(QChartView* view) {
  const QRect area = view->viewport()->rect();
  QImage picture(area.size(), QImage::Format_RGB32);
  const QChart* chart = view->chart();
  QColor ground = chart ? chart->backgroundBrush().color() : QColor(Qt::white);
  if (!ground.isValid() || ground.alpha() == 0) ground = Qt::white;
  picture.fill(ground);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  view->render(&painter, QRectF(picture.rect()), area);
  return picture;
}

QString savePicture(const QImage& picture, const QString& path, PictureFormat format) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  if (format == PictureFormat::Jpeg) {
    const std::string error = writeJpeg(QFile::encodeName(path).toStdString(), rgb.constBits(),
                                        rgb.width(), rgb.height(),
                                        static_cast<int>(rgb.bytesPerLine()));
    return QFile::decodeName(QByteArray::fromStdString(error));
  }
  QBuffer bitmap;
  bitmap.open(QIODevice::WriteOnly);
  QImageWriter writer(&bitmap, "bmp");
  if (!writer.write(rgb))
    return QStringLiteral("Cannot write the file %1: %2").arg(path, writer.errorString());
  const QByteArray& bytes = bitmap.data();
  const std::string error = replaceFile(QFile::encodeName(path).toStdString(),
                                        std::string_view(bytes.constData(), bytes.size()));
  return QFile::decodeName(QByteArray::fromStdString(error));
}

}  // namespace vorn::viewer::output
