// SPDX-License-Identifier: MIT
#include "window_icon.h"

#include "window_icon_pixels.h"

#include <QImage>
#include <QPixmap>

namespace windowIcon {

QIcon make() {
    QIcon icon;
    for (const WindowIconPixels& drawn : kWindowIcons) {
        const QImage image(reinterpret_cast<const uchar*>(drawn.pixels), drawn.size, drawn.size,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace windowIcon
