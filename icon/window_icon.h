// SPDX-License-Identifier: MIT
#pragma once
#include <QIcon>

namespace windowIcon {

// The program's icon at the sizes a title bar and a task bar ask for, from the pixels the build
// drew into the program.
QIcon make();

} // namespace windowIcon
