// SPDX-License-Identifier: MIT
#pragma once
#include <QLabel>

// A display-only field that shows one result: white, with a single sunken border, empty until
// a result comes (the empty text: no result). A screen reader reads it by the text it shows
// (see accessible.h) and hears of each change; its caption, unit and tooltip reach the reader
// through the relation to the caption beside it and through its description.
class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent);
};
