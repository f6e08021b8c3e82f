// SPDX-License-Identifier: MIT
// Applying the fan motor catalogue to the window: the pick of a motor power and the choice of a
// speed option.

#include "form.h"
#include "motor_catalogue.h"
#include "textnumber.h"

namespace form {

void Form1::Combo3_Click() {
    const float power = single(Id::Combo3);
    const int speedClass = selectedSpeedClass();
    const selection::MotorData motor = selection::motorFor(speedClass, power);

    controls_.setText(Id::Label19, motor.type);
    if (motor.shaftDiameter)
        controls_.setText(Id::Label14, *motor.shaftDiameter);
    controls_.setText(Id::Label21, motor.maxCurrent);
    // The option used shows the motor's rated speed in place of its nominal one.
    controls_.setCaption(speedClass, textnumber::singleToText(motor.ratedSpeed));
}

void Form1::Option1_Click([[maybe_unused]] int index) {
    // A new speed class matters only once a motor power is set.
    if (number(Id::Combo3) > 0)
        Combo3_Click();
}

} // namespace form
