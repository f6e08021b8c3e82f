// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class QWidget;

// What a control of the window is, by what a user sees of it: "caption" (plain static text: a
// caption, a unit or the credit line), "result" (a value in its sunken box), "list", "box" (the
// text box), "option", "button" or "line"; empty for the parts of a control (a list's field and
// button, the options' invisible group).
QString controlKind(const QWidget& control, const QWidget& window);
