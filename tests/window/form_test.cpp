// SPDX-License-Identifier: MIT
// The window as a person first meets it: controls in place, lists filled, and the way out. What
// the keys, typing, pasting and clicks do is proven by the sessions of acts (tests/sessions),
// which the page plays too.

#include "describe.h"
#include "facts.h"
#include "person.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QRect twips(int left, int top, int width, int height) {
    auto px = [](int t) { return (t + 7) / 15; };
    return {px(left), px(top), px(width), px(height)};
}

TEST(Window, OpensWithItsTitleSizeAndFrame) {
    Person person;
    Form1& form = person.window();
    EXPECT_EQ(form.windowTitle(), QStringLiteral(" Vidalı Kompresör Soğutucu Fan Seçim Programı"));
    EXPECT_EQ(form.size(), QSize(455, 269));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form.windowIcon().isNull());
    const QRect screen = form.screen()->availableGeometry();
    EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 4); // rounding
}

TEST(Window, PutsEveryControlAtItsPlace) {
    Person person;
    const std::pair<const char*, QRect> places[] = {
        {"Label7", twips(120, 240, 1335, 255)},     {"Combo1", twips(1680, 240, 855, 315)},
        {"Label2", twips(3120, 240, 1935, 255)},    {"Text2", twips(5160, 240, 735, 285)},
        {"Label9", twips(120, 720, 1335, 375)},     {"Combo2", twips(1680, 720, 855, 315)},
        {"Label40", twips(3840, 720, 495, 285)},    {"Label37", twips(5880, 720, 405, 285)},
        {"Combo3", twips(1680, 1320, 855, 315)},    {"Label6", twips(3000, 1380, 855, 255)},
        {"Label8", twips(960, 1920, 495, 285)},     {"Label33", twips(6220, 1920, 495, 255)},
        {"Label32", twips(6120, 2420, 375, 255)},   {"Command1", twips(3840, 3000, 1215, 375)},
        {"Command3", twips(5280, 3000, 1215, 375)}, {"Label21", twips(2040, 3600, 400, 285)},
        {"Label24", twips(2530, 3630, 255, 255)},   {"Label15", twips(3960, 3600, 2535, 255)},
    };
    for (const auto& [name, rect] : places) {
        const auto* control = person.window().findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        // A caption whose letters reach past its box has a margin for them around its place.
        const bool caption = controlKind(*control, person.window()) == "caption";
        EXPECT_EQ(caption ? control->geometry().marginsRemoved(control->contentsMargins())
                          : control->geometry(),
                  rect)
            << name;
    }
    const QRect options[] = {twips(3960, 1320, 735, 375), twips(4800, 1320, 735, 375),
                             twips(5640, 1320, 735, 375)};
    for (int i = 0; i < 3; ++i) {
        const QRadioButton* option = person.option(i);
        EXPECT_EQ(QRect(option->mapTo(&person.window(), QPoint()), option->size()), options[i])
            << "Option1 " << i;
    }
}

// Where its text stands: a caption's text, or the whole box of any other control.
QRect inkOf(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    if (controlKind(*control, *control->window()) != "caption")
        return control->geometry();
    return {label->pos(),
            QSize(label->fontMetrics().horizontalAdvance(label->text()), label->height())};
}

TEST(Window, NoCaptionRunsIntoAnotherControl) {
    Person person;
    const QList<QWidget*> controls =
        person.window().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget* caption : controls) {
        if (controlKind(*caption, person.window()) != "caption")
            continue;
        for (const QWidget* other : controls) {
            if (other == caption)
                continue;
            EXPECT_FALSE(inkOf(caption).intersects(inkOf(other)))
                << caption->objectName().toStdString() << " runs into "
                << other->objectName().toStdString();
        }
    }
}

TEST(Window, ResizingMovesNothing) {
    Person person;
    const QStringList before = person.snapshot();
    QList<QRect> places;
    for (const QWidget* w : person.window().findChildren<QWidget*>())
        places << w->geometry();
    person.window().resize(700, 500);
    QApplication::processEvents();
    int i = 0;
    for (const QWidget* w : person.window().findChildren<QWidget*>())
        EXPECT_EQ(w->geometry(), places[i++]) << w->objectName().toStdString();
    EXPECT_EQ(person.snapshot(), before);
}

