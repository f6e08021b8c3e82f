// SPDX-License-Identifier: MIT
#include "application.h"

#include "accessible.h"
#include "dialog_font.h"
#include "form1.h"
#include "startup.h"
#include "window_icon.h"

#include <QAccessible>

void chooseTextEngine() {
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
#endif
}

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("fan-selection"));
    QApplication::setApplicationVersion(QStringLiteral(FANSEL_VERSION));
    // The desktop entry the window belongs to, for the task bar's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(FANSEL_APP_ID));
    QApplication::setWindowIcon(windowIcon::make());
    QAccessible::installFactory(accessibleControl);

    app.setFont(dialogFont());
}

int runProgram(int argc, char* argv[], const std::function<void(const Form1&)>& closed) {
    chooseTextEngine();
    StartUp startUp(argc, argv);
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    form.show();
    startUp.finished();
    const int status = QApplication::exec();
    if (closed)
        closed(form);
    return status;
}
