// SPDX-License-Identifier: MIT
#pragma once
// The fan selection calculator: its one window and how the program is put together.
//
// A user picks a compressor power and a cooler rating; the cooling-air table fills in the
// air requirement, the static pressure and the largest fan diameter of the cooler. "Hesapla"
// reads those three values back from the window (the user may have typed over the requirement),
// picks the fan from the fan selection chart and sets the speed class and the fan motor power;
// the fan motor catalogue then shows the motor. All data is built in; nothing is read or written.
//
// This folder, form/, describes the window once, with no toolkit: every control's kind, place,
// text, tab position, tooltip, caption and unit, the lists' items and which event runs which
// handler (layout.h), and the handlers themselves (form::Form1 here), one per wired event and
// named after control and event. Each reads its controls, asks a table of selection/ for the
// outcome and writes the controls, through the small interface each toolkit implements
// (controls.h); they call each other directly (Combo1_Click runs Combo2_Click; Option1_Click and
// Command1_Click run Combo3_Click). The folders as layers are told in the README; each folder's
// own main header says what it holds (window/form1.h Qt's window, web/page.cpp the page).
//
// No state lives outside the controls: every handler reads its numbers afresh from the window,
// so what the user sees is all there is.

#include "controls.h"
#include "layout.h"

namespace form {

class Form1 {
public:
    explicit Form1(Controls& controls) : controls_(controls) {}

    // Runs the handler the wiring names for an event; index: the option clicked.
    void run(Handler handler, int index = 0);

    void Form_Load();
    void Combo1_Click();           // cooling_air_handlers.cpp
    void Combo2_Click();           // cooling_air_handlers.cpp
    void Combo3_Click();           // motor_handlers.cpp
    void Option1_Click(int index); // motor_handlers.cpp
    void Command1_Click();         // fan_handlers.cpp
    void Command3_Click();

private:
    Controls& controls_;

    // The leading number of a control's text, in double precision; rounded to single.
    double number(Id control) const;
    float single(Id control) const;
    int selectedSpeedClass() const;
};

} // namespace form
