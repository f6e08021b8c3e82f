// SPDX-License-Identifier: MIT
#include "ink.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace {

// The box of the pixels of a picture that are not its background; empty where there are none.
QRect inkBox(const QImage& picture, QRgb background) {
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

QRect textInk(const QLabel& caption) {
    auto& label = const_cast<QLabel&>(caption); // grab() paints; it changes nothing
    const QImage drawn = label.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = label.palette().color(QPalette::Window).rgb();
    // The text drawn where the label draws it, with room around it: a whole number of pixels
    // at any of Windows' scales (125, 150, 200 %), so that the glyphs fall on the same pixel grid.
    const int margin = (label.height() + 3) / 4 * 4;
    const int room = qRound(margin * drawn.devicePixelRatio());
    QImage whole(drawn.size() + QSize(2 * room, 2 * room), QImage::Format_RGB32);
    whole.setDevicePixelRatio(drawn.devicePixelRatio());
    whole.fill(background);
    QPainter painter(&whole);
    painter.setFont(label.font());
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.drawText(label.contentsRect().translated(margin, margin),
                     static_cast<int>(label.alignment()) | Qt::TextDontClip, label.text());
    painter.end();
    if (inkBox(drawn, background).isEmpty())
        return {}; // the label draws nothing where it stands
    return inkBox(whole, background).translated(-room, -room);
}

bool drawnWhole(const QLabel& caption) {
    const QRect ink = textInk(caption);
    const QSize box = (QSizeF(caption.size()) * caption.devicePixelRatioF()).toSize();
    return !ink.isEmpty() && QRect(QPoint(), box).contains(ink);
}
