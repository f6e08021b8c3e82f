// SPDX-License-Identifier: MIT
#include "application.h"

#include "accessible.h"
#include "dialog_font.h"
#include "form1.h"
#include "startup.h"
#include "window_icon.h"

#include <QAccessible>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

    // Qt's own texts (the fields' menus, the file and print dialogs) in the window's Turkish:
    // Debian's translations of Qt, or on Windows those shipped beside the program.
    auto* turkish = new QTranslator(&app);
    for (const QString& folder :
         {QApplication::applicationDirPath() + QStringLiteral("/translations"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        if (turkish->load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder)) {
            QApplication::installTranslator(turkish);
            break;
        }
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
