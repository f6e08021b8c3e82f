// SPDX-License-Identifier: MIT
#pragma once
// Measures of what the window draws, for the tests here and the report build under Wine.

class QLabel;
class QRect;

// Whether a caption, as the window draws it in its box, shows all of its letters: the same ink
// as its text drawn where it stands with nothing cut off (no dot of "İ" nor cedilla lost at the
// box's edges).
bool drawnWhole(const QLabel& caption);

// Where the text's ink lies in physical pixels of the label's own box, as drawn with nothing cut
// off (empty where the label draws nothing).
QRect textInk(const QLabel& caption);
