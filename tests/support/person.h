// SPDX-License-Identifier: MIT
#pragma once
// A person at the window: opens lists and clicks items, presses keys, types and clicks buttons,
// all through the real widgets and the toolkit's own event delivery. The window's controls are
// found by their names, as a person finds them by their captions.

#include "form1.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class Person {
public:
    // Opens a new window, shown and exposed, as the program opens it.
    Person();
    ~Person();

    Form1& window() const { return *form_; }
    QComboBox* list(const char* name) const;
    QLabel* label(const char* name) const;
    QLineEdit* textBox() const;
    QRadioButton* option(int index) const;
    QPushButton* button(const char* name) const;

    // Opens the list with a click on its arrow and clicks the item with that text.
    void pickWithMouse(const char* list, const QString& item);
    // Opens the list with Alt+Down, moves with Down to the item and presses Enter.
    void pickWithKeysInOpenList(const char* list, const QString& item);
    // Clicks into the list's text field and presses Down (or Up) the given number of times.
    void pressArrows(const char* list, int downs);
    // Clicks into a text field, selects what is there and types the text (no Enter).
    void typeInto(QWidget* field, const QString& text);
    void typeInto(const char* list, const QString& text);
    void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(QWidget* buttonOrOption);
    // Moves the focus elsewhere with Tab, as a person leaves a field.
    void tabAway();

    // Everything a person can read in the window, by control name.
    QStringList snapshot() const;

private:
    std::unique_ptr<Form1> form_;
};
