// Small measurements of bitmap pixels shared by the asset tests.
#pragma once

#include <cstdint>

#include "surface/Bitmap.h"

inline int Red(uint32_t pixel) {
  return static_cast<int>((pixel >> 16) & 0xFF);
}
inline int Green(uint32_t pixel) {
  return static_cast<int>((pixel >> 8) & 0xFF);
}
inline int Blue(uint32_t pixel) {
  return static_cast<int>(pixel & 0xFF);
}
inline int Brightness(uint32_t pixel) {
  return (Red(pixel) + Green(pixel) + Blue(pixel)) / 3;
}

// Mean of Brightness over the rectangle [x0, x1) x [y0, y1).
double MeanBrightness(const Bitmap& bitmap, int x0, int y0, int x1, int y1);
// Mean absolute Brightness step between each pixel and its right and lower neighbours inside
// the rectangle [x0, x1) x [y0, y1): near 0 for calm areas, high for detailed ones.
double MeanNeighbourStep(const Bitmap& bitmap, int x0, int y0, int x1, int y1);
// Variance of Brightness over the rectangle [x0, x1) x [y0, y1).
double BrightnessVariance(const Bitmap& bitmap, int x0, int y0, int x1, int y1);
