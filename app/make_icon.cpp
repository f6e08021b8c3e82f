// Build tool: writes the program's icon as PNG files, fan-selection-SIZE.png, into a folder, for
// the desktop's icon theme.

#include "window_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString file = folder.filePath(QStringLiteral("fan-selection-%1.png").arg(size));
        if (!windowIcon::draw(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
