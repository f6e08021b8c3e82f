// SPDX-License-Identifier: MIT
// Build tool: draws the program's icon into a folder, as
//  - fan-selection-SIZE.png for each size named, for the desktop's icon theme, and
//  - window_icon_pixels.h, the pixels of the sizes named up to 64 (kWindowIcons), the sizes a
//    title bar or a task bar asks for, to be compiled into the program so that it shows its icon
//    without drawing or decoding anything at start.
//   make_icon FOLDER SIZE...

#include "icon_art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <cstdio>

// Title bars and task bars ask for an icon of at most this size; a larger one they scale down.
constexpr int kLargestWindowIcon = 64;

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icon FOLDER SIZE...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QList<int> windowSizes;
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= kLargestWindowIcon)
            windowSizes << size;
        const QString file = folder.filePath(QStringLiteral("fan-selection-%1.png").arg(size));
        if (!iconArt::draw(size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }

    QFile header(folder.filePath(QStringLiteral("window_icon_pixels.h")));
    if (!header.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QByteArray text = "// Drawn by make_icon; premultiplied ARGB, one 32-bit word a pixel.\n"
                      "#pragma once\n#include <cstdint>\n\n";
    for (int size : windowSizes) {
        const QImage image =
            iconArt::draw(size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        text += "inline constexpr std::uint32_t kWindowIcon" + QByteArray::number(size) + "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x)
                text += (x % 8 == 0 ? "\n    0x" : " 0x") +
                        QByteArray::number(row[x], 16).rightJustified(8, '0') + ',';
        }
        text += "\n};\n";
    }
    text += "\nstruct WindowIconPixels {\n    int size;\n    const std::uint32_t* pixels;\n};\n"
            "inline constexpr WindowIconPixels kWindowIcons[] = {";
    for (int size : windowSizes)
        text += "{" + QByteArray::number(size) + ", kWindowIcon" + QByteArray::number(size) + "}, ";
    text += "};\n";
    return header.write(text) == text.size() ? 0 : 1;
}