TEST(Window, ShowsEveryCaptionWhole) {
    Person person;
    int captions = 0;
    for (const QLabel* label : person.window().findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        ++captions;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(needed, label->contentsRect().width())
            << label->objectName().toStdString() << " \"" << label->text().toStdString() << '"';
    }
    EXPECT_EQ(captions, factNumber("captions"));
    for (const char* name : {"Command1", "Command3"}) {
        const QPushButton* b = person.button(name);
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 8, b->width()) << name;
    }
    for (int i = 0; i < 3; ++i) {
        const QRadioButton* option = person.option(i);
        const QStyle* style = option->style();
        const int needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option) +
                           option->fontMetrics().horizontalAdvance(option->text());
        EXPECT_LE(needed, option->width()) << "Option1 " << i;
    }
    // 8 points; on Windows, a face too wide for the places steps down to 7 at the least.
    const qreal points = person.window().font().pointSizeF();
#ifdef _WIN32
    EXPECT_TRUE(points >= 7 && points <= 8) << points;
#else
    EXPECT_EQ(points, 8);
#endif
}

TEST(Window, StartsWithFilledListsAndNoResults) {
    Person person;
    EXPECT_EQ(itemsOf(person.list("Combo1")),
              QStringList({"7.5", "11", "15", "18.5", "22", "30", "37", "45", "55", "75", "90",
                           "110", "132"}));
    EXPECT_EQ(itemsOf(person.list("Combo2")),
              QStringList({"15", "22", "37", "45", "55", "75", "90", "110", "132"}));
    EXPECT_EQ(itemsOf(person.list("Combo3")),
              QStringList({"0.18", "0.25", "0.37", "0.55", "0.75", "1.1", "1.5", "2.2", "3", "4"}));
    for (const char* name : {"Combo1", "Combo2", "Combo3"})
        EXPECT_EQ(person.list(name)->currentText(), QString()) << name;
    EXPECT_EQ(person.textBox()->text(), QString());
    for (const char* name : {"Label40", "Label37", "Label8", "Label1", "Label11", "Label35",
                             "Label26", "Label18", "Label31", "Label14", "Label19", "Label21"}) {
        const QLabel* value = person.label(name);
        EXPECT_EQ(value->text(), QString()) << name;
        EXPECT_EQ(value->palette().color(value->backgroundRole()), QColor(Qt::white)) << name;
        EXPECT_TRUE(value->autoFillBackground()) << name;
        EXPECT_NE(value->frameShape(), QFrame::NoFrame) << name;
    }
    EXPECT_EQ(person.option(0)->text(), "3000");
    EXPECT_EQ(person.option(1)->text(), "1500");
    EXPECT_EQ(person.option(2)->text(), "1000");
    EXPECT_TRUE(person.option(1)->isChecked());
    EXPECT_EQ(person.label("Label16")->text(), QStringLiteral("Fan Motoru  Mil Çapı ="));
    EXPECT_EQ(person.button("Command3")->text(), QStringLiteral("Çıkış"));
}

TEST(Window, CarriesItsFourTooltips) {
    Person person;
    EXPECT_EQ(person.textBox()->toolTip(), "1.113 kg/m3 (45)");
    EXPECT_EQ(person.label("Label18")->toolTip(), "1.113 kg/m3 (45)");
    EXPECT_EQ(person.label("Label31")->toolTip(), "Statik");
    EXPECT_EQ(person.label("Label6")->toolTip(), "ContiTech MultiRib");
    int tooltips = 0;
    for (const QWidget* w : person.window().findChildren<QWidget*>())
        tooltips += !w->toolTip().isEmpty();
    EXPECT_EQ(tooltips, 4);
}

TEST(Window, TabGoesRoundBeyondEitherEndOfTheOrder) {
    Person person;
    person.list("Combo3")->setFocus();
    person.pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(person.textBox()->hasFocus());
    person.pressKey(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(person.list("Combo3")->hasFocus());
}

TEST(Exit, TheExitButtonEndsTheEventLoopWithStatusZero) {
    Person person;
    person.textBox()->setText("6000");
    QTimer::singleShot(0, [&] { person.click(person.button("Command3")); });
    QTimer watchdog;
    watchdog.callOnTimeout([] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Exit, ClosingTheWindowEndsTheEventLoopWithStatusZero) {
    Person person;
    QTimer::singleShot(0, [&] { person.window().close(); });
    QTimer watchdog;
    watchdog.callOnTimeout([] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
