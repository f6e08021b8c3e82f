// SPDX-License-Identifier: MIT
// Applying the fan selection chart to the window: "Hesapla".

#include "fan_chart.h"
#include "form.h"

namespace form {

void Form1::Command1_Click() {
    // The whole outcome is decided before anything is written: selecting the speed option below
    // may, in some toolkits, run Option1_Click at once.
    const float air = single(Id::Text2);
    const float pressure = single(Id::Label40);
    const float maxDiameter = single(Id::Label37);
    const selection::FanSelection fan = selection::selectFan(air, pressure, maxDiameter);

    for (Id output : {Id::Label35, Id::Label11, Id::Label18, Id::Label31, Id::Label26})
        controls_.clear(output);
    // The class's fan type (none in class 500, where the row names it) and diameter; class 630
    // writes its diameter first.
    const selection::SizeClass& size = *fan.sizeClass;
    if (size.diameterFirst)
        controls_.setText(Id::Label1, size.fanDiameter);
    if (!size.fanType.empty())
        controls_.setText(Id::Label8, size.fanType);
    if (!size.diameterFirst)
        controls_.setText(Id::Label1, size.fanDiameter);

    if (const selection::FanRow* row = fan.row) {
        if (!row->fanType.empty())
            controls_.setText(Id::Label8, row->fanType);
        controls_.setText(Id::Label35, row->bladeAngle);
        controls_.setText(Id::Label11, row->bladeCount);
        controls_.setText(Id::Label18, row->airFlow);
        controls_.setText(Id::Label31, row->fanPressure);
        controls_.setText(Id::Label26, row->fanPower);
        controls_.select(row->speedClass);
        controls_.setText(Id::Combo3, row->motorPower);
    }
    // The motor data follow whatever motor power and speed class the window now holds.
    Combo3_Click();
}

} // namespace form
