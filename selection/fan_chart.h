// SPDX-License-Identifier: MIT
#pragma once
// The fan selection chart: from the cooling-air requirement A (kg/h), the static pressure P (Pa)
// and the largest fan diameter D (mm) of the cooler to a fan, its speed class and motor power.
//
// D first picks a fan size class by fixed thresholds, each threshold belonging to the class above
// it. Within the class the air bands are tried in ascending order and, within a band, the
// pressure conditions in chart order; the first row whose band and condition both hold is the
// fan. Comparisons are made in single precision, where every threshold is exact.

#include <array>
#include <limits>
#include <string_view>

namespace selection {

// An interval of the number line; each end is open or closed, and an infinite end is no bound.
struct Range {
    float low;
    bool lowIncluded;
    float high;
    bool highIncluded;

    constexpr bool contains(float x) const noexcept {
        return (lowIncluded ? x >= low : x > low) && (highIncluded ? x <= high : x < high);
    }
};

inline constexpr float kUnbounded = std::numeric_limits<float>::infinity();

// x ≤ b, a < x ≤ b, x > a, x ≥ a: the four shapes the chart uses.
constexpr Range atMost(float b) {
    return {-kUnbounded, false, b, true};
}
constexpr Range over(float a, float b) {
    return {a, false, b, true};
}
constexpr Range over(float a) {
    return {a, false, kUnbounded, false};
}
constexpr Range atLeast(float a) {
    return {a, true, kUnbounded, false};
}

struct SizeClass {
    int millimetres;
    float smallestDiameter;   // the class holds smallestDiameter ≤ D < the next class's
    std::string_view fanType; // "" in class 500, where each row names its own type
    std::string_view fanDiameter;
    bool diameterFirst; // the window gets the diameter before the type (class 630)
};

// clang-format off
inline constexpr std::array<SizeClass, 5> kSizeClasses{{
    // class  from D        fan type  fan diameter  diameter first
    { 330,   -kUnbounded,   "3HL",    "330",        false },
    { 500,    500.F,        "",       "500",        false },
    { 630,    630.F,        "4ZL",    "630",        true  },
    { 710,    710.F,        "4ZL",    "710",        false },
    { 800,    800.F,        "4ZL",    "800",        false },
}};
// clang-format on

struct FanRow {
    int number;
    int sizeClass;
    Range air;                // on A
    Range pressure;           // on P
    std::string_view fanType; // class 500 only
    std::string_view bladeAngle;
    std::string_view bladeCount;
    std::string_view airFlow;     // m3/h
    std::string_view fanPressure; // Pa
    std::string_view fanPower;    // kW
    int speedClass;               // which speed option is selected
    std::string_view motorPower;  // kW, a key of the motor catalogue
};

// clang-format off
inline constexpr std::array<FanRow, 15> kFanChart{{
    // row class air band                 pressure             type   angle   blades flow     press   power   speed motor
    {  1, 330, atMost(1500),              atMost(80),          "",    "35",   "6",   "1360",  "76.5", "0.06", 1,    "0.18" },
    {  2, 330, over(1500, 2550),          atMost(140),         "",    "25",   "3/6", "2460",  "140",  "0.17", 0,    "0.18" },
    {  3, 330, over(1500, 2550),          over(140, 170),      "",    "25",   "3/6", "2280",  "160",  "0.18", 0,    "0.18" },
    {  4, 330, over(2550, 4100),          atMost(170),         "",    "30",   "6",   "3570",  "155",  "0.37", 0,    "0.37" },
    {  5, 500, atMost(5000),              atMost(135),         "3HL", "45",   "6",   "5390",  "126",  "0.38", 1,    "0.37" },
    {  6, 500, over(5000, 6000),          atLeast(170),        "4ZL", "35",   "9",   "5530",  "181",  "0.57", 1,    "0.55" },
    {  7, 630, atMost(6000),              atMost(120),         "",    "32.5", "9",   "5410",  "118",  "0.34", 2,    "0.37" },
    {  8, 630, over(6000, 7400),          atMost(175),         "",    "30",   "6/9", "6870",  "198",  "0.72", 1,    "0.75" },
    {  9, 630, over(6000, 7400),          over(175),           "",    "30",   "9",   "6880",  "272",  "1.01", 1,    "1.1"  },
    { 10, 630, over(7400, 8600),          atMost(300),         "",    "35",   "9",   "7670",  "288",  "1.33", 1,    "1.5"  },
    { 11, 710, atMost(12500),             atLeast(300),        "",    "35",   "9",   "11200", "326",  "2.06", 1,    "2.2"  },
    { 12, 800, atMost(12500),             atMost(220),         "",    "40",   "9",   "11400", "155",  "1.06", 2,    "1.5"  },
    { 13, 800, over(12500, 14500),        atMost(350),         "",    "30",   "9",   "13100", "343",  "2.37", 1,    "3"    },
    { 14, 800, over(14500, 16500),        atMost(220),         "",    "25",   "9",   "15300", "240",  "1.74", 1,    "2.2"  },
    { 15, 800, over(16500),               atMost(350),         "",    "32.5", "9",   "19700", "300",  "2.88", 1,    "3"    },
}};
// clang-format on

// The size class of a largest fan diameter.
const SizeClass& sizeClassFor(float maxDiameter) noexcept;

// The chart row for a requirement and a pressure within a size class; nullptr where none fits.
const FanRow* chartRowFor(const SizeClass& sizeClass, float air, float pressure) noexcept;

struct FanSelection {
    const SizeClass* sizeClass; // always set
    const FanRow* row;          // nullptr: no fan of the chart fits
};

FanSelection selectFan(float air, float pressure, float maxDiameter) noexcept;

} // namespace selection
