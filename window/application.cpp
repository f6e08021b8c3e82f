// SPDX-License-Identifier: MIT
#include "application.h"

#include "accessible.h"
#include "window_icon.h"

#include <QAccessible>

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("fan-selection"));
    QApplication::setApplicationVersion(QStringLiteral(FANSEL_VERSION));
    // The desktop entry the window belongs to, for the task bar's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.FanSelection"));
    QApplication::setWindowIcon(windowIcon::make());
    QAccessible::installFactory(accessibleControl);

    app.setFont(dialogFont());
}

QFont dialogFont() {
    // Every place in the window is laid out for an 8-point sans-serif dialog font whose glyphs
    // are narrower than today's sans-serifs; in Liberation Sans every caption would touch the box
    // beside it. Its condensed cut, Liberation Sans Narrow, leaves clear space after each; where
    // it is missing the style hint finds another sans-serif.
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}
