// The colours and type shared by every drawn bitmap, so they read as one family.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

inline const QColor kDarkBlue(8, 36, 107);
inline const QColor kLightBlue(165, 203, 247);
inline const QColor kDeepBlue(3, 14, 48);
inline const QColor kPaleBlue(226, 238, 252);

// Liberation Sans at a pixel size, found through fontconfig.
QFont ArtFont(int pixelSize, bool bold);
// A blank opaque picture of the given size filled with `fill`.
QImage BlankImage(int width, int height, QColor fill);
// Mixes a and b: t 0 gives a, t 1 gives b.
QColor MixColour(QColor a, QColor b, double t);
