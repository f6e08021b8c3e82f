// SPDX-License-Identifier: MIT
// What the program tells the desktop and the screen reader about itself, checked in the process
// so that the sanitized build checks it too (the bus tests prove it through the clients).

#include "icon_art.h"
#include "person.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

TEST(Application, NamesTheDesktopEntryItShipsWith) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no desktop entries; its Start menu entry comes from the installer";
#endif
    // The task bar finds the program's name and icon through this entry (on Wayland, it is the
    // window's application id).
    const QFileInfo entry(QStringLiteral(FANSEL_DESKTOP_ENTRY));
    ASSERT_TRUE(entry.exists());
    EXPECT_EQ(QGuiApplication::desktopFileName(), entry.completeBaseName());
}

TEST(Application, WindowIconIsTheDrawnFanAtEachSize) {
    const QIcon icon = QApplication::windowIcon();
    for (const int size : {16, 32, 48, 64}) {
        const QImage shown =
            icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, iconArt::draw(size)) << size << " px";
    }
}

TEST(Application, ScreenReadersGetRolesNamesAndCaptions) {
    Person person;
    auto accessible = [&](const char* name) {
        return QAccessible::queryAccessibleInterface(
            person.window().findChild<QWidget*>(QString::fromLatin1(name)));
    };
    auto labelledBy = [](QAccessibleInterface* control) {
        const auto relations = control->relations(QAccessible::Label);
        return relations.isEmpty() ? QString() : relations.first().first->text(QAccessible::Name);
    };
    // A result is read by its value, nothing while it is empty, and is tied to its caption.
    QAccessibleInterface* pressure = accessible("Label40");
    ASSERT_TRUE(pressure);
    EXPECT_EQ(pressure->role(), QAccessible::StaticText);
    EXPECT_EQ(pressure->text(QAccessible::Name), "");
    EXPECT_EQ(pressure->text(QAccessible::Description), "");
    EXPECT_EQ(labelledBy(pressure), "Basınç =");
    person.pressArrows("Combo1", 13);
    EXPECT_EQ(pressure->text(QAccessible::Name), "350");
    EXPECT_EQ(pressure->text(QAccessible::Description), "Pa");
    // An input is read by its caption, with unit and tooltip.
    QAccessibleInterface* air = accessible("Text2");
    EXPECT_EQ(air->text(QAccessible::Name), "Soğutma Havası İhtiyacı");
    EXPECT_EQ(air->text(QAccessible::Description), "kg/h, 1.113 kg/m3 (45)");
    EXPECT_EQ(labelledBy(accessible("Option1Group")), "Fan d/dk =");
    EXPECT_EQ(accessible("Line1")->role(), QAccessible::Separator);
}

} // namespace
