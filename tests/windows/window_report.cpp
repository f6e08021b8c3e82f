// SPDX-License-Identifier: MIT
// The program's window, opened as the program opens it, for the tests under Wine: a person uses
// it with real key presses on the display and closes it, and then this prints each control, one
// a line, as the window describes them (describe.h): kind, place, text and a list's items.

#include "application.h"
#include "describe.h"
#include "form1.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, [](const Form1& form) {
        std::fputs(describeControls(form).toUtf8().constData(), stdout);
    });
}
