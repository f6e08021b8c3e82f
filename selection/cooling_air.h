// SPDX-License-Identifier: MIT
#pragma once
// Cooling-air data of the cooler: what a compressor power and a cooler rating ask of the fan.
//
// The power table gives, for a compressor power, the cooling-air requirement and the static
// pressure the cooler needs (one value for a cooler larger than the compressor, one for an equal
// one). The rating table gives, for a cooler rating, the largest fan diameter the cooler takes.
// Keys match only on exact single-precision equality.

#include <array>
#include <optional>
#include <string_view>

namespace selection {

struct PowerRow {
    float compressorPower;                 // kW
    std::string_view airRequirement;       // kg/h
    std::string_view pressureLargerCooler; // Pa, when the rating is above the power
    std::string_view pressureEqualCooler;  // Pa, otherwise
};

struct RatingRow {
    float coolerRating;              // kW
    std::string_view maxFanDiameter; // mm
};

// clang-format off
inline constexpr std::array<PowerRow, 12> kPowerTable{{
    // power  air      rating > power  rating = power
    {  7.5F,  "1500",  "60",           ""    },
    {  11.F,  "2000",  "110",          ""    },
    {  15.F,  "2550",  "80",           "170" },
    {  22.F,  "4100",  "90",           "170" },
    {  30.F,  "5000",  "135",          ""    },
    {  37.F,  "6000",  "120",          "190" },
    {  45.F,  "7400",  "175",          "250" },
    {  55.F,  "8600",  "180",          "300" },
    {  75.F,  "12500", "200",          "350" },
    {  90.F,  "14500", "200",          "350" },
    { 110.F,  "16500", "220",          "220" },
    { 132.F,  "21900", "350",          "350" },
}};

inline constexpr std::array<RatingRow, 10> kRatingTable{{
    // rating  largest fan diameter
    {  15.F,   "350" },
    {  22.F,   "400" },
    {  30.F,   "500" },
    {  37.F,   "500" },
    {  45.F,   "630" },
    {  55.F,   "670" },
    {  75.F,   "770" },
    {  90.F,   "810" },
    { 110.F,   "950" },
    { 132.F,   "950" },
}};
// clang-format on

const PowerRow* findPowerRow(float compressorPower) noexcept;
const RatingRow* findRatingRow(float coolerRating) noexcept;

// What one pick of a compressor power or a cooler rating leaves in the window.
struct CoolingAir {
    bool ratingRaised;                           // the rating was below the power and is raised
    float coolerRating;                          // the rating after the raise
    std::string_view airRequirement;             // always written; "" where a table has no row
    std::optional<std::string_view> pressure;    // unset: the static pressure stays as it was
    std::optional<std::string_view> maxDiameter; // unset: the fan diameter stays as it was
};

// The cooler rating is kept at least as large as the compressor power; the power table then
// gives the air requirement and pressure, the rating table the diameter. A rating without a row
// clears the air requirement too, since that requirement belongs to a cooler the tables do not
// know.
CoolingAir coolingAirFor(float compressorPower, float coolerRating) noexcept;

} // namespace selection
