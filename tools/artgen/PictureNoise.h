// Per-pixel helpers for the sample pictures: fractal noise fields and colour shading.
#pragma once

#include <QImage>
#include <cstdint>

// Fractal value noise in [0, 1] at pixel (x, y), with features about `scale` pixels across.
double PictureFbm(double x, double y, double scale, int octaves, uint32_t seed);
// Multiplies every pixel's channels by 1 + amount * (noise - 0.5), noise at `scale` pixels, so
// flat paint gains the grain of the material it stands for.
void ShadeWithNoise(QImage& image, double scale, double amount, uint32_t seed);
