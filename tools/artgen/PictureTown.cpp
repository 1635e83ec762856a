// Sample pictures: towns of gabled houses and towers in rows, with lit windows and cobbles.
#include <QPainter>
#include <array>
#include <cmath>

#include "ArtRandom.h"
#include "ArtStyle.h"
#include "PictureNoise.h"
#include "PicturePainters.h"

namespace {

struct TownLight {
  QColor skyTop, skyLow, wallTint, windowLit, windowDark;
};

const std::array<TownLight, 3> kLights{{
    {{60, 120, 200}, {210, 230, 250}, {240, 220, 190}, {250, 240, 200}, {60, 80, 110}},
    {{50, 30, 90}, {250, 140, 70}, {220, 160, 130}, {255, 210, 110}, {50, 40, 60}},
    {{25, 35, 90}, {90, 90, 160}, {130, 130, 170}, {255, 200, 90}, {30, 35, 60}},
}};

void PaintTownSky(QImage& image, const TownLight& light, uint32_t seed) {
  for (int y = 0; y < kPictureHeight; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    const QColor base = MixColour(light.skyTop, light.skyLow, y / 700.0);
    for (int x = 0; x < kPictureWidth; ++x) {
      const double n = PictureFbm(x * 0.4, y * 1.5, 140, 5, seed);
      row[x] =
          MixColour(base, light.skyLow.lighter(120), std::clamp((n - 0.45) * 2.2, 0.0, 0.9)).rgb();
    }
  }
}

void PaintWindows(QPainter& painter, ArtRandom& random, const QRectF& wall, const TownLight& light,
                  double scale) {
  const double w = 16 * scale, h = 24 * scale, gapX = 14 * scale, gapY = 20 * scale;
  for (double y = wall.top() + gapY; y + h < wall.bottom() - gapY * 0.5; y += h + gapY) {
    for (double x = wall.left() + gapX; x + w < wall.right() - gapX * 0.5; x += w + gapX) {
      const bool lit = random.Below(3) > 0;
      painter.setBrush(MixColour(lit ? light.windowLit : light.windowDark, QColor(120, 160, 200),
                                 random.Unit() * 0.3));
      painter.setPen(QPen(QColor(40, 30, 30), 1.5 * scale));
      painter.drawRect(QRectF(x, y, w, h));
      painter.drawLine(QPointF(x + w / 2, y), QPointF(x + w / 2, y + h));
    }
  }
}

void PaintHouse(QPainter& painter, ArtRandom& random, double x, double ground, double scale,
                const TownLight& light, double haze) {
  const double width = random.Range(90, 220) * scale;
  const double height = random.Range(120, 420) * scale;
  const QColor wall =
      MixColour(QColor::fromHsv(random.Below(60), 40 + random.Below(120), 150 + random.Below(100)),
                light.wallTint, 0.35 + haze);
  const QRectF body(x, ground - height, width, height);
  painter.setPen(QPen(wall.darker(150), 2 * scale));
  painter.setBrush(wall);
  painter.drawRect(body);
  const QColor roof = MixColour(QColor::fromHsv(random.Below(30), 150, 100 + random.Below(80)),
                                light.wallTint, haze);
  painter.setBrush(roof);
  if (random.Below(3) == 0) {
    const QPointF spire[3] = {{x - 6 * scale, ground - height},
                              {x + width + 6 * scale, ground - height},
                              {x + width / 2, ground - height - width * 1.2}};
    painter.drawPolygon(spire, 3);
  } else {
    const QPointF gable[4] = {{x - 8 * scale, ground - height},
                              {x + width + 8 * scale, ground - height},
                              {x + width * 0.7, ground - height - width * 0.45},
                              {x + width * 0.3, ground - height - width * 0.45}};
    painter.drawPolygon(gable, 4);
  }
  PaintWindows(painter, random, body, light, scale);
  painter.setBrush(QColor(90, 55, 35));
  painter.drawRect(QRectF(x + width / 2 - 14 * scale, ground - 46 * scale, 28 * scale, 46 * scale));
}

void PaintCobbles(QPainter& painter, ArtRandom& random, double top) {
  for (int i = 0; i < 7000; ++i) {
    const double y = random.Range(top, kPictureHeight);
    const double depth = (y - top) / (kPictureHeight - top);
    const double size = 4 + 14 * depth;
    painter.setBrush(
        QColor::fromHsv(20 + random.Below(30), 30 + random.Below(60), 90 + random.Below(110)));
    painter.setPen(QPen(QColor(40, 35, 30), 1));
    painter.drawEllipse(QPointF(random.Range(0, kPictureWidth), y), size, size * 0.6);
  }
}

}  // namespace

QImage PaintTown(int variant) {
  const uint32_t seed = 3000u + static_cast<uint32_t>(variant) * 71u;
  const TownLight& light = kLights[static_cast<std::size_t>(variant) % kLights.size()];
  ArtRandom random(seed);
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  PaintTownSky(image, light, seed);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const std::array<double, 4> grounds{620, 760, 900, 1040};
  for (std::size_t row = 0; row < grounds.size(); ++row) {
    const double scale = 0.55 + 0.25 * static_cast<double>(row);
    const double haze = 0.35 - 0.1 * static_cast<double>(row);
    for (double x = random.Range(-120, 0); x < kPictureWidth; x += random.Range(70, 200) * scale)
      PaintHouse(painter, random, x, grounds[row], scale, light, haze);
  }
  PaintCobbles(painter, random, 1040);
  painter.end();
  // Weathered walls and a textured sky: no part of the picture stays plain.
  ShadeWithNoise(image, 30, 0.4, seed + 4);
  ShadeWithNoise(image, 5, 0.14, seed + 3);
  return image;
}
