// SPDX-License-Identifier: MIT
#include "motor_catalogue.h"

#include <algorithm>

namespace selection {

MotorData motorFor(int speedClass, float power) noexcept {
    const MotorClassTable& table = kMotorCatalogue[speedClass == 0   ? 0U
                                                   : speedClass == 1 ? 1U
                                                                     : 2U];
    const auto* row = std::find_if(table.begin(), table.end(),
                                   [&](const MotorRow& r) { return r.power == power; });
    if (row == table.end())
        return {"", std::nullopt, "", 0.F};
    return {row->type, row->shaftDiameter, row->maxCurrent, row->ratedSpeed};
}

} // namespace selection
