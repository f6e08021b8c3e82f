// SPDX-License-Identifier: MIT
// What the window's widgets do with the handlers: each wired widget runs its handler when a
// person picks or clicks, by mouse or by keys, and what the handlers write stands whole in the
// window. What the handlers write is tested on its own, without a toolkit (tests/form).

#include "describe.h"
#include "facts.h"
#include "person.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

TEST(Wiring, EveryWiredWidgetRunsItsHandler) {
    Person person;
    person.pickWithMouse("Combo1", "37"); // Combo1_Click, which runs Combo2_Click
    EXPECT_EQ(person.list("Combo2")->currentText(), "37");
    EXPECT_EQ(person.textBox()->text(), "6000");
    person.pickWithMouse("Combo2", "45"); // Combo2_Click
    EXPECT_EQ(person.label("Label37")->text(), "630");
    person.click(person.button("Command1")); // Command1_Click, which runs Combo3_Click
    EXPECT_EQ(person.label("Label18")->text(), "5410");
    EXPECT_EQ(person.option(2)->text(), "910");
    person.click(person.option(0)); // Option1_Click
    EXPECT_EQ(person.option(0)->text(), "2800");
    person.pickWithMouse("Combo3", "4"); // Combo3_Click
    EXPECT_EQ(person.label("Label19")->text(), "AGM100");
    EXPECT_EQ(person.option(0)->text(), "2870");
}

TEST(Wiring, ATypedMotorPowerRunsNothingUntilASpeedIsChosen) {
    Person person;
    person.typeInto("Combo3", "0.37");
    person.pressKey(person.list("Combo3"), Qt::Key_Return);
    person.tabAway();
    EXPECT_EQ(person.label("Label19")->text(), "");
    person.click(person.option(2));
    EXPECT_EQ(person.label("Label19")->text(), "AGM80");
    EXPECT_EQ(person.option(2)->text(), "910");
}

TEST(Wiring, EveryRoadShowsItsResultsWholeInTheirBoxes) {
    // The roads of the shared facts one after another in one window, as a person picks them.
    Person person;
    for (const FactLine& road : facts("road")) {
        SCOPED_TRACE(road[0] + " kW / " + road[1] + " kW");
        person.pickWithMouse("Combo1", q(road[0]));
        if (person.list("Combo2")->findText(q(road[1])) >= 0)
            person.pickWithKeysInOpenList("Combo2", q(road[1]));
        person.click(person.button("Command1"));
        EXPECT_EQ(person.label("Label18")->text(), q(road[9]));
        EXPECT_EQ(person.label("Label21")->text(), q(road[16]));
        for (const QLabel* value : person.window().findChildren<QLabel*>()) {
            if (controlKind(*value, person.window()) != "result")
                continue;
            EXPECT_LE(value->fontMetrics().horizontalAdvance(value->text()) + value->indent(),
                      value->contentsRect().width())
                << value->objectName().toStdString() << " \"" << value->text().toStdString() << '"';
        }
    }
}

} // namespace
