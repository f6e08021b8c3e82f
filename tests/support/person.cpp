// SPDX-License-Identifier: MIT
#include "person.h"

#include "widget_parts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

Person::Person() : form_(std::make_unique<Form1>()) {
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    form_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
}

Person::~Person() = default;

QComboBox* Person::list(const char* name) const {
    auto* found = form_->findChild<QComboBox*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QLabel* Person::label(const char* name) const {
    auto* found = form_->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QLineEdit* Person::textBox() const {
    return form_->findChild<QLineEdit*>(QStringLiteral("Text2"), Qt::FindDirectChildrenOnly);
}

QRadioButton* Person::option(int index) const {
    QRadioButton* found = speedOption(*form_, index);
    EXPECT_NE(found, nullptr) << "no speed option " << index;
    return found;
}

QPushButton* Person::button(const char* name) const {
    return form_->findChild<QPushButton*>(QString::fromLatin1(name));
}

namespace {

int rowOf(QComboBox* combo, const QString& item) {
    const int row = combo->findText(item, Qt::MatchExactly);
    EXPECT_GE(row, 0) << "no item " << item.toStdString();
    return row;
}

} // namespace

void Person::pickWithMouse(const char* name, const QString& item) {
    QComboBox* combo = list(name);
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrowOf(combo));
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); })) << "the list did not open";
    // The popup ignores a release too close to the click that opened it, as a person's hand
    // is never that fast.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    const QModelIndex index = combo->model()->index(rowOf(combo, item), 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); })) << "the list stayed open";
}

void Person::pickWithKeysInOpenList(const char* name, const QString& item) {
    QComboBox* combo = list(name);
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); })) << "the list did not open";
    const int target = rowOf(combo, item);
    QTest::keyClick(view, Qt::Key_Home);
    for (int row = view->currentIndex().row(); row < target; ++row)
        QTest::keyClick(view, Qt::Key_Down);
    ASSERT_EQ(view->currentIndex().row(), target);
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); })) << "the list stayed open";
}

void Person::pressArrows(const char* name, int downs) {
    QComboBox* combo = list(name);
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    for (int i = 0; i < std::abs(downs); ++i)
        QTest::keyClick(combo, downs > 0 ? Qt::Key_Down : Qt::Key_Up);
}

void Person::typeInto(QWidget* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void Person::typeInto(const char* name, const QString& text) {
    QComboBox* combo = list(name);
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    QTest::keyClick(combo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(combo, Qt::Key_Delete);
    QTest::keyClicks(combo, text);
}

void Person::pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

void Person::click(QWidget* target) {
    QTest::mouseClick(target, Qt::LeftButton);
}

void Person::tabAway() {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Tab);
}

QStringList Person::snapshot() const {
    QStringList shown;
    for (const QWidget* w : form_->findChildren<QWidget*>()) {
        if (const auto* l = qobject_cast<const QLabel*>(w))
            shown << w->objectName() + '=' + l->text();
        else if (const auto* c = qobject_cast<const QComboBox*>(w))
            shown << w->objectName() + '=' + c->currentText() + '#' + QString::number(c->count());
        else if (const auto* e = qobject_cast<const QLineEdit*>(w);
                 e && w->objectName() == QStringLiteral("Text2"))
            shown << w->objectName() + '=' + e->text();
        else if (const auto* r = qobject_cast<const QRadioButton*>(w))
            shown << r->property("index").toString() + '=' + r->text() +
                         (r->isChecked() ? "*" : "");
    }
    return shown;
}
