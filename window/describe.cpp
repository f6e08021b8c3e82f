// SPDX-License-Identifier: MIT
#include "describe.h"

#include "layout.h"

#include <QWidget>

QString controlKind(const QWidget& control, const QWidget& window) {
    if (control.window() != &window)
        return {};
    // The description says what each control is; its widget carries the control's name.
    const QString name = control.objectName();
    for (const form::Control& c : form::controls()) {
        if (QString::fromUtf8(form::nameOf(c.id).data(),
                              static_cast<qsizetype>(form::nameOf(c.id).size())) != name)
            continue;
        switch (c.kind) {
        case form::Kind::Caption:
        case form::Kind::Unit:
        case form::Kind::Credit:
            return QStringLiteral("caption");
        case form::Kind::Value:
            return QStringLiteral("result");
        case form::Kind::List:
            return QStringLiteral("list");
        case form::Kind::TextBox:
            return QStringLiteral("box");
        case form::Kind::Option:
            return QStringLiteral("option");
        case form::Kind::Button:
            return QStringLiteral("button");
        case form::Kind::Line:
            return QStringLiteral("line");
        }
    }
    return {};
}
