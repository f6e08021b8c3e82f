// SPDX-License-Identifier: MIT
#pragma once
#include <QImage>

namespace iconArt {

// The program's icon, a three-bladed axial fan in its cooler frame, drawn at the given size.
// Only the build draws it (make_icon); the program carries the result.
QImage draw(int size);

} // namespace iconArt
