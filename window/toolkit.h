// SPDX-License-Identifier: MIT
#pragma once
// The thin adapter between the window's controls and the toolkit-free code: control texts to
// numbers and back, and fixed table texts to the toolkit's strings.

#include <QString>
#include <string_view>

namespace toolkit {

// The leading number of a control's text, in double precision (see textnumber::leadingNumber).
double number(const QString& text);

// The same, rounded to single precision as the selection rules use it.
float single(const QString& text);

// A single-precision number as the window shows it ("7.5", "2820").
QString text(float value);

// A fixed text of a table.
QString text(std::string_view tableText);

} // namespace toolkit
