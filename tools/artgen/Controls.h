// The play toolbar's and loading screen's pictures: button faces, time panel, digits, bars.
#pragma once

#include <QImage>

// Two faces side by side, released then pressed, each faceWidth x 23.
QImage DrawButtonFaces(int faceWidth);
// The 180 x 32 panel behind the play time, with the colons and the sunken digit field.
QImage DrawTimePanel();
// Ten 19 x 28 cells side by side, digit d in cell d, on the digit field of the time panel.
QImage DrawDigits();
// The 430 x 20 progress bar, empty or filled.
QImage DrawProgressBar(bool filled);
