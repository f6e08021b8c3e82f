// SPDX-License-Identifier: MIT
// Build tool: draws the program's icon into a folder, as
//  - fan-selection-SIZE.png for each size named, for the desktop's icon theme,
//  - fan-selection.ico, all of them in one Windows icon, for the Windows program, and
//  - window_icon_pixels.h, the pixels of the sizes named up to 64 (kWindowIcons), the sizes a
//    title bar or a task bar asks for, to be compiled into the program so that it shows its icon
//    without drawing or decoding anything at start.
//   make_icon FOLDER SIZE...

#include "icon_art.h"

#include <QBuffer>
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
    QList<std::pair<int, QByteArray>> pngs;
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= kLargestWindowIcon)
            windowSizes << size;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        iconArt::draw(size).save(&buffer, "PNG");
        pngs.append({size, png});
        QFile file(folder.filePath(QStringLiteral("fan-selection-%1.png").arg(size)));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(png) != png.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }

    // A Windows icon: a directory of its images, each a PNG (a size of 256 is written as 0).
    QByteArray ico;
    auto word = [&ico](int value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            ico += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    word(0, 2);
    word(1, 2);
    word(static_cast<int>(pngs.size()), 2);
    int offset = 6 + 16 * static_cast<int>(pngs.size());
    for (const auto& [size, png] : pngs) {
        word(size % 256, 1);
        word(size % 256, 1);
        word(0, 2);
        word(1, 2);
        word(32, 2);
        word(static_cast<int>(png.size()), 4);
        word(offset, 4);
        offset += static_cast<int>(png.size());
    }
    for (const auto& image : pngs)
        ico += image.second;
    QFile icoFile(folder.filePath(QStringLiteral("fan-selection.ico")));
    if (!icoFile.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        icoFile.write(ico) != ico.size())
        return 1;

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
