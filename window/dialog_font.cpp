// SPDX-License-Identifier: MIT
#include "dialog_font.h"

#include "describe.h"
#include "layout.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

// Clear pixels a caption keeps before the control that follows it on its row.
constexpr int kClearance = 5;

// The pixels a caption keeps to spare above and below its letters (see roomForGlyphs).
#ifdef Q_OS_WIN
constexpr int kSpareAboveBelow = 1;
#else
constexpr int kSpareAboveBelow = 0;
#endif

// The narrowest stretch (percent) a font is condensed to; narrower reads badly.
constexpr int kNarrowest = 60;

// The room of each caption of a window: from its left edge to the next control on its row, or to
// the window's edge.
QList<std::pair<QString, qreal>> captionRooms(const QWidget& window) {
    QList<std::pair<QString, qreal>> rooms;
    for (const form::Control& control : form::controls()) {
        if (control.kind != form::Kind::Caption && control.kind != form::Kind::Unit &&
            control.kind != form::Kind::Credit)
            continue;
        const std::string_view name = form::nameOf(control.id);
        const auto* label = window.findChild<const QLabel*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
            Qt::FindDirectChildrenOnly);
        if (!label || label->text().isEmpty())
            continue;
        rooms.append({label->text(), form::roomAfter(control) - kClearance});
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
    // The places were drawn for a narrow 8-point sans-serif: Windows' MS Sans Serif. On Windows
    // that is a bitmap font in a few fixed sizes, coarse at 8 points and worse when the screen
    // is scaled, so a scalable face that every Windows has is taken there: Microsoft Sans Serif,
    // MS Sans Serif's TrueType twin of the same widths, or Tahoma or Segoe UI. Elsewhere
    // Liberation Sans Narrow is the closest. Where none is installed a common sans-serif is
    // named, never left to the font system's substitute for a missing family (which may be a
    // monospace), and the window condenses it to fit (fittedToCaptions).
    const QStringList installed = QFontDatabase::families();
    QString family = QStringLiteral("Sans Serif");
    for (const char* wanted : {
#ifdef Q_OS_WIN
             "Microsoft Sans Serif", "Tahoma", "Segoe UI", "Liberation Sans Narrow",
#else
             "Liberation Sans Narrow", "MS Sans Serif", "Microsoft Sans Serif",
#endif
             "Liberation Sans", "Arimo", "Arial", "DejaVu Sans", "Noto Sans", "Tahoma"})
        if (installed.contains(QString::fromLatin1(wanted), Qt::CaseInsensitive)) {
            family = QString::fromLatin1(wanted);
            break;
        }
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void roomForGlyphs(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (controlKind(*label, window) != QLatin1String("caption"))
            continue;
        // The text stands at the top left of its box: its baseline one ascent below the top. A
        // letter may reach past its own origin (the "A" of some faces leans out to the left) and
        // past the ascent (the dot of "İ"); and on a scaled screen the hinted letters are not
        // quite as large as they measure here, so each end of the line keeps a pixel to spare,
        // and on Windows, whose scale hints the letters anew, so do its top and bottom.
        const QFontMetricsF metrics(label->font());
        const QRectF ink = metrics.tightBoundingRect(label->text());
        const auto beyond = [](qreal past) {
            return std::max(0, static_cast<int>(std::ceil(past)));
        };
        const int left = beyond(1 - ink.left());
        const int right = beyond(ink.right() + 1 - label->width());
        const int above = beyond(kSpareAboveBelow - (metrics.ascent() + ink.top()));
        const int below =
            beyond(metrics.ascent() + ink.bottom() + kSpareAboveBelow - label->height());
        if (left == 0 && right == 0 && above == 0 && below == 0)
            continue;
        label->setGeometry(label->geometry().adjusted(-left, -above, right, below));
        label->setContentsMargins(left, above, right, below);
    }
}

QFont fittedToCaptions(const QWidget& window) {
    const QList<std::pair<QString, qreal>> rooms = captionRooms(window);
    QFont font = window.font();
#ifdef Q_OS_WIN
    // Windows condenses a face by squeezing its hinted letters, which at these sizes smears
    // them ("o" reads as "a"): there the face first steps down, half a point at a time, to 7
    // points, and is condensed only after that.
    for (qreal size = font.pointSizeF(); size > 7 && !fits(font, rooms);) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
#endif
    for (int stretch = 100; stretch > kNarrowest && !fits(font, rooms);) {
        stretch -= 2;
        font.setStretch(stretch);
    }
    return font;
}
