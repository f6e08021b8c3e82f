// SPDX-License-Identifier: MIT
#pragma once
// Finding the window's controls and their parts, as the person of the tests and the sessions of
// the fuzzer and the soak both need them.

#include <QPoint>
#include <QtMessageHandler>

class QComboBox;
class QRadioButton;
class QWidget;

// The speed option of the given index.
QRadioButton* speedOption(const QWidget& form, int index);

// Where a list's arrow button is, to open the list with a click.
QPoint arrowOf(QComboBox* list);

// Silences the headless platform's notes that it cannot raise a window or grab the keyboard (it
// says so at every opened list); every other message goes on as before.
void quietHeadlessPlatform();
