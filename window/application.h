// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>
#include <QFont>
#include <memory>

// Opens the toolkit on the display the environment names. Where there is none, or it cannot be
// reached, the toolkit would abort with advice to reinstall the program, which is wrong and
// alarming: the program then says in one line that there is no display and how to get one, and
// ends with status 1.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

// The 8-point sans-serif dialog font of the window.
QFont dialogFont();

// Settings the whole program shares, made once before the window is created: the 8-point
// sans-serif dialog font the window's places are laid out for, and the program's names.
void prepareApplication(QApplication& app);
