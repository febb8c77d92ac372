#include "viewer/gui/intro_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace vorn::viewer {
namespace {

// A framed plot with curves y = curve(k, t) for t in [0, 1], y in [0, 1] (1 at the top).
template <typename Curve>
QPixmap plot(QSize size, const QString& caption, int curves, Curve curve) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(0xF4, 0xF4, 0xEC));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(40, 20, size.width() - 60, size.height() - 50);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.drawLine(area.bottomLeft(), area.bottomRight());
    static const QColor colours[] = {Qt::red, QColor(0, 160, 0), Qt::blue, Qt::magenta, QColor(0, 160, 160)};
    for (int k = 0; k < curves; ++k) {
        QPainterPath path;
        for (int i = 0; i <= 100; ++i) {
            const double t = i / 100.0;
            const QPointF pt(area.left() + t * area.width(), area.bottom() - curve(k, t) * area.height());
            if (i == 0) path.moveTo(pt); else path.lineTo(pt);
        }
        p.setPen(QPen(colours[k % 5], 2));
        p.drawPath(path);
    }
    p.setPen(Qt::blue);
    p.drawText(QRectF(0, size.height() - 26, size.width(), 24), Qt::AlignCenter, caption);
    return pixmap;
}

}  // namespace

QPixmap distributionPicture(QSize size) {
    return plot(size, "f(u)", 4, [](int k, double t) {
        return std::max(0.0, 1.0 - t * t * (3.0 - 0.5 * k) - 0.2 * t);
    });
}

QPixmap rateConstantPicture(QSize size) {
    return plot(size, "K(E/N)", 4, [](int k, double t) {
        return std::min(1.0, 0.05 + (1.0 - std::exp(-3.0 * t * (k + 1) / 2.0)) * (0.95 - 0.15 * k));
    });
}

}  // namespace vorn::viewer
