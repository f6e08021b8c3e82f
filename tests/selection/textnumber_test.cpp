// SPDX-License-Identifier: MIT
// The text-number conversions: what a control's text reads as, and how a number is written back.

#include "textnumber.h"
#include "turkish_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using textnumber::leadingNumber;
using textnumber::singleToText;
using textnumber::toSingle;

namespace {

constexpr float kFloatMax = std::numeric_limits<float>::max();
constexpr double kDoubleMax = std::numeric_limits<double>::max();

TEST(LeadingNumber, ReadsTheListItemsExactly) {
    EXPECT_EQ(leadingNumber("7.5"), 7.5);
    EXPECT_EQ(leadingNumber("18.5"), 18.5);
    EXPECT_EQ(leadingNumber("132"), 132.0);
    EXPECT_EQ(leadingNumber("0.18"), 0.18);
    EXPECT_EQ(leadingNumber("21900"), 21900.0);
}

TEST(LeadingNumber, GivesZeroForATextWithoutANumber) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", "e5", ",5", "kW 7", "\xc3\x87"})
        EXPECT_EQ(leadingNumber(text), 0.0) << '"' << text << '"';
}

TEST(LeadingNumber, StopsAtTheFirstCharacterThatDoesNotFit) {
    EXPECT_EQ(leadingNumber("7,5"), 7.0); // the comma is never a decimal point
    EXPECT_EQ(leadingNumber("12abc"), 12.0);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber("12E"), 12.0);
    EXPECT_EQ(leadingNumber("12E+"), 12.0);
    EXPECT_EQ(leadingNumber("12e-x"), 12.0);
    EXPECT_EQ(leadingNumber("3 4"), 3.0);
    EXPECT_EQ(leadingNumber("- 5"), 0.0);
}

TEST(LeadingNumber, TakesBlanksSignsPeriodsAndExponents) {
    EXPECT_EQ(leadingNumber("  \t\n\r22"), 22.0);
    EXPECT_EQ(leadingNumber("+22"), 22.0);
    EXPECT_EQ(leadingNumber("-7.5"), -7.5);
    EXPECT_EQ(leadingNumber(".18"), 0.18);
    EXPECT_EQ(leadingNumber("5."), 5.0);
    EXPECT_EQ(leadingNumber("1E3"), 1000.0);
    EXPECT_EQ(leadingNumber("2.5e-1"), 0.25);
    EXPECT_EQ(leadingNumber("9E+99"), 9e99);
    EXPECT_EQ(leadingNumber("0.1800000001"), 0.1800000001);
}

TEST(LeadingNumber, SaturatesBeyondDoublePrecisionInsteadOfFailing) {
    EXPECT_EQ(leadingNumber("1e999"), kDoubleMax);
    EXPECT_EQ(leadingNumber("-1e999"), -kDoubleMax);
    EXPECT_EQ(leadingNumber("1e99999999999999999999999"), kDoubleMax);
    EXPECT_EQ(leadingNumber("0.0000001e400"), kDoubleMax);
    EXPECT_EQ(leadingNumber("0.0000001e310"), 1e303);
    EXPECT_EQ(leadingNumber("1e-999"), 0.0);
    EXPECT_TRUE(std::signbit(leadingNumber("-1e-999")));
    EXPECT_EQ(leadingNumber("0e999999"), 0.0);
    EXPECT_EQ(leadingNumber(std::string(400, '9')), kDoubleMax);
    EXPECT_EQ(leadingNumber("0." + std::string(500, '0') + "1e500"), 0.1);
}

TEST(LeadingNumber, IgnoresTheProcessLocale) {
    // Under a locale whose decimal point is a comma the period still is the decimal point.
    UNDER_A_TURKISH_LOCALE();
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(leadingNumber("7.5"), 7.5);
    EXPECT_EQ(leadingNumber("7,5"), 7.0);
    EXPECT_EQ(singleToText(18.5F), "18.5");
}

TEST(ToSingle, RoundsToTheNearestSingle) {
    EXPECT_EQ(toSingle(11.0000001), 11.0F);
    EXPECT_EQ(toSingle(499.99999), 500.0F);
    EXPECT_EQ(toSingle(0.1800000001), 0.18F);
    EXPECT_NE(toSingle(0.181), 0.18F);
}

TEST(ToSingle, SaturatesOutsideTheSingleRange) {
    EXPECT_EQ(toSingle(1e39), kFloatMax);
    EXPECT_EQ(toSingle(-1e300), -kFloatMax);
    EXPECT_EQ(toSingle(kDoubleMax), kFloatMax);
    EXPECT_EQ(toSingle(leadingNumber("1e999")), kFloatMax);
    EXPECT_EQ(toSingle(-1e-300), 0.0F);
}

TEST(SingleToText, WritesPlainDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(singleToText(7.5F), "7.5");
    EXPECT_EQ(singleToText(18.5F), "18.5");
    EXPECT_EQ(singleToText(45.0F), "45");
    EXPECT_EQ(singleToText(2820.0F), "2820");
    EXPECT_EQ(singleToText(0.0F), "0");
    EXPECT_EQ(singleToText(-0.0F), "0");
    EXPECT_EQ(singleToText(0.18F), "0.18");
    EXPECT_EQ(singleToText(-7.5F), "-7.5");
    EXPECT_EQ(singleToText(1e-5F), "0.00001");
    EXPECT_EQ(singleToText(1.5e10F), "15000000000");
}

TEST(SingleToText, UsesSevenSignificantDigitsWhereTheyReadBack) {
    EXPECT_EQ(singleToText(toSingle(leadingNumber("11.0000001"))), "11");
    EXPECT_EQ(singleToText(0.1F), "0.1");
    EXPECT_EQ(singleToText(123.4567F), "123.4567");
    EXPECT_EQ(singleToText(1234567.0F), "1234567");
}

TEST(SingleToText, UsesMoreDigitsOnlyWhereSevenCannotGiveTheValueBack) {
    EXPECT_EQ(singleToText(1.0F / 3.0F), "0.33333334");
    EXPECT_EQ(singleToText(16777216.0F), "16777216"); // "16777220" would be another single
    EXPECT_EQ(singleToText(16777218.0F), "16777218");
    EXPECT_EQ(singleToText(kFloatMax), "340282350000000000000000000000000000000");
}

TEST(SingleToText, EverySavedRatingReadsBackAsTheSameSingle) {
    // Powers of two, their neighbours and the decimal list items across the whole range.
    std::vector<float> values{kFloatMax,
                              -kFloatMax,
                              std::numeric_limits<float>::min(),
                              std::numeric_limits<float>::denorm_min(),
                              0.1F,
                              0.3F,
                              7.5F,
                              18.5F};
    for (int e = -149; e <= 127; e += 3) {
        const float p = std::ldexp(1.0F, e);
        values.insert(values.end(),
                      {p, std::nextafter(p, 0.0F), std::nextafter(p, kFloatMax), -p * 1.37F});
    }
    for (float v : values) {
        const std::string text = singleToText(v);
        EXPECT_EQ(toSingle(leadingNumber(text)), v) << text;
        EXPECT_EQ(text.find_first_of("eE ,"), std::string::npos) << text;
    }
}

} // namespace
