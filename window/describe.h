// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class QWidget;

// What a control of the window is, by what a user sees of it: "caption" (plain static text: a
// caption, a unit or the credit line), "result" (a value in its sunken box), "list", "box" (the
// text box), "option", "button" or "line"; empty for the parts of a control (a list's field and
// button, the options' invisible group).
QString controlKind(const QWidget& control, const QWidget& window);

// Every control of the window, one a line in the order the window made them:
//   KIND<tab>X Y WIDTH HEIGHT<tab>TEXT<tab>ITEMS
// with the place in the window's own coordinates, the text it shows (a list's field) and a list's
// items joined by "|". The tests under Wine and the start-up benchmark's floor read it.
QString describeControls(const QWidget& window);
