// The animation strips drawn on the black key colour: the join sparkle and the particles.
#include "Sprites.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Sprites are copied with black as the transparent colour and are not blended, so faint glow
// pixels would show as a dark fringe; anything dimmer than this becomes the key colour.
constexpr int kKeyCutoff = 48;

struct Rgb {
  double r, g, b;
};

void PutGlow(QImage& image, int x, int y, Rgb colour, double intensity) {
  const int r = std::min(255, static_cast<int>(colour.r * intensity));
  const int g = std::min(255, static_cast<int>(colour.g * intensity));
  const int b = std::min(255, static_cast<int>(colour.b * intensity));
  if (std::max({r, g, b}) < kKeyCutoff) return;
  image.setPixel(x, y, qRgb(r, g, b));
}

// Brightness of the star at offset (dx, dy) from its centre: a core plus four tapering rays
// along the axes and four shorter ones on the diagonals, scaled by `size`.
double StarShape(double dx, double dy, double size) {
  const double distance = std::hypot(dx, dy);
  const double core = std::exp(-distance * distance / (2.0 * 2.2 * 2.2 * size * size));
  const double halo = 0.45 * std::exp(-distance / (3.5 * size));
  auto ray = [](double along, double across, double length, double width) {
    return std::exp(-std::abs(across) / width) *
           std::sqrt(std::max(0.0, 1 - std::abs(along) / length));
  };
  const double axisRay = std::max(ray(dx, dy, 11.5 * size, 0.9), ray(dy, dx, 11 * size, 0.9));
  const double u = (dx + dy) * 0.7071;
  const double w = (dx - dy) * 0.7071;
  const double diagonalRay = std::max(ray(u, w, 7 * size, 0.6), ray(w, u, 7 * size, 0.6));
  return std::max({core * 1.3, axisRay, diagonalRay * 0.75, halo});
}

}  // namespace

QImage DrawSparkle() {
  constexpr int kFrames = 16, kWidth = 24, kHeight = 23;
  QImage strip(kFrames * kWidth, kHeight, QImage::Format_RGB32);
  strip.fill(Qt::black);
  for (int frame = 0; frame < kFrames; ++frame) {
    // Flash up over three frames, then fade while the rays shrink.
    const double phase = frame < 3 ? (frame + 1) / 3.0 : 1.0 - (frame - 3) / 13.0;
    const double size = 0.35 + 0.65 * phase;
    const double brightness = 0.35 + 0.65 * phase;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const double shape = StarShape(x - 11.5, y - 11, size);
        // White in the middle, light blue towards the tips of the rays.
        const Rgb colour{190 + 65 * shape, 215 + 40 * shape, 255};
        PutGlow(strip, frame * kWidth + x, y, colour, 1.15 * brightness * shape);
      }
    }
  }
  return strip;
}

QImage DrawParticles(int index) {
  static constexpr std::array<Rgb, 6> kColours{{{255, 70, 60},
                                                {90, 240, 90},
                                                {80, 150, 255},
                                                {255, 225, 60},
                                                {240, 90, 240},
                                                {80, 235, 235}}};
  constexpr int kFrames = 10, kSide = 12;
  const Rgb colour = kColours[static_cast<std::size_t>(index % 6)];
  QImage strip(kFrames * kSide, kSide, QImage::Format_RGB32);
  strip.fill(Qt::black);
  for (int frame = 0; frame < kFrames; ++frame) {
    const double life = 1.0 - frame / static_cast<double>(kFrames);
    const double radius = 1.8 + 3.8 * life;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const double d = std::hypot(x - 5.5, y - 5.5) / radius;
        const double glow = std::exp(-d * d * 1.6) * (0.35 + 0.65 * life);
        // The hot centre turns towards white.
        const double white = std::max(0.0, glow - 0.55) * 1.6;
        const Rgb hot{colour.r + (255 - colour.r) * white, colour.g + (255 - colour.g) * white,
                      colour.b + (255 - colour.b) * white};
        PutGlow(strip, frame * kSide + x, y, hot, 1.2 * glow);
      }
    }
  }
  return strip;
}
