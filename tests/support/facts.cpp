// SPDX-License-Identifier: MIT
#include "facts.h"

#include "facts_text.h"

#include <QString>

QStringList fact(const char* name) {
    const QString wanted = QString::fromLatin1(name);
    for (const QString& line : QString::fromUtf8(kFactsText).split(QLatin1Char('\n'))) {
        QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty() && words.takeFirst() == wanted)
            return words;
    }
    return {};
}

int factNumber(const char* name) {
    const QStringList words = fact(name);
    return words.size() == 1 ? words.first().toInt() : -1;
}
