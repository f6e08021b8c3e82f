#include "application.h"

#include "window_icon.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

void prepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("fan-selection"));
    QApplication::setWindowIcon(windowIcon::make());

    // Every place and size in the window is laid out for the classic 8-point dialog font,
    // whose glyphs are narrower than those of today's sans-serifs; the toolkit's default here
    // is larger still and would clip captions. Debian's free re-creation of that font (package
    // fonts-wine) keeps every caption whole; where it is missing, Liberation Sans or any
    // sans-serif at 8 points stands in.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"));
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    app.setFont(font);
}
