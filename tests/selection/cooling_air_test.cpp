// SPDX-License-Identifier: MIT
// The cooling-air table on its own: keys, the raise of the cooler rating, and the two pressures.

#include "cooling_air.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

using selection::coolingAirFor;

namespace {

struct Expected {
    std::string_view air;
    std::string_view pressure; // "-" for left unchanged
    std::string_view diameter; // "-" for left unchanged
};

void expectOutputs(float power, float rating, Expected want) {
    const auto out = coolingAirFor(power, rating);
    SCOPED_TRACE(testing::Message() << "power " << power << ", rating " << rating);
    EXPECT_EQ(out.airRequirement, want.air);
    EXPECT_EQ(out.pressure.value_or("-"), want.pressure);
    EXPECT_EQ(out.maxDiameter.value_or("-"), want.diameter);
}

TEST(CoolingAir, EqualPowerAndRatingUseTheEqualCoolerPressure) {
    expectOutputs(22, 22, {"4100", "170", "400"});
    expectOutputs(37, 37, {"6000", "190", "500"});
    expectOutputs(132, 132, {"21900", "350", "950"});
}

TEST(CoolingAir, ALargerCoolerUsesTheLargerCoolerPressure) {
    expectOutputs(7.5F, 15, {"1500", "60", "350"});
    expectOutputs(22, 37, {"4100", "90", "500"});
    expectOutputs(15, 16, {"", "80", "-"}); // 16 has no rating row: the requirement is cleared
}

TEST(CoolingAir, PowersOf110And132HaveOnePressureWhateverTheRating) {
    for (float rating : {110.F, 132.F, 500.F}) {
        EXPECT_EQ(coolingAirFor(110, rating).pressure, "220");
        EXPECT_EQ(coolingAirFor(132, rating).pressure, "350");
    }
}

TEST(CoolingAir, ARatingBelowThePowerIsRaisedToIt) {
    const auto raised = coolingAirFor(45, 22);
    EXPECT_TRUE(raised.ratingRaised);
    EXPECT_EQ(raised.coolerRating, 45.F);
    expectOutputs(45, 22, {"7400", "250", "630"});

    const auto kept = coolingAirFor(45, 55);
    EXPECT_FALSE(kept.ratingRaised);
    EXPECT_EQ(kept.coolerRating, 55.F);
    EXPECT_FALSE(coolingAirFor(45, 45).ratingRaised);
}

TEST(CoolingAir, APowerWithoutARowClearsTheRequirementAndKeepsThePressure) {
    expectOutputs(18.5F, 22, {"", "-", "400"});
    expectOutputs(0, 22, {"", "-", "400"});
    expectOutputs(7.F, 15, {"", "-", "350"}); // "7,5" reads as 7
}

TEST(CoolingAir, ARatingWithoutARowClearsTheRequirementAndKeepsTheDiameter) {
    expectOutputs(7.5F, 7.5F, {"", "", "-"});
    expectOutputs(11, 11, {"", "", "-"});
    expectOutputs(18.5F, 15, {"", "-", "-"}); // raised to 18.5, which neither table knows
}

TEST(CoolingAir, ThirtyKilowattsHasARatingRowThoughTheRatingListLacksIt) {
    expectOutputs(30, 30, {"5000", "", "500"});
    expectOutputs(30, 22, {"5000", "", "500"}); // raised to 30
}

TEST(CoolingAir, KeysMatchOnlyOnExactSinglePrecision) {
    EXPECT_NE(selection::findPowerRow(11.F), nullptr);
    EXPECT_EQ(selection::findPowerRow(std::nextafter(11.F, 12.F)), nullptr);
    EXPECT_EQ(selection::findRatingRow(std::nextafter(15.F, 0.F)), nullptr);
    EXPECT_EQ(selection::findPowerRow(7.5F)->airRequirement, "1500");
}

TEST(CoolingAir, SaturatedNumbersBehaveLikeAnyOtherNumber) {
    const float huge = std::numeric_limits<float>::max();
    const auto out = coolingAirFor(huge, 22);
    EXPECT_TRUE(out.ratingRaised);
    EXPECT_EQ(out.coolerRating, huge);
    EXPECT_EQ(out.airRequirement, "");
    EXPECT_FALSE(coolingAirFor(-huge, -huge).ratingRaised);
}

} // namespace
