// SPDX-License-Identifier: MIT
// One start of the program's window, or of the floor: a Qt Widgets window of the same size that
// shows one caption in the program's dialog font, the least that any window showing text pays
// (the font system's start, one font loaded, glyphs drawn). Prints, once the window is shown and
// the event loop idle,
//   ready MONOTONIC_NS PEAK_RESIDENT_KIB
// and ends. bench_startup starts each many times and compares them.
//   startup_probe window|floor

#include "application.h"
#include "form1.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace {

long peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void reportWhenIdle(QWidget* window) {
    QTimer::singleShot(0, window, [window] {
        if (!window->windowHandle() || !window->windowHandle()->isExposed()) {
            reportWhenIdle(window);
            return;
        }
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("ready %lld %ld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec,
                    peakResidentKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view kind = argc > 1 ? argv[1] : "window";
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (kind == "floor") {
        app.setFont(dialogFont());
        window = std::make_unique<QWidget>();
        window->resize(455, 269);
        new QLabel(QStringLiteral("Kompresör Gücü ="), window.get());
    } else {
        prepareApplication(app);
        window = std::make_unique<Form1>();
    }
    window->show();
    reportWhenIdle(window.get());
    return QApplication::exec();
}
