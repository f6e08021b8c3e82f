// SPDX-License-Identifier: MIT
// Entry of the widget tests: one application on the headless platform (on Windows, the system's
// own), prepared as the program prepares its own, for every test of the binary.

#include "application.h"
#include "widget_parts.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
    quietHeadlessPlatform();
#ifndef _WIN32
    // On Windows the tests use the system's own platform: its headless one finds no fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Where the tests' own locales are at hand, the window runs under a Turkish locale, whose
    // decimal separator is the comma: the program must not care.
    if (qEnvironmentVariableIsSet("LOCPATH"))
        qputenv("LC_ALL", "tr_TR.UTF-8");
    testing::InitGoogleTest(&argc, argv);
    chooseTextEngine();
    QApplication app(argc, argv);
#ifdef _WIN32
    // Windows has the Turkish locale under a name of its own, and always has it.
    std::setlocale(LC_ALL, "Turkish_Turkey.1254");
#endif
    prepareApplication(app);
    // A quick hand: the list's popup ignores a release this soon after it opened, and the
    // person waits that long before clicking an item.
    QApplication::setDoubleClickInterval(100);
    return RUN_ALL_TESTS();
}
