// SPDX-License-Identifier: MIT
// Applying the fan selection chart to the window: "Hesapla".

#include "fan_chart.h"
#include "form1.h"
#include "picklist.h"
#include "toolkit.h"
#include "value_label.h"

#include <QLineEdit>
#include <QRadioButton>

void Form1::Command1_Click() {
    // The whole outcome is decided before anything is written: selecting the speed option below
    // may, in some toolkits, run Option1_Click at once.
    const float air = toolkit::single(Text2->text());
    const float pressure = toolkit::single(Label40->text());
    const float maxDiameter = toolkit::single(Label37->text());
    const selection::FanSelection fan = selection::selectFan(air, pressure, maxDiameter);

    for (ValueLabel* output : {Label35, Label11, Label18, Label31, Label26})
        output->clear();
    if (!fan.sizeClass->fanType.empty())
        Label8->setText(toolkit::text(fan.sizeClass->fanType));
    Label1->setText(toolkit::text(fan.sizeClass->fanDiameter));

    if (const selection::FanRow* row = fan.row) {
        if (!row->fanType.empty())
            Label8->setText(toolkit::text(row->fanType));
        Label35->setText(toolkit::text(row->bladeAngle));
        Label11->setText(toolkit::text(row->bladeCount));
        Label18->setText(toolkit::text(row->airFlow));
        Label31->setText(toolkit::text(row->fanPressure));
        Label26->setText(toolkit::text(row->fanPower));
        Option1[static_cast<std::size_t>(row->speedClass)]->setChecked(true);
        Combo3->setText(toolkit::text(row->motorPower));
    }
    // The motor data follow whatever motor power and speed class the window now holds.
    Combo3_Click();
}
