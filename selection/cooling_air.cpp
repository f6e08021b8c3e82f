// SPDX-License-Identifier: MIT
#include "cooling_air.h"

#include <algorithm>

namespace selection {

const PowerRow* findPowerRow(float compressorPower) noexcept {
    const auto* row = std::find_if(kPowerTable.begin(), kPowerTable.end(), [&](const PowerRow& r) {
        return r.compressorPower == compressorPower;
    });
    return row == kPowerTable.end() ? nullptr : row;
}

const RatingRow* findRatingRow(float coolerRating) noexcept {
    const auto* row =
        std::find_if(kRatingTable.begin(), kRatingTable.end(),
                     [&](const RatingRow& r) { return r.coolerRating == coolerRating; });
    return row == kRatingTable.end() ? nullptr : row;
}

CoolingAir coolingAirFor(float compressorPower, float coolerRating) noexcept {
    CoolingAir out{};
    out.ratingRaised = coolerRating < compressorPower;
    out.coolerRating = out.ratingRaised ? compressorPower : coolerRating;

    if (const PowerRow* power = findPowerRow(compressorPower)) {
        out.airRequirement = power->airRequirement;
        out.pressure = out.coolerRating > compressorPower ? power->pressureLargerCooler
                                                          : power->pressureEqualCooler;
    }
    if (const RatingRow* rating = findRatingRow(out.coolerRating))
        out.maxDiameter = rating->maxFanDiameter;
    else
        out.airRequirement = "";
    return out;
}

} // namespace selection
