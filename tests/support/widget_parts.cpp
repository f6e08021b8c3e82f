// SPDX-License-Identifier: MIT
#include "widget_parts.h"

#include <QComboBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

QRadioButton* speedOption(const QWidget& form, int index) {
    for (auto* option : form.findChildren<QRadioButton*>(QStringLiteral("Option1")))
        if (option->property("index").toInt() == index)
            return option;
    return nullptr;
}

QPoint arrowOf(QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    return list->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list)
        .center();
}

namespace {

QtMessageHandler standardHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        standardHandler(type, context, message);
}

} // namespace

void quietHeadlessPlatform() {
    standardHandler = qInstallMessageHandler(quietPlatform);
}
