// SPDX-License-Identifier: MIT
#include "toolkit.h"

#include "textnumber.h"

#include <QByteArray>

namespace toolkit {

double number(const QString& text) {
    // Only ASCII characters can belong to a number, so UTF-8 is as good as any encoding here.
    const QByteArray utf8 = text.toUtf8();
    return textnumber::leadingNumber(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

float single(const QString& text) {
    return textnumber::toSingle(number(text));
}

QString text(float value) {
    return QString::fromStdString(textnumber::singleToText(value));
}

QString text(std::string_view tableText) {
    return QString::fromUtf8(tableText.data(), static_cast<qsizetype>(tableText.size()));
}

} // namespace toolkit
