// SPDX-License-Identifier: MIT
#include "icon_art.h"

#include <QPainter>
#include <QPainterPath>

namespace iconArt {

QImage draw(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // The cooler's square frame and the fan ring.
    painter.setPen(QPen(QColor(40, 60, 90), 1.5));
    painter.setBrush(QColor(200, 220, 240));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    painter.setBrush(QColor(245, 250, 255));
    painter.drawEllipse(QPointF(16, 16), 13, 13);

    // Three swept blades around the hub.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 110, 190));
    for (int blade = 0; blade < 3; ++blade) {
        painter.save();
        painter.translate(16, 16);
        painter.rotate(120.0 * blade);
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(6, -3, 11, -2, 11.5, 3);
        path.cubicTo(8, 5, 4, 4, 0, 0);
        painter.drawPath(path);
        painter.restore();
    }
    painter.setBrush(QColor(40, 60, 90));
    painter.drawEllipse(QPointF(16, 16), 2.5, 2.5);
    return image;
}

} // namespace iconArt
