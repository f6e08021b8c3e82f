// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class QWidget;

// Every control of the window, one a line in the order the window made them:
//   KIND<tab>X Y WIDTH HEIGHT<tab>TEXT<tab>ITEMS
// with the place in the window's own coordinates, the text it shows (a list's field) and a list's
// items joined by "|". Built for the tests and the benchmarks only (the library form_report),
// never shipped: the tests under Wine and the start-up benchmark's floor read it.
QString describeControls(const QWidget& window);
