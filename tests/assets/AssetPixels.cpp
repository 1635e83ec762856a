// Small measurements of bitmap pixels shared by the asset tests.
#include "AssetPixels.h"

#include <cstdlib>

double MeanBrightness(const Bitmap& bitmap, int x0, int y0, int x1, int y1) {
  double sum = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) sum += Brightness(bitmap.At(x, y));
  return sum / ((x1 - x0) * (y1 - y0));
}

double BrightnessVariance(const Bitmap& bitmap, int x0, int y0, int x1, int y1) {
  const double mean = MeanBrightness(bitmap, x0, y0, x1, y1);
  double sum = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const double d = Brightness(bitmap.At(x, y)) - mean;
      sum += d * d;
    }
  }
  return sum / ((x1 - x0) * (y1 - y0));
}

double MeanNeighbourStep(const Bitmap& bitmap, int x0, int y0, int x1, int y1) {
  double sum = 0;
  int count = 0;
  for (int y = y0; y + 1 < y1; ++y) {
    for (int x = x0; x + 1 < x1; ++x) {
      const int here = Brightness(bitmap.At(x, y));
      sum += std::abs(here - Brightness(bitmap.At(x + 1, y)));
      sum += std::abs(here - Brightness(bitmap.At(x, y + 1)));
      count += 2;
    }
  }
  return count ? sum / count : 0;
}
