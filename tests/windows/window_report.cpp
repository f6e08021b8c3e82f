// SPDX-License-Identifier: MIT
// The program's window, opened as the program opens it, for the tests under Wine: a person uses
// it with real key presses on the display and closes it, and then this prints each control, one
// a line, as the window describes them (report.h): kind, place, text and a list's items;
// before them a line "font" with the dialog font, and a line "clipped" for each caption whose
// letters its box cuts off.

#include "application.h"
#include "describe.h"
#include "form1.h"
#include "ink.h"
#include "report.h"

#include <QFontInfo>
#include <QLabel>
#include <QRect>
#include <cstdio>

int main(int argc, char* argv[]) {
    return runProgram(argc, argv, [](const Form1& form) {
        const QFontInfo font(form.font());
        std::printf("font\t\t%s, %g pt, stretch %d\t\n", font.family().toUtf8().constData(),
                    form.font().pointSizeF(), form.font().stretch());
        for (const QLabel* label : form.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (controlKind(*label, form) == QLatin1String("caption") && !drawnWhole(*label)) {
                const QRect ink = textInk(*label);
                std::printf("clipped\t%d %d %d %d in %d %d\t%s\t\n", ink.x(), ink.y(), ink.width(),
                            ink.height(), label->width(), label->height(),
                            label->text().toUtf8().constData());
            }
        std::fputs(describeControls(form).toUtf8().constData(), stdout);
    });
}
