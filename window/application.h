// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>

#include <functional>

class Form1;

// Before the application is made: on Windows, the window platform draws its text with
// DirectWrite, Windows' text engine of today, where Qt 6.4's default is GDI. Through GDI small
// hinted text lost and smeared letters (seen under Wine at 100 %: "o" read as "a", letters
// missing), and a condensed face is squeezed; DirectWrite draws every letter whole at every
// scale. A platform the user names (QT_QPA_PLATFORM) is left as it is. Elsewhere: nothing.
void chooseTextEngine();

// Settings the whole program shares, made once before the window is created: the 8-point
// sans-serif dialog font the window's places are laid out for, the program's names, and Qt's own
// texts in Turkish.
void prepareApplication(QApplication& app);

// The program's run: its start-up, the application prepared, the window shown, and the event loop
// until the window is closed; returns the program's exit status. `closed`, where given, sees the
// window once the loop has ended (the tests under Wine read it there).
int runProgram(int argc, char* argv[], const std::function<void(const Form1&)>& closed = {});
