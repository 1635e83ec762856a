// Sample pictures: landscapes of layered mountains under clouded skies, with trees and meadows.
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "ArtRandom.h"
#include "ArtStyle.h"
#include "PictureNoise.h"
#include "PicturePainters.h"

namespace {

// The colours of one landscape: sky top and horizon, far and near hills, meadow, sun.
struct Palette {
  QColor skyTop, horizon, far, near, meadow, sun;
};

const std::array<Palette, 6> kPalettes{{
    {{40, 90, 180}, {200, 225, 245}, {120, 140, 180}, {40, 90, 50}, {90, 150, 50}, {255, 250, 220}},
    {{80, 50, 140},
     {250, 150, 80},
     {170, 100, 140},
     {100, 70, 90},
     {140, 110, 50},
     {255, 210, 120}},
    {{70, 120, 190},
     {230, 220, 190},
     {150, 120, 110},
     {120, 60, 20},
     {190, 120, 40},
     {255, 240, 200}},
    {{90, 130, 190},
     {225, 235, 245},
     {170, 185, 210},
     {80, 100, 120},
     {235, 240, 248},
     {255, 255, 240}},
    {{30, 40, 100},
     {150, 110, 170},
     {100, 100, 160},
     {45, 65, 100},
     {70, 110, 100},
     {250, 240, 210}},
    {{30, 110, 170},
     {170, 220, 230},
     {90, 150, 140},
     {30, 110, 70},
     {110, 170, 60},
     {255, 250, 210}},
}};

void PaintSky(QImage& image, const Palette& palette, int horizon, uint32_t seed) {
  for (int y = 0; y < horizon; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const QColor base =
        MixColour(palette.skyTop, palette.horizon, y / static_cast<double>(horizon));
    for (int x = 0; x < image.width(); ++x) {
      // Clouds: stretched fractal noise, thresholded so that clear sky shows between them.
      const double n = PictureFbm(x * 0.5, y * 1.4, 170, 6, seed);
      const double cloud = std::clamp((n - 0.3) * 1.8, 0.0, 1.0);
      const QColor c = MixColour(base, MixColour(palette.sun, base, 0.25 + 0.5 * (1 - n)), cloud);
      row[x] = c.rgb();
    }
  }
}

// The height of a ridge at x: fractal, peaking `amplitude` pixels above its base line.
double RidgeY(double x, double baseY, double amplitude, uint32_t seed) {
  return baseY - amplitude * PictureFbm(x, 0.5, 420, 6, seed);
}

// The ridge filled with a shaded band down to the bottom of the picture.
void PaintRidge(QPainter& painter, double baseY, double amplitude, QColor colour, uint32_t seed) {
  QPainterPath ridge(QPointF(0, kPictureHeight));
  for (int x = 0; x <= kPictureWidth; x += 4) ridge.lineTo(x, RidgeY(x, baseY, amplitude, seed));
  ridge.lineTo(kPictureWidth, kPictureHeight);
  ridge.closeSubpath();
  QLinearGradient gradient(0, baseY - amplitude, 0, baseY + 300);
  gradient.setColorAt(0, colour.lighter(125));
  gradient.setColorAt(1, colour.darker(140));
  painter.fillPath(ridge, gradient);
}

// A forest along the ridge: trees stand on its slope, growing larger towards the viewer.
void PaintTrees(QPainter& painter, ArtRandom& random, const Palette& palette, double baseY,
                double amplitude, uint32_t seed, double scale, int count) {
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const double x = random.Range(-20, kPictureWidth + 20);
    const double below = random.Unit();
    const double y = RidgeY(x, baseY, amplitude, seed) + 6 + below * 150 * scale;
    const double h = (24 + 40 * below) * scale * random.Range(0.7, 1.3);
    const QColor leaf = MixColour(palette.near, QColor(20, 60, 30), random.Unit() * 0.7);
    painter.setBrush(MixColour(leaf, palette.far, 0.45 * (1 - scale)));
    for (int tier = 0; tier < 3; ++tier) {
      const double w = h * (0.45 - tier * 0.1);
      const double ty = y - h * tier * 0.28;
      const QPointF points[3] = {{x - w, ty}, {x + w, ty}, {x, ty - h * 0.55}};
      painter.drawPolygon(points, 3);
    }
    painter.setBrush(QColor(70, 45, 30));
    painter.drawRect(QRectF(x - h * 0.04, y, h * 0.08, h * 0.15));
  }
}

void PaintMeadow(QPainter& painter, ArtRandom& random, const Palette& palette, double top) {
  for (int i = 0; i < 9000; ++i) {
    const double y = random.Range(top, kPictureHeight);
    const double depth = (y - top) / (kPictureHeight - top);
    const double x = random.Range(0, kPictureWidth);
    const double size = 2 + 7 * depth * random.Unit();
    const bool flower = random.Below(5) == 0;
    const QColor colour =
        flower ? QColor::fromHsv(random.Below(360), 120 + random.Below(130), 200 + random.Below(55))
               : MixColour(palette.meadow, QColor(30, 70, 20), random.Unit());
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    if (flower)
      painter.drawEllipse(QPointF(x, y), size * 0.7, size * 0.7);
    else
      painter.drawRect(QRectF(x, y - size * 2, std::max(1.0, size * 0.3), size * 2));
  }
}

}  // namespace

QImage PaintLandscape(int variant) {
  const Palette& palette = kPalettes[static_cast<std::size_t>(variant) % kPalettes.size()];
  const uint32_t seed = 1000u + static_cast<uint32_t>(variant) * 37u;
  ArtRandom random(seed);
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  const int horizon = 560;
  PaintSky(image, palette, horizon + 40, seed);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF sun(random.Range(200, 1400), random.Range(110, 300));
  QRadialGradient glow(sun, 160);
  glow.setColorAt(0, palette.sun);
  glow.setColorAt(0.25, palette.sun);
  glow.setColorAt(1, QColor(palette.sun.red(), palette.sun.green(), palette.sun.blue(), 0));
  painter.setBrush(glow);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(sun, 160, 160);
  for (int layer = 0; layer < 4; ++layer) {
    const double t = layer / 3.0;
    const double baseY = horizon - 140 + layer * 130;
    const double amplitude = 330 - layer * 60;
    const uint32_t ridgeSeed = seed + 10u * static_cast<uint32_t>(layer);
    PaintRidge(painter, baseY, amplitude, MixColour(palette.far, palette.near, t), ridgeSeed);
    if (layer > 0)
      PaintTrees(painter, random, palette, baseY, amplitude, ridgeSeed, 0.5 + 0.5 * t,
                 300 + layer * 200);
  }
  PaintMeadow(painter, random, palette, 960);
  painter.end();
  // Rock, forest floor and cloud texture at two scales, so no stretch of the picture is plain.
  ShadeWithNoise(image, 28, 0.4, seed + 6);
  ShadeWithNoise(image, 9, 0.2, seed + 5);
  return image;
}
