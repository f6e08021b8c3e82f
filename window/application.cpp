// SPDX-License-Identifier: MIT
#include "application.h"

#include "accessible.h"
#include "dialog_font.h"
#include "window_icon.h"

#include <QAccessible>

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("fan-selection"));
    QApplication::setApplicationVersion(QStringLiteral(FANSEL_VERSION));
    // The desktop entry the window belongs to, for the task bar's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(FANSEL_APP_ID));
    QApplication::setWindowIcon(windowIcon::make());
    QAccessible::installFactory(accessibleControl);

    app.setFont(dialogFont());
}
