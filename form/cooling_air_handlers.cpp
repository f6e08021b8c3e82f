// SPDX-License-Identifier: MIT
// Applying the cooling-air table to the window: the picks of a compressor power and a cooler
// rating.

#include "cooling_air.h"
#include "form.h"
#include "textnumber.h"

namespace form {

void Form1::Combo1_Click() {
    // A picked compressor power becomes the cooler rating too, exactly as typed ("7.5" stays
    // "7.5"), unless the two read as the same number already.
    const double rating = number(Id::Combo2);
    const double power = number(Id::Combo1);
    if (power == rating)
        return;
    controls_.setText(Id::Combo2, controls_.text(Id::Combo1));
    Combo2_Click();
}

void Form1::Combo2_Click() {
    const float power = single(Id::Combo1);
    const float rating = single(Id::Combo2);
    const selection::CoolingAir air = selection::coolingAirFor(power, rating);

    if (air.ratingRaised)
        controls_.setText(Id::Combo2, textnumber::singleToText(air.coolerRating));
    controls_.setText(Id::Text2, air.airRequirement);
    if (air.pressure)
        controls_.setText(Id::Label40, *air.pressure);
    if (air.maxDiameter)
        controls_.setText(Id::Label37, *air.maxDiameter);
}

} // namespace form
