// SPDX-License-Identifier: MIT
// What is drawn: on a picture of the real window, every caption and unit stands clear of the
// box that follows it on its row, at any screen density.

#include "describe.h"
#include "facts.h"
#include "ink.h"
#include "person.h"

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <utility>

namespace {

// The rightmost column of a band of the picture (physical pixels) where anything is drawn on
// the background; -1 where nothing is.
int rightmostInk(const QImage& picture, const QRect& band, QRgb background) {
    for (int x = band.right(); x >= band.left(); --x)
        for (int y = band.top(); y <= band.bottom(); ++y)
            if (picture.pixel(x, y) != background)
                return x;
    return -1;
}

TEST(Look, EveryCaptionAndUnitStandsClearOfTheNextControl) {
    Person person;
    Form1& form = person.window();
    const QImage picture = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double scale = picture.devicePixelRatio();
    const int wanted = static_cast<int>(4 * scale); // clear pixels before the next control
    auto physical = [scale](const QRect& r) {
        return QRect(
            QPoint(qRound(r.left() * scale), qRound(r.top() * scale)),
            QPoint(qRound((r.right() + 1) * scale) - 1, qRound((r.bottom() + 1) * scale) - 1));
    };
    const QList<QWidget*> controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int measured = 0;
    std::pair<int, QString> smallest{INT_MAX, QString()};
    for (const QWidget* widget : controls) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (controlKind(*widget, form) != "caption" || label->text().isEmpty())
            continue;
        // The next control to the right whose box shares the label's rows, or the window edge.
        int next = form.width();
        for (const QWidget* other : controls)
            if (other != widget && other->x() > label->x() &&
                other->y() <= label->geometry().bottom() &&
                other->geometry().bottom() >= label->y() && other->objectName() != "Line1")
                next = std::min(next, other->x());
        const QRect band =
            physical(QRect(label->x(), label->y(), next - label->x(), label->height()));
        const QRgb background = label->palette().color(QPalette::Window).rgb();
        const int ink = rightmostInk(picture, band, background);
        ASSERT_GE(ink, 0) << label->objectName().toStdString() << " shows nothing";
        const int gap = band.right() - ink;
        EXPECT_GE(gap, wanted) << label->objectName().toStdString() << " \""
                               << label->text().toStdString() << "\" stands " << gap
                               << " px from the next control";
        smallest = std::min(smallest, {gap, label->text()});
        ++measured;
    }
    EXPECT_EQ(measured, factNumber("captions"));
    const QFontInfo font(form.font());
    std::printf("smallest clear space at scale %g in %s at stretch %d: %d px, after \"%s\"\n",
                scale, qPrintable(font.family()), form.font().stretch(), smallest.first,
                qPrintable(smallest.second));
    // Where the test hides the narrow dialog font, the window draws in another font.
    if (qEnvironmentVariableIsSet("FANSEL_NARROW_FONT_HIDDEN")) {
        EXPECT_NE(font.family(), "Liberation Sans Narrow");
    }
}

TEST(Look, EveryLetterOfEveryCaptionIsDrawnWhole) {
    // Each caption as the window draws it, in its box, against its text drawn where it stands
    // but with nothing cut off: the same ink, so no dot of "İ" nor cedilla is lost at the box's
    // edges.
    Person person;
    Form1& form = person.window();
    int looked = 0;
    for (QLabel* label : form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (controlKind(*label, form) == "caption") {
            EXPECT_TRUE(drawnWhole(*label))
                << label->objectName().toStdString() << " \"" << label->text().toStdString() << '"';
            ++looked;
        }
    }
    EXPECT_EQ(looked, factNumber("captions"));
}

} // namespace
