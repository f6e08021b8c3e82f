// SPDX-License-Identifier: MIT
#include "fan_chart.h"

#include <algorithm>

namespace selection {

const SizeClass& sizeClassFor(float maxDiameter) noexcept {
    // The last class whose smallest diameter D reaches; the first class starts at -infinity.
    const auto* next = std::upper_bound(
        kSizeClasses.begin(), kSizeClasses.end(), maxDiameter,
        [](float diameter, const SizeClass& c) { return diameter < c.smallestDiameter; });
    return *std::prev(next);
}

const FanRow* chartRowFor(const SizeClass& sizeClass, float air, float pressure) noexcept {
    // Rows of a class stand in ascending air bands, and within a band in chart order.
    const auto* row = std::find_if(kFanChart.begin(), kFanChart.end(), [&](const FanRow& r) {
        return r.sizeClass == sizeClass.millimetres && r.air.contains(air) &&
               r.pressure.contains(pressure);
    });
    return row == kFanChart.end() ? nullptr : row;
}

FanSelection selectFan(float air, float pressure, float maxDiameter) noexcept {
    const SizeClass& sizeClass = sizeClassFor(maxDiameter);
    return {&sizeClass, chartRowFor(sizeClass, air, pressure)};
}

} // namespace selection
