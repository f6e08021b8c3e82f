// SPDX-License-Identifier: MIT
#include "dialog_font.h"

#include "describe.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QList>
#include <QStringList>
#include <algorithm>

namespace {

// Clear pixels a caption keeps before the control that follows it on its row.
constexpr int kClearance = 5;

// The narrowest stretch (percent) a font is condensed to; narrower reads badly.
constexpr int kNarrowest = 60;

// The room of each caption of a window: from its left edge to the next control on its row, or to
// the window's edge.
QList<std::pair<QString, qreal>> captionRooms(const QWidget& window) {
    QList<std::pair<QString, qreal>> rooms;
    const QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* widget : controls) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (controlKind(*widget, window) != QLatin1String("caption") || label->text().isEmpty())
            continue;
        int next = window.width();
        for (const QWidget* other : controls)
            if (other != widget && other->x() > label->x() &&
                other->y() <= label->geometry().bottom() &&
                other->geometry().bottom() >= label->y() && other->height() > 1)
                next = std::min(next, other->x());
        rooms.append({label->text(), next - label->x() - kClearance});
    }
    return rooms;
}

bool fits(const QFont& font, const QList<std::pair<QString, qreal>>& rooms) {
    const QFontMetricsF metrics(font);
    return std::all_of(rooms.cbegin(), rooms.cend(), [&](const auto& room) {
        return metrics.horizontalAdvance(room.first) <= room.second;
    });
}

} // namespace

QFont dialogFont() {
    // The places were drawn for a narrow 8-point sans-serif: Windows' MS Sans Serif, or here
    // Liberation Sans Narrow. Where neither is installed a common sans-serif is named, never left
    // to the font system's substitute for a missing family (which may be a monospace), and the
    // window condenses it to fit (fittedToCaptions).
    const QStringList installed = QFontDatabase::families();
    QString family = QStringLiteral("Sans Serif");
    for (const char* wanted :
         {"Liberation Sans Narrow", "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans",
          "Arimo", "Arial", "DejaVu Sans", "Noto Sans", "Tahoma"})
        if (installed.contains(QString::fromLatin1(wanted), Qt::CaseInsensitive)) {
            family = QString::fromLatin1(wanted);
            break;
        }
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont fittedToCaptions(const QWidget& window) {
    const QList<std::pair<QString, qreal>> rooms = captionRooms(window);
    QFont font = window.font();
    for (int stretch = 100; stretch > kNarrowest && !fits(font, rooms);) {
        stretch -= 2;
        font.setStretch(stretch);
    }
    return font;
}
