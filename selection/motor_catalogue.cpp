// SPDX-License-Identifier: MIT
#include "motor_catalogue.h"

#include <algorithm>

namespace selection {

MotorData motorFor(int speedClass, float power) noexcept {
    const MotorClassTable& table = kMotorCatalogue[speedClass == 0   ? 0U
                                                   : speedClass == 1 ? 1U
                                                                     : 2U];
    const auto* row = std::ranges::find(table, power, &MotorRow::power);
    if (row == table.end())
        return {"", std::nullopt, "", 0.F};
    return {row->type, row->shaftDiameter, row->maxCurrent, row->ratedSpeed};
}

} // namespace selection
