// SPDX-License-Identifier: MIT
#pragma once
// The fan motor catalogue: for a motor power and a speed class, the motor that drives the fan.
//
// Three speed classes (the nominal 3000, 1500 and 1000 rpm of the speed options) by ten motor
// powers. A power is matched by exact single-precision equality; a power the catalogue does not
// list gives the no-match motor, which empties the type and current, leaves the shaft diameter as
// it was and shows a rated speed of 0.

#include <array>
#include <optional>
#include <string_view>

namespace selection {

inline constexpr int kSpeedClassCount = 3;

struct MotorRow {
    float power; // kW, the catalogue key
    std::string_view type;
    std::string_view shaftDiameter; // mm
    std::string_view maxCurrent;    // A
    float ratedSpeed;               // rpm, a whole number
};

using MotorClassTable = std::array<MotorRow, 10>;

// clang-format off
inline constexpr std::array<MotorClassTable, kSpeedClassCount> kMotorCatalogue{{
    {{  // speed class 0, nominal 3000 rpm
        // power  type      shaft  current  rated speed
        { 0.18F,  "AGM63",  "11",  "0.54",  2820.F },
        { 0.25F,  "AGM63",  "11",  "0.7",   2800.F },
        { 0.37F,  "AGM71",  "14",  "1.1",   2800.F },
        { 0.55F,  "AGM71",  "14",  "1.34",  2780.F },
        { 0.75F,  "AGM80",  "19",  "1.95",  2780.F },
        { 1.1F,   "AGM80",  "19",  "2.55",  2800.F },
        { 1.5F,   "AGM90",  "24",  "3.45",  2800.F },
        { 2.2F,   "AGM90",  "24",  "5",     2840.F },
        { 3.F,    "AGM90",  "24",  "6.5",   2850.F },
        { 4.F,    "AGM100", "28",  "8.2",   2870.F },
    }},
    {{  // speed class 1, nominal 1500 rpm
        { 0.18F,  "AGM63",  "11",  "0.64",  1340.F },
        { 0.25F,  "AGM71",  "14",  "0.87",  1380.F },
        { 0.37F,  "AGM71",  "14",  "1.2",   1390.F },
        { 0.55F,  "AGM80",  "19",  "1.6",   1365.F },
        { 0.75F,  "AGM80",  "19",  "2.1",   1370.F },
        { 1.1F,   "AGM90",  "24",  "2.75",  1380.F },
        { 1.5F,   "AGM90",  "24",  "3.7",   1390.F },
        { 2.2F,   "AGM100", "28",  "5.3",   1400.F },
        { 3.F,    "AGM100", "28",  "6.9",   1405.F },
        { 4.F,    "AGM112", "28",  "8.8",   1425.F },
    }},
    {{  // speed class 2, nominal 1000 rpm
        { 0.18F,  "AGM71",  "14",  "0.62",  910.F },
        { 0.25F,  "AGM71",  "14",  "0.83",  910.F },
        { 0.37F,  "AGM80",  "19",  "1.15",  910.F },
        { 0.55F,  "AGM80",  "19",  "1.6",   890.F },
        { 0.75F,  "AGM90",  "24",  "2.2",   900.F },
        { 1.1F,   "AGM90",  "24",  "3",     910.F },
        { 1.5F,   "AGM100", "28",  "3.7",   925.F },
        { 2.2F,   "AGM112", "28",  "5.3",   940.F },
        { 3.F,    "AGM132", "38",  "7.4",   945.F },
        { 4.F,    "AGM132", "38",  "9.4",   940.F },  // slower than the 3 kW motor: catalogue data
    }},
}};
// clang-format on

// What a motor lookup shows.
struct MotorData {
    std::string_view type;                         // "" for the no-match motor
    std::optional<std::string_view> shaftDiameter; // unset: the shaft diameter stays as it was
    std::string_view maxCurrent;                   // "" for the no-match motor
    float ratedSpeed;                              // 0 for the no-match motor
};

// The motor of the given power in the given speed class (0, 1 or 2; anything else is class 2, as
// a window with neither of the first two options selected is).
MotorData motorFor(int speedClass, float power) noexcept;

} // namespace selection
