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
//  - icon/ draws the program's icon at build time and gives the window its pixels.
//  - window/ (this folder) holds Form1: its controls at their fixed places, start-up
//    (Form_Load), the wiring of the seven events, exit (Command3_Click), and the handlers, one per
//    wired event and named after control and event (Combo1_Click ...). Each handler reads its
//    controls, asks a table for the outcome and writes the controls; those of the selection rules
//    are in cooling_air_window.cpp, motor_window.cpp and fan_window.cpp. Handlers call each other
//    directly (Combo1_Click runs Combo2_Click; Option1_Click and Command1_Click run
//    Combo3_Click), never through the toolkit's signals. Beside Form1 stand the adapters to the
//    toolkit: startup (opening the window platform, or one clear line on what failed),
//    application (the program's run, names, icon, screen-reader interfaces and, on Windows, its
//    text engine), dialog_font (the dialog font, fitted to the captions where it is too wide, and
//    room for every letter of a caption), describe (what each control is and shows, as the
//    report build under Wine and the start-up benchmark read it), PickList, a list
//    whose only signal is the user's pick, ValueLabel, a result field, with accessible (what a
//    screen reader reads of it), and toolkit (control texts to numbers and back). Each input and
//    result is tied to its caption (labelled-by), so a screen reader hears caption, value and
//    unit; the value labels are read by their value.
//  - app/ holds main and what the desktop reads: the desktop entry, metadata and manual page;
//    windows/ what Windows reads: the installer, made from the same build.
//
// No state lives outside the controls: every handler reads its numbers afresh from the window,
// so what the user sees is all there is.

#include <QString>
#include <QWidget>
#include <array>

class PickList;
class QButtonGroup;
class QLabel;
class ValueLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

private:
    // Controls, named as the layout names them.
    PickList* Combo1 = nullptr;             // compressor power, kW
    PickList* Combo2 = nullptr;             // cooler rating, kW
    PickList* Combo3 = nullptr;             // fan motor power, kW
    QLineEdit* Text2 = nullptr;             // cooling-air requirement, kg/h
    std::array<QRadioButton*, 3> Option1{}; // speed class 0, 1, 2
    QButtonGroup* Option1Group = nullptr;
    QPushButton* Command1 = nullptr; // "Hesapla"
    QPushButton* Command3 = nullptr; // "Çıkış"

    // Value labels.
    ValueLabel* Label40 = nullptr; // static pressure the cooler needs, Pa
    ValueLabel* Label37 = nullptr; // largest fan diameter, mm
    ValueLabel* Label8 = nullptr;  // fan type
    ValueLabel* Label1 = nullptr;  // fan diameter, mm
    ValueLabel* Label11 = nullptr; // blade count
    ValueLabel* Label35 = nullptr; // blade angle, degrees
    ValueLabel* Label26 = nullptr; // fan power, kW
    ValueLabel* Label18 = nullptr; // fan air flow, m3/h
    ValueLabel* Label31 = nullptr; // fan static pressure, Pa
    ValueLabel* Label14 = nullptr; // motor shaft diameter, mm
    ValueLabel* Label19 = nullptr; // motor type
    ValueLabel* Label21 = nullptr; // motor maximum current, A

    void createControls();
    void wireEvents();
    int selectedSpeedClass() const;

    // Event handlers.
    void Form_Load();
    void Combo1_Click();           // cooling_air_window.cpp
    void Combo2_Click();           // cooling_air_window.cpp
    void Combo3_Click();           // motor_window.cpp
    void Option1_Click(int index); // motor_window.cpp
    void Command1_Click();         // fan_window.cpp
    void Command3_Click();
};
