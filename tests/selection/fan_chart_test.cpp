// SPDX-License-Identifier: MIT
// The fan selection chart on its own: size classes, every row and every boundary.

#include "fan_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using selection::selectFan;
using selection::sizeClassFor;

namespace {

int rowOf(float air, float pressure, float maxDiameter) {
    const auto fan = selectFan(air, pressure, maxDiameter);
    return fan.row ? fan.row->number : 0;
}

TEST(FanChart, EachDiameterThresholdBelongsToTheClassAboveIt) {
    const std::pair<float, int> cases[] = {{-5, 330},
                                           {0, 330},
                                           {499, 330},
                                           {500, 500},
                                           {629, 500},
                                           {630, 630},
                                           {709, 630},
                                           {710, 710},
                                           {799, 710},
                                           {800, 800},
                                           {950, 800},
                                           {499.99999F, 500},
                                           {std::nextafter(500.F, 0.F), 330},
                                           {std::numeric_limits<float>::max(), 800},
                                           {-std::numeric_limits<float>::max(), 330}};
    for (auto [diameter, sizeClass] : cases)
        EXPECT_EQ(sizeClassFor(diameter).millimetres, sizeClass) << diameter;
}

TEST(FanChart, EmptyInputsGiveRowOne) {
    EXPECT_EQ(rowOf(0, 0, 0), 1);
}

// The values the cooling-air table leaves for each compressor power and cooler rating pair.
TEST(FanChart, TheCoolingAirTableReachesEveryRow) {
    struct Case {
        float air, pressure, diameter;
        int row;
    };
    const Case cases[] = {
        {1500, 60, 350, 1},    {2000, 110, 350, 2},   {2550, 170, 350, 3},   {2550, 80, 400, 2},
        {4100, 170, 400, 4},   {4100, 90, 500, 5},    {5000, 0, 500, 5},     {5000, 135, 630, 0},
        {6000, 190, 500, 6},   {6000, 120, 630, 7},   {7400, 250, 630, 9},   {7400, 175, 670, 8},
        {8600, 300, 670, 10},  {8600, 180, 770, 0},   {8600, 180, 810, 12},  {12500, 350, 770, 11},
        {12500, 200, 810, 12}, {14500, 350, 810, 13}, {16500, 220, 950, 14}, {21900, 350, 950, 15},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowOf(c.air, c.pressure, c.diameter), c.row)
            << c.air << " kg/h, " << c.pressure << " Pa, " << c.diameter << " mm";
}

TEST(FanChart, AirBandsIncludeTheirUpperThresholdOnly) {
    EXPECT_EQ(rowOf(1500, 80, 400), 1);
    EXPECT_EQ(rowOf(std::nextafter(1500.F, 2000.F), 80, 400), 2);
    EXPECT_EQ(rowOf(2550, 150, 400), 3);
    EXPECT_EQ(rowOf(2551, 150, 400), 4);
    EXPECT_EQ(rowOf(4100, 170, 400), 4);
    EXPECT_EQ(rowOf(4101, 100, 400), 0);
    EXPECT_EQ(rowOf(5000, 100, 500), 5);
    EXPECT_EQ(rowOf(5001, 200, 500), 6);
    EXPECT_EQ(rowOf(6001, 200, 500), 0);
    EXPECT_EQ(rowOf(6000, 100, 630), 7);
    EXPECT_EQ(rowOf(7400, 100, 630), 8);
    EXPECT_EQ(rowOf(7401, 100, 630), 10);
    EXPECT_EQ(rowOf(8600, 100, 630), 10);
    EXPECT_EQ(rowOf(8601, 100, 630), 0);
    EXPECT_EQ(rowOf(12500, 300, 710), 11);
    EXPECT_EQ(rowOf(12501, 300, 710), 0);
    EXPECT_EQ(rowOf(12500, 200, 800), 12);
    EXPECT_EQ(rowOf(12501, 200, 800), 13);
    EXPECT_EQ(rowOf(14501, 200, 800), 14);
    EXPECT_EQ(rowOf(16500, 200, 800), 14);
    EXPECT_EQ(rowOf(16501, 200, 800), 15);
}

TEST(FanChart, PressureConditionsHaveTheSenseOfTheChart) {
    EXPECT_EQ(rowOf(1500, 80, 0), 1);
    EXPECT_EQ(rowOf(1500, 81, 0), 0);
    EXPECT_EQ(rowOf(1501, 81, 0), 2);
    EXPECT_EQ(rowOf(2000, 140, 0), 2);
    EXPECT_EQ(rowOf(2000, std::nextafter(140.F, 200.F), 0), 3);
    EXPECT_EQ(rowOf(2000, 170, 0), 3);
    EXPECT_EQ(rowOf(2000, 171, 0), 0);
    EXPECT_EQ(rowOf(5000, 135, 500), 5);
    EXPECT_EQ(rowOf(5000, 136, 500), 0);
    EXPECT_EQ(rowOf(5500, 169, 500), 0); // a lower bound: the pressure must reach 170
    EXPECT_EQ(rowOf(5500, 170, 500), 6);
    EXPECT_EQ(rowOf(5500, 1e9F, 500), 6);
    EXPECT_EQ(rowOf(6000, 120, 630), 7);
    EXPECT_EQ(rowOf(6000, 121, 630), 0);
    EXPECT_EQ(rowOf(7000, 175, 630), 8);
    EXPECT_EQ(rowOf(7000, std::nextafter(175.F, 200.F), 630), 9);
    EXPECT_EQ(rowOf(7000, 10000, 630), 9); // no upper bound
    EXPECT_EQ(rowOf(8000, 300, 630), 10);
    EXPECT_EQ(rowOf(8000, 301, 630), 0);
    EXPECT_EQ(rowOf(10000, 299, 710), 0);
    EXPECT_EQ(rowOf(10000, 300, 710), 11);
    EXPECT_EQ(rowOf(10000, 220, 800), 12);
    EXPECT_EQ(rowOf(10000, 221, 800), 0);
    EXPECT_EQ(rowOf(13000, 350, 800), 13);
    EXPECT_EQ(rowOf(13000, 351, 800), 0);
    EXPECT_EQ(rowOf(15000, 221, 800), 0);
    EXPECT_EQ(rowOf(21900, 350, 950), 15);
    EXPECT_EQ(rowOf(21900, 351, 950), 0);
}

TEST(FanChart, NegativeAndSaturatedInputsAreComparedLikeAnyOther) {
    const float huge = std::numeric_limits<float>::max();
    EXPECT_EQ(rowOf(-1, -1, -1), 1);
    EXPECT_EQ(rowOf(huge, 350, 900), 15); // "9E+99" typed as the requirement
    EXPECT_EQ(rowOf(huge, 0, 400), 0);
    EXPECT_EQ(rowOf(1000, -huge, 630), 7);
}

TEST(FanChart, RowsGiveTheirOutputsAndFanTypes) {
    const auto row6 = selectFan(6000, 190, 500).row;
    ASSERT_NE(row6, nullptr);
    EXPECT_EQ(row6->fanType, "4ZL");
    EXPECT_EQ(row6->bladeAngle, "35");
    EXPECT_EQ(row6->bladeCount, "9");
    EXPECT_EQ(row6->airFlow, "5530");
    EXPECT_EQ(row6->fanPressure, "181");
    EXPECT_EQ(row6->fanPower, "0.57");
    EXPECT_EQ(row6->speedClass, 1);
    EXPECT_EQ(row6->motorPower, "0.55");
    EXPECT_EQ(selectFan(5000, 0, 500).row->fanType, "3HL");
    EXPECT_EQ(selectFan(5000, 0, 500).sizeClass->fanType, "");
    EXPECT_EQ(selectFan(0, 0, 630).sizeClass->fanType, "4ZL");
    EXPECT_EQ(selectFan(0, 0, 630).sizeClass->fanDiameter, "630");
}

TEST(FanChart, AtMostOneRowFitsAnyInput) {
    // Two rows can only overlap at or beside a bound, so every bound of the chart is tried, with
    // the float on either side of it, on both axes at once.
    std::vector<float> airs{-1, 0};
    std::vector<float> pressures{-1, 0};
    auto probe = [](std::vector<float>& at, const selection::Range& range) {
        for (const float bound : {range.low, range.high})
            if (std::isfinite(bound))
                for (const float x :
                     {std::nextafter(bound, -INFINITY), bound, std::nextafter(bound, INFINITY)})
                    at.push_back(x);
    };
    for (const auto& row : selection::kFanChart) {
        probe(airs, row.air);
        probe(pressures, row.pressure);
    }
    for (const float air : airs)
        for (const float pressure : pressures)
            for (const auto& sizeClass : selection::kSizeClasses) {
                int fits = 0;
                for (const auto& row : selection::kFanChart)
                    fits += row.sizeClass == sizeClass.millimetres && row.air.contains(air) &&
                            row.pressure.contains(pressure);
                ASSERT_LE(fits, 1) << air << " " << pressure << " " << sizeClass.millimetres;
            }
}

} // namespace
