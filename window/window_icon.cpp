#include "window_icon.h"

#include "window_icon_pixels.h"

#include <QImage>
#include <QPixmap>
#include <cmath>
#include <span>

namespace windowIcon {

QIcon make() {
    QIcon icon;
    const std::span<const std::uint32_t> sizes[] = {kWindowIcon16, kWindowIcon32, kWindowIcon48,
                                                    kWindowIcon64};
    for (const auto pixels : sizes) {
        const int size = static_cast<int>(std::lround(std::sqrt(pixels.size())));
        const QImage image(reinterpret_cast<const uchar*>(pixels.data()), size, size,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace windowIcon
