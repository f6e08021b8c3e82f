// SPDX-License-Identifier: MIT
// Entry of the widget tests: one application on the headless platform, prepared as the program
// prepares its own, for every test of the binary.

#include "application.h"
#include "controls.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    quietHeadlessPlatform();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Where the tests' own locales are at hand, the window runs under a Turkish locale, whose
    // decimal separator is the comma: the program must not care.
    if (qEnvironmentVariableIsSet("LOCPATH"))
        qputenv("LC_ALL", "tr_TR.UTF-8");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    prepareApplication(app);
    // A quick hand: the list's popup ignores a release this soon after it opened, and the
    // person waits that long before clicking an item.
    QApplication::setDoubleClickInterval(100);
    return RUN_ALL_TESTS();
}
