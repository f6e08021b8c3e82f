// SPDX-License-Identifier: MIT
// The program's window, opened as the program opens it, for the tests under Wine: a person uses
// it with real key presses on the display and closes it, and then this prints each control, one
// a line, as
//   KIND<tab>X Y WIDTH HEIGHT<tab>TEXT
// with KIND one of caption (a plain label: a caption, a unit or the credit line), result (a value
// in its sunken box), list, box, option, button or line, the place in the window's own
// coordinates, and the text the control shows (a list's edit text).

#include "application.h"
#include "form1.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

namespace {

QString kindOf(const QWidget& control, const QWidget& window) {
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
        return {}; // the parts of a list, and the options' invisible group
    if (qobject_cast<const QLineEdit*>(&control))
        return QStringLiteral("box");
    if (qobject_cast<const QFrame*>(&control))
        return QStringLiteral("line");
    return {};
}

QString textOf(const QWidget& control) {
    if (auto* list = qobject_cast<const QComboBox*>(&control))
        return list->currentText();
    return control.property("text").toString();
}

} // namespace

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, [](const Form1& form) {
        for (const QWidget* control : form.findChildren<QWidget*>()) {
            const QString kind = kindOf(*control, form);
            if (kind.isEmpty())
                continue;
            const QRect at(control->mapTo(&form, QPoint()), control->size());
            std::printf("%s\t%d %d %d %d\t%s\n", qPrintable(kind), at.x(), at.y(), at.width(),
                        at.height(), textOf(*control).toUtf8().constData());
        }
    });
}
