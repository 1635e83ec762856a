// The painters of the sample pictures: landscapes, patterns, towns and abstract art.
#pragma once

#include <QImage>

inline constexpr int kPictureWidth = 1600;
inline constexpr int kPictureHeight = 1200;

// Each painter draws a 1600 x 1200 picture rich in colour and detail all over; the variant
// picks palette, layout and seed, so one painter gives many different pictures.
QImage PaintLandscape(int variant);
QImage PaintPattern(int variant);
QImage PaintTown(int variant);
QImage PaintAbstract(int variant);
