// SPDX-License-Identifier: MIT
// Applying the cooling-air table to the window: the picks of a compressor power and a cooler
// rating.

#include "cooling_air.h"
#include "form1.h"
#include "picklist.h"
#include "toolkit.h"
#include "value_label.h"

#include <QLineEdit>

void Form1::Combo1_Click() {
    // A picked compressor power becomes the cooler rating too, exactly as typed ("7.5" stays
    // "7.5"), unless the two read as the same number already.
    const double rating = toolkit::number(Combo2->currentText());
    const double power = toolkit::number(Combo1->currentText());
    if (power == rating)
        return;
    Combo2->setText(Combo1->currentText());
    Combo2_Click();
}

void Form1::Combo2_Click() {
    const float power = toolkit::single(Combo1->currentText());
    const float rating = toolkit::single(Combo2->currentText());
    const selection::CoolingAir air = selection::coolingAirFor(power, rating);

    if (air.ratingRaised)
        Combo2->setText(toolkit::text(air.coolerRating));
    Text2->setText(toolkit::text(air.airRequirement));
    if (air.pressure)
        Label40->setText(toolkit::text(*air.pressure));
    if (air.maxDiameter)
        Label37->setText(toolkit::text(*air.maxDiameter));
}
