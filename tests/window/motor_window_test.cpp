// SPDX-License-Identifier: MIT
// Picking a fan motor power and choosing a speed option in the real window.

#include "person.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class MotorWindow : public testing::Test {
protected:
    Person person;

    void expectMotor(const char* type, const char* shaft, const char* current) {
        EXPECT_EQ(person.label("Label19")->text(), type);
        EXPECT_EQ(person.label("Label14")->text(), shaft);
        EXPECT_EQ(person.label("Label21")->text(), current);
    }
    QString caption(int option) const { return person.option(option)->text(); }
};

TEST_F(MotorWindow, PickingAPowerShowsTheMotorAndItsRatedSpeed) {
    person.click(person.option(0));
    person.pickWithMouse("Combo3", "0.18");
    expectMotor("AGM63", "11", "0.54");
    EXPECT_EQ(caption(0), "2820");

    person.click(person.option(1));
    expectMotor("AGM63", "11", "0.64");
    EXPECT_EQ(caption(1), "1340");
    EXPECT_EQ(caption(0), "2820"); // captions are never set back
    EXPECT_EQ(caption(2), "1000");
}

TEST_F(MotorWindow, EveryListedPowerMatchesInEveryClass) {
    const char* currents[3][10] = {
        {"0.54", "0.7", "1.1", "1.34", "1.95", "2.55", "3.45", "5", "6.5", "8.2"},
        {"0.64", "0.87", "1.2", "1.6", "2.1", "2.75", "3.7", "5.3", "6.9", "8.8"},
        {"0.62", "0.83", "1.15", "1.6", "2.2", "3", "3.7", "5.3", "7.4", "9.4"}};
    for (int speedClass = 0; speedClass < 3; ++speedClass) {
        person.click(person.option(speedClass));
        for (int item = 0; item < 10; ++item) {
            if (item == 0)
                person.pickWithKeysInOpenList("Combo3", "0.18");
            else
                person.pressArrows("Combo3", 1);
            EXPECT_EQ(person.label("Label21")->text(), currents[speedClass][item])
                << person.list("Combo3")->currentText().toStdString() << " in class " << speedClass;
            EXPECT_NE(caption(speedClass), "0");
        }
    }
    EXPECT_EQ(caption(0), "2870");
    EXPECT_EQ(caption(1), "1425");
    EXPECT_EQ(caption(2), "940"); // the 4 kW motor runs slower than the 3 kW one
}

TEST_F(MotorWindow, ASpeedOptionWithoutAMotorPowerChangesNothing) {
    const QStringList before = person.snapshot();
    for (int option : {0, 2, 1})
        person.click(person.option(option));
    QStringList after = person.snapshot();
    EXPECT_EQ(after.filter("Label").join(','), before.filter("Label").join(','));
    EXPECT_EQ(caption(0), "3000");
    EXPECT_EQ(caption(2), "1000");

    for (const char* typed : {"0,18", "0", "-3", "kW"}) {
        person.typeInto("Combo3", typed);
        person.click(person.option(2));
        person.click(person.option(1));
        EXPECT_EQ(person.label("Label19")->text(), "") << typed;
        EXPECT_EQ(caption(1), "1500") << typed;
        EXPECT_EQ(caption(2), "1000") << typed;
    }
}

TEST_F(MotorWindow, TypedPowersMatchByTheirSinglePrecisionValue) {
    for (const char* typed : {"0.180", ".18", "0.1800000001"}) {
        person.typeInto("Combo3", typed);
        person.click(person.option(1));
        expectMotor("AGM63", "11", "0.64");
        person.click(person.option(2));
        expectMotor("AGM71", "14", "0.62");
        person.typeInto("Combo3", "0.181");
        person.click(person.option(1));
        expectMotor("", "14", "");
    }
    for (const char* typed : {"3.0", "3.0000001"}) {
        person.typeInto("Combo3", typed);
        person.click(person.option(0));
        expectMotor("AGM90", "24", "6.5");
        EXPECT_EQ(caption(0), "2850");
    }
}

TEST_F(MotorWindow, TypingAPowerRunsNothingUntilASpeedIsChosen) {
    person.typeInto("Combo3", "0.37");
    person.pressKey(person.list("Combo3"), Qt::Key_Return);
    person.tabAway();
    expectMotor("", "", "");
    person.click(person.option(2));
    expectMotor("AGM80", "19", "1.15");
    EXPECT_EQ(caption(2), "910");
}

TEST_F(MotorWindow, APowerOutsideTheCatalogueGivesTheNoMatchMotor) {
    person.typeInto("Combo3", "5");
    person.click(person.option(0));
    expectMotor("", "", ""); // no motor matched yet: the shaft stays empty
    EXPECT_EQ(caption(0), "0");

    person.pickWithMouse("Combo3", "0.55");
    expectMotor("AGM71", "14", "1.34");
    person.typeInto("Combo3", "2");
    person.click(person.option(2));
    expectMotor("", "14", "");
    EXPECT_EQ(caption(2), "0");
    EXPECT_EQ(caption(0), "2780");
}

TEST_F(MotorWindow, TheSlowClassGivesItsOwnMotors) {
    person.click(person.option(2));
    person.pickWithMouse("Combo3", "0.55");
    expectMotor("AGM80", "19", "1.6");
    EXPECT_EQ(caption(2), "890");
    person.pickWithMouse("Combo3", "4");
    expectMotor("AGM132", "38", "9.4");
    EXPECT_EQ(caption(2), "940");
    const QStringList shown = person.snapshot();
    person.pickWithMouse("Combo3", "4");
    EXPECT_EQ(person.snapshot(), shown);
}

} // namespace
