// Sample pictures: quilts of patterned tiles, every tile with its own motif and colours.
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "ArtRandom.h"
#include "PictureNoise.h"
#include "PicturePainters.h"

namespace {

QColor PaletteColour(ArtRandom& random, double baseHue) {
  const double hue =
      std::fmod(baseHue + random.Range(-0.12, 0.12) + (random.Below(3) == 0 ? 0.5 : 0) + 1.0, 1.0);
  return QColor::fromHsvF(static_cast<float>(hue), static_cast<float>(random.Range(0.45, 0.95)),
                          static_cast<float>(random.Range(0.45, 1.0)));
}

void Truchet(QPainter& painter, const QRectF& cell, ArtRandom& random, QColor a, QColor b) {
  painter.fillRect(cell, a);
  painter.setPen(QPen(b, cell.width() * 0.14, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  const double s = cell.width();
  const bool flip = random.Below(2) == 0;
  const QPointF c1 = flip ? cell.topLeft() : cell.topRight();
  const QPointF c2 = flip ? cell.bottomRight() : cell.bottomLeft();
  painter.drawEllipse(c1, s / 2, s / 2);
  painter.drawEllipse(c2, s / 2, s / 2);
}

void Rings(QPainter& painter, const QRectF& cell, ArtRandom& random, QColor a, QColor b) {
  painter.fillRect(cell, b);
  const int count = 3 + random.Below(4);
  painter.setPen(Qt::NoPen);
  for (int i = count; i > 0; --i) {
    painter.setBrush(i % 2 ? a : b.lighter(115 + 10 * i));
    const double r = cell.width() * 0.5 * i / count;
    painter.drawEllipse(cell.center(), r, r);
  }
}

void Stripes(QPainter& painter, const QRectF& cell, ArtRandom& random, QColor a, QColor b) {
  painter.fillRect(cell, a);
  painter.save();
  painter.setClipRect(cell);
  painter.setPen(QPen(b, cell.width() / 10));
  const double s = cell.width();
  const int direction = random.Below(2) ? 1 : -1;
  for (double t = -s; t < 2 * s; t += s / 5)
    painter.drawLine(QPointF(cell.left() + t, cell.top()),
                     QPointF(cell.left() + t + direction * s, cell.bottom()));
  painter.restore();
}

void Star(QPainter& painter, const QRectF& cell, ArtRandom& random, QColor a, QColor b) {
  painter.fillRect(cell, a.darker(130));
  const int points = 5 + random.Below(4);
  QPainterPath star;
  for (int i = 0; i < 2 * points; ++i) {
    const double angle = i * 3.141592653589793 / points;
    const double r = cell.width() * (i % 2 ? 0.2 : 0.47);
    const QPointF p = cell.center() + QPointF(std::sin(angle) * r, -std::cos(angle) * r);
    if (i == 0)
      star.moveTo(p);
    else
      star.lineTo(p);
  }
  star.closeSubpath();
  painter.setPen(QPen(a.lighter(160), 2));
  painter.setBrush(b);
  painter.drawPath(star);
}

void Checks(QPainter& painter, const QRectF& cell, ArtRandom& random, QColor a, QColor b) {
  const int n = 2 + random.Below(3) * 2;
  const double step = cell.width() / n;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      painter.fillRect(QRectF(cell.left() + i * step, cell.top() + j * step, step, step),
                       (i + j) % 2 ? a : b);
  painter.setPen(QPen(a.lighter(140), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(cell.center(), cell.width() * 0.3, cell.width() * 0.3);
}

using Motif = void (*)(QPainter&, const QRectF&, ArtRandom&, QColor, QColor);
constexpr std::array<Motif, 5> kMotifs{Truchet, Rings, Stripes, Star, Checks};

}  // namespace

QImage PaintPattern(int variant) {
  static constexpr std::array<int, 6> kCellSizes{100, 160, 80, 200, 120, 100};
  const uint32_t seed = 2000u + static_cast<uint32_t>(variant) * 53u;
  ArtRandom random(seed);
  const int cellSize = kCellSizes[static_cast<std::size_t>(variant) % kCellSizes.size()];
  const double baseHue = random.Unit();
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int y = 0; y < kPictureHeight; y += cellSize) {
    for (int x = 0; x < kPictureWidth; x += cellSize) {
      const QRectF cell(x, y, cellSize, cellSize);
      const QColor a = PaletteColour(random, baseHue);
      const QColor b = PaletteColour(random, baseHue + 0.3);
      kMotifs[static_cast<std::size_t>(random.Below(static_cast<int>(kMotifs.size())))](
          painter, cell, random, a, b);
      painter.setPen(QPen(QColor(30, 20, 10, 140), 2));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(cell);
    }
  }
  painter.end();
  // The weave of the cloth at two scales keeps the large plain tiles from being featureless.
  ShadeWithNoise(image, 28, 0.3, seed + 3);
  ShadeWithNoise(image, 6, 0.14, seed + 1);
  ShadeWithNoise(image, 260, 0.35, seed + 2);
  return image;
}
