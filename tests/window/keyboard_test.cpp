// SPDX-License-Identifier: MIT
// The window used with the keyboard alone. What a screen reader hears is proven over the
// accessibility bus (tests/screenreader).

#include "person.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Keyboard, TheWholeCalculationNeedsNoMouse) {
    Person person;
    auto press = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    };
    // From the air requirement: Tab to the options, the two buttons, then the compressor list.
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), person.list("Combo1"));
    for (int i = 0; i < 7; ++i)
        press(Qt::Key_Down); // 37 kW
    EXPECT_EQ(person.textBox()->text(), "6000");
    // Back to "Hesapla" and press it with Space.
    for (int i = 0; i < 2; ++i)
        press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), person.button("Command1"));
    press(Qt::Key_Space);
    EXPECT_EQ(person.label("Label8")->text(), "4ZL");
    EXPECT_EQ(person.label("Label19")->text(), "AGM80");
    // The speed options take the arrow keys; each new option repeats the motor lookup.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), person.option(1));
    press(Qt::Key_Right);
    EXPECT_TRUE(person.option(2)->isChecked());
    EXPECT_EQ(person.option(2)->text(), "890");
    // The motor list opens with Alt+Down and takes Enter.
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), person.list("Combo3"));
    person.pickWithKeysInOpenList("Combo3", "4");
    EXPECT_EQ(person.label("Label19")->text(), "AGM132");
}

TEST(Keyboard, PageKeysPickInAListButAltDownAndCtrlArrowsDoNot) {
    Person person;
    QComboBox* compressor = person.list("Combo1");
    person.pressArrows("Combo1", 7); // 37 kW, a pick: 6000 kg/h
    person.textBox()->clear();
    // Alt+Down opens the list and Escape closes it; Ctrl with an arrow is the text field's.
    // Neither is a pick, so the cleared requirement stays empty.
    person.pressKey(compressor, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(compressor->view()->isVisible());
    QTest::keyClick(compressor->view(), Qt::Key_Escape);
    for (const int arrow : {Qt::Key_Down, Qt::Key_Up})
        person.pressKey(compressor, arrow, Qt::ControlModifier);
    EXPECT_EQ(compressor->currentText(), "37");
    EXPECT_EQ(person.textBox()->text(), "");
    // Page Down and Page Up move to another item, and each is a pick.
    person.pressKey(compressor, Qt::Key_PageDown);
    EXPECT_NE(compressor->currentText(), "37");
    EXPECT_NE(person.textBox()->text(), "");
    person.textBox()->clear();
    person.pressKey(compressor, Qt::Key_PageUp);
    EXPECT_NE(person.textBox()->text(), "");
}

TEST(Keyboard, EnterAndEscapeDoNotPressTheButtons) {
    Person person;
    person.typeInto(person.textBox(), "1500");
    QTest::keyClick(person.textBox(), Qt::Key_Return);
    QTest::keyClick(person.textBox(), Qt::Key_Escape);
    EXPECT_EQ(person.label("Label1")->text(), "");
    EXPECT_TRUE(person.window().isVisible());
}

} // namespace
