// SPDX-License-Identifier: MIT
// Whole sessions of use on the real window: the input becomes a sequence of actions (picks with
// the keyboard or the mouse, typing and pasting, speed options, "Hesapla", Enter, Tab), carried
// out through the widgets on the headless platform, and after each action the window must still
// show only what its tables can produce.

#include "application.h"
#include "form1.h"
#include "session.h"
#include "widget_parts.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    quietHeadlessPlatform();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // libFuzzer ends the process with exit(); an application destroyed by the static destructors
    // would outlive Qt's own thread storage and crash on the way out, so it is never destroyed.
    auto* app = new QApplication(*argc, *argv);
    prepareApplication(*app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Form1 form;
    form.show();
    form.activateWindow();
    Session session(form);
    std::span<const std::uint8_t> bytes(data, size);
    while (session.step(bytes)) {
    }
    if (!session.failure().empty()) {
        std::fprintf(stderr, "after %zu actions: %s\n", session.actions(),
                     session.failure().c_str());
        std::abort();
    }
    return 0;
}
