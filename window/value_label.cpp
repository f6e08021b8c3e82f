// SPDX-License-Identifier: MIT
#include "value_label.h"

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setIndent(1);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}
