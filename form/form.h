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
// The code is in layers, each folder one, and each depends only on those below it:
//  - selection/ holds the rules: the decision tables as plain data with their lookups
//    (cooling_air, motor_catalogue, fan_chart) and the text-number conversions (textnumber).
//    Plain C++, no toolkit: given numbers, the tables return the texts to show.
//  - form/ (this folder) describes the window once, with no toolkit: every control's kind,
//    place, text, tab position, tooltip, caption and unit, the lists' items and which event runs
//    which handler (layout), and the handlers themselves (form::Form1), one per wired event and
//    named after control and event. Each reads its controls, asks a table for the outcome and
//    writes the controls, through the small interface a toolkit implements (controls.h); they
//    call each other directly (Combo1_Click runs Combo2_Click; Option1_Click and Command1_Click
//    run Combo3_Click).
//  - icon/ draws the program's icon at build time and gives the window its pixels.
//  - window/ is Qt's window, built from the description: the widgets at their places, the
//    interface implemented with them, each widget's pick or click wired to the handler the
//    description names, and what is Qt's alone: startup (opening the window platform, or one
//    clear line on what failed), application (the program's run, names, icon, screen-reader
//    interfaces and, on Windows, its text engine), dialog_font (the dialog font, fitted to the
//    captions where it is too wide, and room for every letter of a caption), describe (what kind
//    of control a widget is), PickList, a list whose only signal is the user's pick, ValueLabel,
//    a result field, with accessible (what a screen reader reads of it). Each input and result is
//    tied to its caption (labelled-by), so a screen reader hears caption, value and unit.
//  - web/ is the browser's page, built from the same description with emscripten into one
//    self-contained HTML file: page.cpp hands the description to the page and runs the handlers
//    for its events; page.js builds the browser's own controls at their places and implements the
//    interface with them; shell.html holds the styles and the policy that forbids every request.
//  - app/ holds main and what the desktop reads: the desktop entry, metadata and manual page;
//    windows/ what Windows reads: the installer, made from the same build.
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
