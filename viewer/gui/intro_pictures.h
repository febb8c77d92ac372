#pragma once
// The two pictures of the start-up screen, drawn at run time (no image files to ship).

#include <QPixmap>

namespace vorn::viewer {

QPixmap distributionPicture(QSize size);   // falling distribution functions, log scale
QPixmap rateConstantPicture(QSize size);   // rising rate constants against the field

}  // namespace vorn::viewer
