// Sample pictures: abstract art, warped colour fields under layers of translucent shapes.
#include <QPainter>
#include <cmath>

#include "ArtRandom.h"
#include "PictureNoise.h"
#include "PicturePainters.h"

namespace {

constexpr double kTau = 6.283185307179586;

// A smooth cyclic palette: each channel a cosine of t with its own phase.
QRgb CyclicColour(double t, double phaseR, double phaseG, double phaseB) {
  auto channel = [t](double phase) {
    return static_cast<int>(255 * (0.5 + 0.45 * std::cos(kTau * (t + phase))));
  };
  return qRgb(channel(phaseR), channel(phaseG), channel(phaseB));
}

void PaintField(QImage& image, ArtRandom& random, uint32_t seed) {
  const double phaseR = random.Unit(), phaseG = random.Unit(), phaseB = random.Unit();
  const double bands = random.Range(1.5, 3.5);
  const double scale = random.Range(180, 380);
  for (int y = 0; y < kPictureHeight; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kPictureWidth; ++x) {
      // Domain warp: the noise is looked up where two other noise fields push it.
      const double wx = x + 300 * PictureFbm(x, y, scale, 4, seed + 1);
      const double wy = y + 300 * PictureFbm(x, y, scale, 4, seed + 2);
      row[x] = CyclicColour(bands * PictureFbm(wx, wy, scale, 5, seed), phaseR, phaseG, phaseB);
    }
  }
}

void PaintShapes(QPainter& painter, ArtRandom& random) {
  for (int i = 0; i < 160; ++i) {
    QColor colour =
        QColor::fromHsv(random.Below(360), 100 + random.Below(155), 120 + random.Below(135));
    colour.setAlpha(50 + random.Below(110));
    const QPointF centre(random.Range(0, kPictureWidth), random.Range(0, kPictureHeight));
    const double size = random.Range(20, 170);
    painter.setPen(QPen(colour.darker(170), random.Range(1, 5)));
    painter.setBrush(colour);
    switch (random.Below(3)) {
      case 0:
        painter.drawEllipse(centre, size, size);
        break;
      case 1: {
        painter.save();
        painter.translate(centre);
        painter.rotate(random.Range(0, 90));
        painter.drawRect(QRectF(-size, -size * 0.6, 2 * size, 1.2 * size));
        painter.restore();
        break;
      }
      default: {
        const QPointF points[3] = {
            centre + QPointF(random.Range(-2, 2) * size, random.Range(-2, 2) * size),
            centre + QPointF(random.Range(-2, 2) * size, random.Range(-2, 2) * size), centre};
        painter.drawPolygon(points, 3);
      }
    }
  }
}

}  // namespace

QImage PaintAbstract(int variant) {
  const uint32_t seed = 4000u + static_cast<uint32_t>(variant) * 89u;
  ArtRandom random(seed);
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  PaintField(image, random, seed);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintShapes(painter, random);
  painter.end();
  // Brush and canvas texture over the paint.
  ShadeWithNoise(image, 24, 0.3, seed + 4);
  ShadeWithNoise(image, 4, 0.12, seed + 3);
  return image;
}
