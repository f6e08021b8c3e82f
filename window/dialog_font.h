// SPDX-License-Identifier: MIT
#pragma once
#include <QFont>

class QWidget;

// The 8-point sans-serif dialog font the window's places are laid out for.
QFont dialogFont();

// The window's font, condensed where a caption would not fit the room its place leaves before the
// next control: the stretch is chosen on the captions' measured widths.
QFont fittedToCaptions(const QWidget& window);
