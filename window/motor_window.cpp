// SPDX-License-Identifier: MIT
// Applying the fan motor catalogue to the window: the pick of a motor power and the choice of a
// speed option.

#include "form1.h"
#include "motor_catalogue.h"
#include "picklist.h"
#include "toolkit.h"
#include "value_label.h"

#include <QRadioButton>

void Form1::Combo3_Click() {
    const float power = toolkit::single(Combo3->currentText());
    const int speedClass = selectedSpeedClass();
    const selection::MotorData motor = selection::motorFor(speedClass, power);

    Label19->setText(toolkit::text(motor.type));
    if (motor.shaftDiameter)
        Label14->setText(toolkit::text(*motor.shaftDiameter));
    Label21->setText(toolkit::text(motor.maxCurrent));
    // The option used shows the motor's rated speed in place of its nominal one.
    Option1[static_cast<std::size_t>(speedClass)]->setText(toolkit::text(motor.ratedSpeed));
}

void Form1::Option1_Click([[maybe_unused]] int index) {
    // A new speed class matters only once a motor power is set.
    if (toolkit::number(Combo3->currentText()) > 0)
        Combo3_Click();
}
