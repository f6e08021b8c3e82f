// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>

#include <functional>

class Form1;

// Settings the whole program shares, made once before the window is created: the 8-point
// sans-serif dialog font the window's places are laid out for, and the program's names.
void prepareApplication(QApplication& app);

// The program's run: its start-up, the application prepared, the window shown, and the event loop
// until the window is closed; returns the program's exit status. `closed`, where given, sees the
// window once the loop has ended (the tests under Wine read it there).
int runProgram(int argc, char* argv[], const std::function<void(const Form1&)>& closed = {});
