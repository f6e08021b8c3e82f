// What a screen reader hears, read through Qt's accessibility interface, and the window used
// with the keyboard alone.

#include "person.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString spoken(QObject* control, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    EXPECT_NE(face, nullptr);
    return face ? face->text(what) : QString();
}

TEST(ScreenReader, HearsEachInputAndResultByItsCaptionAndUnit) {
    Person person;
    Form1& form = person.window();
    const std::tuple<const char*, const char*, const char*> names[] = {
        {"Combo1", "Kompresör Gücü", "kW"},
        {"Combo2", "Soğutucu Gücü", "kW"},
        {"Text2", "Soğutma Havası İhtiyacı", "kg/h"},
        {"Label40", "Basınç", "Pa"},
        {"Label37", "Max. Çap", "mm"},
        {"Combo3", "Fan Motoru Gücü", ""},
        {"Label8", "Fan Tipi", ""},
        {"Label1", "Fan Çapı", "mm"},
        {"Label11", "Kanat Sayısı", ""},
        {"Label35", "Açı", "derece"},
        {"Label26", "Fan Gücü", "kW"},
        {"Label18", "Fan Debisi", "m3/h"},
        {"Label31", "Basınç", "Pa"},
        {"Label14", "Fan Motoru  Mil Çapı", "mm"},
        {"Label19", "Fan Motor Tipi", ""},
        {"Label21", "Fan Motoru Akımı (Max)", "A"},
    };
    for (const auto& [control, name, unit] : names) {
        QWidget* widget = form.findChild<QWidget*>(QString::fromLatin1(control));
        ASSERT_NE(widget, nullptr) << control;
        EXPECT_EQ(spoken(widget, QAccessible::Name), QString::fromUtf8(name)) << control;
        EXPECT_EQ(spoken(widget, QAccessible::Description), QString::fromUtf8(unit)) << control;
    }
    EXPECT_EQ(spoken(person.button("Command1"), QAccessible::Name), "Hesapla");
    EXPECT_EQ(spoken(person.button("Command3"), QAccessible::Name), QStringLiteral("Çıkış"));
    EXPECT_EQ(spoken(person.option(0), QAccessible::Name), "Fan d/dk 3000");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(person.option(1))->role(),
              QAccessible::RadioButton);
}

TEST(ScreenReader, HearsTheResultsOfACalculation) {
    Person person;
    person.pickWithMouse("Combo1", "132");
    person.click(person.button("Command1"));
    EXPECT_EQ(spoken(person.label("Label18"), QAccessible::Value), "19700");
    EXPECT_EQ(spoken(person.label("Label18"), QAccessible::Name), "Fan Debisi");
    EXPECT_EQ(spoken(person.label("Label19"), QAccessible::Value), "AGM100");
    EXPECT_EQ(spoken(person.label("Label40"), QAccessible::Value), "350");
    EXPECT_EQ(spoken(person.option(1), QAccessible::Name), "Fan d/dk 1405");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(person.label("Label18"))->role(),
              QAccessible::StaticText);
}

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

TEST(Keyboard, EnterAndEscapeDoNotPressTheButtons) {
    Person person;
    person.typeInto(person.textBox(), "1500");
    QTest::keyClick(person.textBox(), Qt::Key_Return);
    QTest::keyClick(person.textBox(), Qt::Key_Escape);
    EXPECT_EQ(person.label("Label1")->text(), "");
    EXPECT_TRUE(person.window().isVisible());
}

} // namespace
