// SPDX-License-Identifier: MIT
// Picking a compressor power or a cooler rating in the real window, as a person does.

#include "person.h"
#include "textnumber.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace {

class CoolingAirWindow : public testing::Test {
protected:
    Person person;

    QString combo2() const { return person.list("Combo2")->currentText(); }
    QString air() const { return person.textBox()->text(); }
    QString pressure() const { return person.label("Label40")->text(); }
    QString diameter() const { return person.label("Label37")->text(); }

    void expectOutputs(const char* wantAir, const char* wantPressure, const char* wantDiameter) {
        EXPECT_EQ(air(), wantAir);
        EXPECT_EQ(pressure(), wantPressure);
        EXPECT_EQ(diameter(), wantDiameter);
    }
};

TEST_F(CoolingAirWindow, PickingACompressorPowerSetsTheRatingAndAllThreeValues) {
    person.pickWithMouse("Combo1", "37");
    EXPECT_EQ(combo2(), "37");
    expectOutputs("6000", "190", "500");
}

TEST_F(CoolingAirWindow, ALargerCoolerGivesItsOwnPressure) {
    person.pickWithMouse("Combo1", "22");
    expectOutputs("4100", "170", "400");
    person.pickWithMouse("Combo2", "37");
    expectOutputs("4100", "90", "500");
    EXPECT_EQ(combo2(), "37");
}

TEST_F(CoolingAirWindow, APowerWithoutRatingRowClearsTheRequirementAndKeepsTheDiameter) {
    person.pickWithMouse("Combo1", "22");
    for (const char* power : {"7.5", "11"}) {
        person.pickWithMouse("Combo1", power);
        EXPECT_EQ(combo2(), power);
        expectOutputs("", "", "400");
    }
}

TEST_F(CoolingAirWindow, ThirtyKilowattsReachesTheRatingRowOfThirty) {
    person.pickWithMouse("Combo2", "90");
    person.pickWithMouse("Combo1", "30");
    EXPECT_EQ(combo2(), "30");
    expectOutputs("5000", "", "500");
}

TEST_F(CoolingAirWindow, TheBiggestCompressorsHaveOnePressure) {
    person.pickWithMouse("Combo1", "132");
    EXPECT_EQ(pressure(), "350");
    person.pickWithMouse("Combo1", "110");
    EXPECT_EQ(pressure(), "220");
    person.pickWithMouse("Combo2", "132");
    EXPECT_EQ(pressure(), "220");
}

TEST_F(CoolingAirWindow, ACompressorPowerOfEighteenAndAHalfHasNoRow) {
    person.pickWithMouse("Combo1", "45");
    person.pickWithMouse("Combo1", "18.5");
    EXPECT_EQ(combo2(), "18.5");
    expectOutputs("", "250", "630"); // neither table knows 18.5: both values stay
    person.pickWithMouse("Combo2", "22");
    expectOutputs("", "250", "400");
    person.pickWithMouse("Combo2", "15");
    EXPECT_EQ(combo2(), "18.5"); // raised again
    expectOutputs("", "250", "400");
}

TEST_F(CoolingAirWindow, ARatingBelowThePowerIsRaised) {
    person.typeInto("Combo1", "45");
    person.pickWithMouse("Combo2", "22");
    EXPECT_EQ(combo2(), "45");
    expectOutputs("7400", "250", "630");
}

TEST_F(CoolingAirWindow, ARatingWithAnEmptyPowerFindsNoPowerRow) {
    person.pickWithMouse("Combo1", "75");
    person.typeInto("Combo1", "");
    person.pickWithMouse("Combo2", "22");
    expectOutputs("", "350", "400");
}

TEST_F(CoolingAirWindow, EqualNumbersLeaveEverythingAsItWas) {
    person.pickWithMouse("Combo1", "37");
    person.typeInto(person.textBox(), "999");
    person.typeInto("Combo2", "37.0");
    person.pickWithMouse("Combo1", "37");
    EXPECT_EQ(combo2(), "37.0");
    expectOutputs("999", "190", "500");
}

