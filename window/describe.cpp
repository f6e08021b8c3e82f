// SPDX-License-Identifier: MIT
#include "describe.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTextStream>

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

QString describeControls(const QWidget& window) {
    QString description;
    QTextStream out(&description);
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString kind = controlKind(*control, window);
        if (kind.isEmpty())
            continue;
        QString text = control->property("text").toString();
        QStringList items;
        if (auto* list = qobject_cast<const QComboBox*>(control)) {
            text = list->currentText();
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
        }
        const QRect at(control->mapTo(&window, QPoint()), control->size());
        out << kind << '\t' << at.x() << ' ' << at.y() << ' ' << at.width() << ' ' << at.height()
            << '\t' << text << '\t' << items.join(QLatin1Char('|')) << '\n';
    }
    return description;
}
