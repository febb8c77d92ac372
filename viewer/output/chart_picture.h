// Pictures of a chart as it is shown: its view's client area, drawn into a
// bitmap and written as a 24-bit BMP or a baseline colour JPEG.
#pragma once

#include <QImage>
#include <QString>

#include "output_prompts.h"

class QChartView;

namespace vorn::viewer::output {

// The chart view's client area drawn on the chart's back colour (a fresh
// image's memory is undefined, so it is always filled first).
QImage renderChartImage(QChartView* view);

// Writes the picture; returns an empty text, or the error message naming path and
// its reason, path then being as it was.
QString savePicture(const QImage& picture, const QString& path, PictureFormat format);

}  // namespace vorn::viewer::output
