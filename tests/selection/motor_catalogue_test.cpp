// SPDX-License-Identifier: MIT
// The fan motor catalogue on its own.

#include "motor_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string_view>

using selection::motorFor;

namespace {

TEST(MotorCatalogue, GivesEveryFieldOfAMatchedMotor) {
    const auto m = motorFor(0, 0.18F);
    EXPECT_EQ(m.type, "AGM63");
    EXPECT_EQ(m.shaftDiameter, "11");
    EXPECT_EQ(m.maxCurrent, "0.54");
    EXPECT_EQ(m.ratedSpeed, 2820.F);

    const auto slow = motorFor(2, 0.55F);
    EXPECT_EQ(slow.type, "AGM80");
    EXPECT_EQ(slow.maxCurrent, "1.6");
    EXPECT_EQ(slow.ratedSpeed, 890.F);
}

TEST(MotorCatalogue, TheSameKeyGivesADifferentMotorInEachClass) {
    EXPECT_EQ(motorFor(0, 4.F).type, "AGM100");
    EXPECT_EQ(motorFor(1, 4.F).type, "AGM112");
    EXPECT_EQ(motorFor(2, 4.F).type, "AGM132");
    EXPECT_EQ(motorFor(2, 4.F).ratedSpeed, 940.F); // slower than the 3 kW motor of 945 rpm
    EXPECT_EQ(motorFor(2, 3.F).ratedSpeed, 945.F);
    EXPECT_EQ(motorFor(1, 0.18F).maxCurrent, "0.64");
}

TEST(MotorCatalogue, EveryListedPowerMatchesInEveryClass) {
    for (float power : {0.18F, 0.25F, 0.37F, 0.55F, 0.75F, 1.1F, 1.5F, 2.2F, 3.F, 4.F})
        for (int speedClass = 0; speedClass < selection::kSpeedClassCount; ++speedClass)
            EXPECT_FALSE(motorFor(speedClass, power).type.empty()) << power << " " << speedClass;
}

TEST(MotorCatalogue, ShaftDiameterFollowsFromTheMotorType) {
    const std::map<std::string_view, std::string_view> shaftOf{
        {"AGM63", "11"},  {"AGM71", "14"},  {"AGM80", "19"}, {"AGM90", "24"},
        {"AGM100", "28"}, {"AGM112", "28"}, {"AGM132", "38"}};
    for (const auto& table : selection::kMotorCatalogue)
        for (const auto& row : table)
            EXPECT_EQ(shaftOf.at(row.type), row.shaftDiameter) << row.type;
}

TEST(MotorCatalogue, APowerOutsideTheCatalogueGivesTheNoMatchMotor) {
    for (float power : {0.F, 2.F, 0.3F, 5.F, 0.181F, -0.18F, std::nextafter(0.18F, 1.F)}) {
        const auto m = motorFor(1, power);
        EXPECT_EQ(m.type, "") << power;
        EXPECT_FALSE(m.shaftDiameter.has_value());
        EXPECT_EQ(m.maxCurrent, "");
        EXPECT_EQ(m.ratedSpeed, 0.F);
    }
}

TEST(MotorCatalogue, AnUnknownSpeedClassIsTheSlowest) {
    EXPECT_EQ(motorFor(7, 0.37F).ratedSpeed, 910.F);
    EXPECT_EQ(motorFor(-1, 0.37F).maxCurrent, "1.15");
}

} // namespace
