// SPDX-License-Identifier: MIT
#pragma once
#include <QFont>

class QWidget;

// The 8-point sans-serif dialog font the window's places are laid out for.
QFont dialogFont();

// The window's font, condensed where a caption would not fit the room its place leaves before the
// next control: the stretch is chosen on the captions' measured widths.
QFont fittedToCaptions(const QWidget& window);

// Where a caption's letters reach above or below its box in the window's font (the dot of "İ",
// the cedilla of "ş"), the box grows by that much, its text staying where it stands, so that
// nothing of a letter is cut off; the margins added give back the place.
void roomForGlyphs(QWidget& window);
