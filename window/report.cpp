// SPDX-License-Identifier: MIT
#include "report.h"

#include "describe.h"

#include <QComboBox>
#include <QStringList>
#include <QTextStream>
#include <QWidget>

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
