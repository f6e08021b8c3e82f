#include "application.h"

#include "accessible.h"
#include "window_icon.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("fan-selection"));
    QApplication::setWindowIcon(windowIcon::make());
    QAccessible::installFactory(accessibleControl);

    // Every place in the window is laid out for an 8-point sans-serif dialog font; the
    // toolkit's default here is larger and would crowd the captions. Liberation Sans has the
    // metrics of the common dialog fonts; where it is missing the style hint finds another.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    app.setFont(font);
}
