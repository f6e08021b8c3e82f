// SPDX-License-Identifier: MIT
#include "describe.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

QString controlKind(const QWidget& control, const QWidget& window) {
    if (qobject_cast<const QComboBox*>(&control))
        return QStringLiteral("list");
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->frameShape() == QFrame::NoFrame ? QStringLiteral("caption")
                                                      : QStringLiteral("result");
    if (qobject_cast<const QRadioButton*>(&control))
        return QStringLiteral("option");
    if (qobject_cast<const QPushButton*>(&control))
        return QStringLiteral("button");
    if (control.parent() != &window)
        return {};
    if (qobject_cast<const QLineEdit*>(&control))
        return QStringLiteral("box");
    if (auto* frame = qobject_cast<const QFrame*>(&control);
        frame && frame->frameShape() == QFrame::HLine)
        return QStringLiteral("line");
    return {};
}
