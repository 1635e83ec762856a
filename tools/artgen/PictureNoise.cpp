// Per-pixel helpers for the sample pictures: fractal noise fields and colour shading.
#include "PictureNoise.h"

#include <algorithm>

#include "TileNoise.h"

double PictureFbm(double x, double y, double scale, int octaves, uint32_t seed) {
  double sum = 0, weight = 1, total = 0, frequency = 1 / scale;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += weight * LatticeNoise(x * frequency, y * frequency, 0, 0,
                                 seed + static_cast<uint32_t>(octave) * 101u);
    total += weight;
    weight *= 0.5;
    frequency *= 2;
  }
  return sum / total;
}

void ShadeWithNoise(QImage& image, double scale, double amount, uint32_t seed) {
  for (int y = 0; y < image.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double factor = 1 + amount * (PictureFbm(x, y, scale, 3, seed) - 0.5);
      auto shade = [factor](int channel) {
        return std::clamp(static_cast<int>(channel * factor), 0, 255);
      };
      row[x] = qRgb(shade(qRed(row[x])), shade(qGreen(row[x])), shade(qBlue(row[x])));
    }
  }
}
