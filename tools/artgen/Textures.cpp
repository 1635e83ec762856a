// The nine grey background textures, 128 x 128, that tile seamlessly.
#include "Textures.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "ArtRandom.h"
#include "TileNoise.h"

namespace {

constexpr double kTau = 6.283185307179586;

// Every shade a value in [0, 1]; the shades stay bright enough for the tint colour to show.
using Shade = std::function<double(double u, double v)>;

QImage GreyTexture(const Shade& shade, double lo, double hi) {
  QImage image(kTextureSize, kTextureSize, QImage::Format_RGB32);
  for (int y = 0; y < kTextureSize; ++y) {
    for (int x = 0; x < kTextureSize; ++x) {
      const double s = std::clamp(shade(x / 128.0, y / 128.0), 0.0, 1.0);
      const int grey = static_cast<int>(std::lround(255 * (lo + (hi - lo) * s)));
      image.setPixel(x, y, qRgb(grey, grey, grey));
    }
  }
  return image;
}

double Wood(double u, double v) {
  const double warp = TileFbm(u, v, 4, 4, 0.5, 11);
  const double grain = TileFbm(u, v, 8, 32, 2, 0.5, 12);
  const double rings = 0.5 + 0.5 * std::sin(kTau * (6 * v + 2.5 * warp));
  return 0.55 * std::pow(rings, 0.6) + 0.45 * grain;
}

double Marble(double u, double v) {
  const double turbulence = TileFbm(u, v, 4, 5, 0.55, 21);
  const double vein = std::abs(std::sin(kTau * (u + 2 * v) + 7 * turbulence));
  return 0.25 + 0.75 * std::pow(vein, 0.35);
}

double Canvas(double u, double v) {
  const double warpThreads = 0.5 + 0.5 * std::cos(kTau * 42 * u);
  const double weftThreads = 0.5 + 0.5 * std::cos(kTau * 42 * v);
  const double slub = TileFbm(u, v, 16, 3, 0.5, 31);
  return 0.45 * std::max(warpThreads, weftThreads) + 0.2 * warpThreads * weftThreads + 0.35 * slub;
}

double Cork(double u, double v) {
  const double granules = TileFbm(u, v, 16, 3, 0.6, 41);
  const double pores = TileFbm(u, v, 32, 2, 0.5, 42);
  return granules < 0.38 ? 0.1 + granules * 0.5 : 0.3 + 0.7 * pores * granules;
}

double Felt(double u, double v) {
  return 0.3 * TileFbm(u, v, 4, 2, 0.5, 51) + 0.7 * TileFbm(u, v, 32, 3, 0.7, 52);
}

double Paper(double u, double v) {
  const double fibres = TileFbm(u, v, 64, 16, 2, 0.5, 61);
  return 0.6 * TileFbm(u, v, 4, 3, 0.5, 62) + 0.4 * fibres;
}

// Flat-topped cobbles: nearest and second-nearest of random points on a torus.
double Stone(double u, double v) {
  ArtRandom random(71);
  double nearest = 9, second = 9;
  for (int i = 0; i < 14; ++i) {
    double dx = std::abs(u - random.Unit());
    double dy = std::abs(v - random.Unit());
    dx = std::min(dx, 1 - dx);
    dy = std::min(dy, 1 - dy);
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < nearest) {
      second = nearest;
      nearest = d;
    } else if (d < second) {
      second = d;
    }
  }
  const double joint = std::clamp((second - nearest) * 40, 0.0, 1.0);
  return joint * (0.55 + 0.45 * TileFbm(u, v, 8, 4, 0.55, 72));
}

// Basket weave: bands of strands that go over and under in a chequer of 16-pixel squares.
double Woven(double u, double v) {
  const int cellX = static_cast<int>(u * 8);
  const int cellY = static_cast<int>(v * 8);
  const bool across = (cellX + cellY) % 2 == 0;
  const double along = across ? v * 32 : u * 32;
  const double strand = 0.5 + 0.5 * std::sin(kTau * along - kTau / 4);
  const double edge = across ? u * 8 - cellX : v * 8 - cellY;
  const double rounding = std::sin(edge * kTau / 2);
  const double fibre = TileFbm(u, v, 32, 2, 0.5, 81);
  return 0.15 + 0.55 * std::pow(strand, 0.5) * std::pow(rounding, 0.4) + 0.3 * fibre;
}

double FineNoise(double u, double v) {
  const int x = static_cast<int>(std::lround(u * 128)) % 128;
  const int y = static_cast<int>(std::lround(v * 128)) % 128;
  const double grain = HashLattice(x, y, 91) * (1.0 / 4294967295.0);
  return 0.55 * grain + 0.45 * TileFbm(u, v, 16, 2, 0.5, 92);
}

}  // namespace

QImage DrawTexture(int index) {
  switch (index) {
    case 0:
      return GreyTexture(Wood, 0.55, 0.95);
    case 1:
      return GreyTexture(Marble, 0.6, 1.0);
    case 2:
      return GreyTexture(Canvas, 0.62, 0.96);
    case 3:
      return GreyTexture(Cork, 0.5, 0.95);
    case 4:
      return GreyTexture(Felt, 0.6, 0.95);
    case 5:
      return GreyTexture(Paper, 0.78, 1.0);
    case 6:
      return GreyTexture(Stone, 0.45, 0.98);
    case 7:
      return GreyTexture(Woven, 0.5, 0.97);
    default:
      return GreyTexture(FineNoise, 0.62, 0.95);
  }
}
