// SPDX-License-Identifier: MIT
// Saves a picture of the window after a full calculation, as a person would leave it: the
// largest compressor picked with the arrow keys, then "Hesapla".
//   window_screenshot OUT.png [WIDTHxHEIGHT]
// With a size, the picture must have exactly that many physical pixels. Either way every result
// box must show its value: some pixel inside its border differs from the box's own background.
// Runs on the headless platform unless QT_QPA_PLATFORM says otherwise; QT_SCALE_FACTOR=2 gives
// the picture of a high-density screen.

#include "application.h"
#include "describe.h"
#include "form1.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: window_screenshot OUT.png [WIDTHxHEIGHT]\n");
        return 2;
    }
#ifndef _WIN32 // (Windows' own headless platform finds no fonts)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    chooseTextEngine();
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    auto* compressor = form.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* calculate = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    QTest::mouseClick(compressor->lineEdit(), Qt::LeftButton);
    for (int i = 0; i < compressor->count(); ++i)
        QTest::keyClick(compressor, Qt::Key_Down);
    QTest::mouseClick(calculate, Qt::LeftButton);
    QApplication::processEvents();

    const QImage picture = form.grab().toImage();
    if (!picture.save(QString::fromLocal8Bit(argv[1])))
        return 1;
    const QString size = QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
    std::printf("%s: %s physical pixels\n", argv[1], qPrintable(size));
    int blank = 0;
    const double scale = picture.devicePixelRatio();
    for (const QLabel* result : form.findChildren<QLabel*>()) {
        if (controlKind(*result, form) != QLatin1String("result"))
            continue;
        const QRect inside = result->geometry().adjusted(2, 2, -2, -2);
        const QRgb background =
            picture.pixel(qRound(inside.left() * scale), qRound(inside.top() * scale));
        bool drawn = false;
        for (int y = qRound(inside.top() * scale); y < qRound(inside.bottom() * scale); ++y)
            for (int x = qRound(inside.left() * scale); x < qRound(inside.right() * scale); ++x)
                drawn = drawn || picture.pixel(x, y) != background;
        if (!drawn) {
            std::printf("%s shows no value\n", qPrintable(result->objectName()));
            ++blank;
        }
    }
    return blank > 0 || (argc == 3 && size != QLatin1String(argv[2])) ? 1 : 0;
}