TEST_F(CoolingAirWindow, APickedPowerAlsoLowersALargerRating) {
    person.typeInto("Combo2", "37");
    person.pickWithMouse("Combo1", "22");
    EXPECT_EQ(combo2(), "22");
    expectOutputs("4100", "170", "400");
}

TEST_F(CoolingAirWindow, KeysAreRoundedToSinglePrecisionButCompareInDouble) {
    person.typeInto("Combo1", "11.0000001");
    person.pickWithMouse("Combo2", "15");
    expectOutputs("2000", "110", "350");

    person.typeInto("Combo2", "11.0000001");
    person.pickWithMouse("Combo1", "11");
    EXPECT_EQ(combo2(), "11");
}

TEST_F(CoolingAirWindow, ACommaIsNoDecimalPoint) {
    person.typeInto("Combo1", "7,5");
    person.pickWithMouse("Combo2", "15");
    expectOutputs("", "", "350");
}

TEST_F(CoolingAirWindow, PickingTheSameItemAgainRunsTheTablesAgain) {
    person.pickWithMouse("Combo2", "37");
    person.typeInto(person.textBox(), "12");
    person.pickWithMouse("Combo2", "37");
    EXPECT_EQ(air(), "");
    person.pickWithMouse("Combo1", "37");
    person.typeInto(person.textBox(), "12");
    person.pickWithMouse("Combo2", "37");
    EXPECT_EQ(air(), "6000");
}

TEST_F(CoolingAirWindow, ArrowKeysInTheFieldArePicks) {
    person.pressArrows("Combo1", 1);
    EXPECT_EQ(person.list("Combo1")->currentText(), "7.5");
    EXPECT_EQ(combo2(), "7.5");
    person.pressArrows("Combo1", 2);
    EXPECT_EQ(combo2(), "15");
    expectOutputs("2550", "170", "350");
    person.pressArrows("Combo1", -1);
    EXPECT_EQ(combo2(), "11");
}

TEST_F(CoolingAirWindow, EnterInTheOpenListIsAPick) {
    person.pickWithKeysInOpenList("Combo1", "55");
    EXPECT_EQ(combo2(), "55");
    expectOutputs("8600", "300", "670");
}

TEST_F(CoolingAirWindow, RaisedRatingsAreWrittenWithAPeriodWhateverTheLocale) {
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the tests run under a Turkish locale";
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    person.typeInto("Combo1", "18.5");
    person.pickWithMouse("Combo2", "15");
    EXPECT_EQ(combo2(), "18.5");
    QLocale::setDefault(previous);
}

TEST_F(CoolingAirWindow, NumbersBeyondSinglePrecisionSaturateInsteadOfFailing) {
    const float largest = std::numeric_limits<float>::max();
    for (const char* typed : {"1e39", "1e999", "123456789012345678901234567890123456789012"}) {
        person.typeInto("Combo1", typed);
        person.pickWithMouse("Combo2", "22");
        const std::string written = combo2().toStdString();
        EXPECT_EQ(textnumber::toSingle(textnumber::leadingNumber(written)), largest) << written;
        EXPECT_EQ(air(), "") << typed;
        // A second pick reads the written text back as the same rating: nothing changes.
        person.pickWithMouse("Combo1", "22");
        EXPECT_EQ(combo2(), "22");
    }
    person.typeInto("Combo1", "-1e300");
    person.pickWithMouse("Combo2", "15");
    EXPECT_EQ(combo2(), "15");
    expectOutputs("", "170", "350");
}

TEST_F(CoolingAirWindow, AnInBetweenRatingIsRaisedToTheTypedPower) {
    person.typeInto("Combo1", "16777217");
    person.pickWithMouse("Combo2", "15");
    const QString written = combo2();
    EXPECT_EQ(textnumber::toSingle(textnumber::leadingNumber(written.toStdString())), 16777216.F);
    person.typeInto("Combo1", "0.1");
    person.typeInto("Combo2", "0");
    person.pickWithMouse("Combo1", "7.5");
    EXPECT_EQ(combo2(), "7.5");
}

} // namespace
