// SPDX-License-Identifier: MIT
// One start of the program's window, or of the floor: the toolkit's own cost of the same window,
// that is the same Qt widgets at the same places with the same texts, list items and font, made
// by the plainest code (no handlers, no accessibility factory, no icon, no event filters).
// Prints, once the window is shown and the event loop idle,
//   ready MONOTONIC_NS PEAK_RESIDENT_KIB
// and ends. bench_startup starts each many times and compares them.
//   startup_probe window
//   startup_probe describe FILE   writes the window's controls, one a line, for the floor
//   startup_probe floor FILE      builds the floor from that description

#include "application.h"
#include "dialog_font.h"
#include "form1.h"
#include "report.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>
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

void describe(const QWidget& window, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(describeControls(window).toUtf8());
}

std::unique_ptr<QWidget> floorWindow(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    auto window = std::make_unique<QWidget>();
    window->resize(455, 269);
    QTextStream in(&file);
    for (QString line; in.readLineInto(&line);) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QStringList at = fields[1].split(QLatin1Char(' '));
        const QString& kind = fields[0];
        const QString& text = fields[2];
        QWidget* control = nullptr;
        if (kind == QLatin1String("list")) {
            auto* list = new QComboBox(window.get());
            list->setEditable(true);
            list->addItems(fields[3].split(QLatin1Char('|')));
            list->setEditText(QString());
            control = list;
        } else if (kind == QLatin1String("caption") || kind == QLatin1String("result")) {
            auto* label = new QLabel(text, window.get());
            if (kind == QLatin1String("result")) { // white, in a sunken border
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setAutoFillBackground(true);
                QPalette colours = label->palette();
                colours.setColor(QPalette::Window, Qt::white);
                label->setPalette(colours);
            }
            control = label;
        } else if (kind == QLatin1String("option")) {
            control = new QRadioButton(text, window.get());
        } else if (kind == QLatin1String("button")) {
            control = new QPushButton(text, window.get());
        } else if (kind == QLatin1String("box")) {
            control = new QLineEdit(window.get());
        } else {
            auto* frame = new QFrame(window.get());
            frame->setFrameStyle(QFrame::HLine | QFrame::Plain);
            control = frame;
        }
        control->setGeometry(at[0].toInt(), at[1].toInt(), at[2].toInt(), at[3].toInt());
    }
    return window;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view kind = argc > 1 ? argv[1] : "window";
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (kind == "floor" && argc > 2) {
        app.setFont(dialogFont());
        window = floorWindow(QString::fromLocal8Bit(argv[2]));
    } else {
        prepareApplication(app);
        window = std::make_unique<Form1>();
        if (kind == "describe" && argc > 2) {
            describe(*window, QString::fromLocal8Bit(argv[2]));
            return 0;
        }
    }
    window->show();
    reportWhenIdle(window.get());
    return QApplication::exec();
}
