// Entry of the widget tests: one application on the headless platform, prepared as the program
// prepares its own, for every test of the binary.

#include "application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    prepareApplication(app);
    // A quick hand: the list's popup ignores a release this soon after it opened, and the
    // person waits that long before clicking an item.
    QApplication::setDoubleClickInterval(100);
    return RUN_ALL_TESTS();
}
