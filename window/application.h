// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>

// Settings the whole program shares, made once before the window is created: the 8-point
// sans-serif dialog font the window's places are laid out for, and the program's names.
void prepareApplication(QApplication& app);
