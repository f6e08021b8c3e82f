#pragma once
#include <QIcon>
#include <QImage>

namespace windowIcon {

// The program's icon, a three-bladed axial fan in its cooler frame, drawn at the given size.
QImage draw(int size);

// The icon at the sizes a window and a desktop use.
QIcon make();

} // namespace windowIcon
