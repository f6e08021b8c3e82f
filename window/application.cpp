// SPDX-License-Identifier: MIT
#include "application.h"

#include "accessible.h"
#include "window_icon.h"

#include <QAccessible>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// What the toolkit says while it connects to the display is held back until it has connected:
// if it cannot, the one line of the program replaces all of it.
QStringList heldMessages;

void whileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        std::fputs("fan-selection: there is no display to open the window on; start it in a "
                   "desktop session, or on a virtual display with: xvfb-run -a fan-selection\n",
                   stderr);
        std::_Exit(1);
    }
    heldMessages << qFormatLogMessage(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
    const QtMessageHandler standard = qInstallMessageHandler(whileConnecting);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(standard);
    for (const QString& message : std::exchange(heldMessages, {}))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    return app;
}

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
