// The corner boxes' pictures: the closed handles and the open boxes' own icons, 32 x 32.
#pragma once

#include <QImage>

// The handle of a closed box: an empty tray, or a tray holding pieces.
QImage DrawBoxHandle(bool holdsPieces);
// The icon of open box `box` (1..4: top-left, top-right, bottom-right, bottom-left), its number
// with an arrow pointing back to the box's own corner.
QImage DrawBoxIcon(int box);
