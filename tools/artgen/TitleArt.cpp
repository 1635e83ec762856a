// The title pictures: the splash, the about picture and the program icon.
#include "TitleArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "ArtRandom.h"
#include "ArtStyle.h"
#include "PiecePath.h"

namespace {

void Backdrop(QPainter& painter, int width, int height) {
  QRadialGradient gradient(width * 0.5, height * 0.35, width * 0.75);
  gradient.setColorAt(0, MixColour(kDarkBlue, kLightBlue, 0.35));
  gradient.setColorAt(0.6, kDarkBlue);
  gradient.setColorAt(1, kDeepBlue);
  painter.fillRect(0, 0, width, height, gradient);
}

// Pieces of many colours tumbling across the area, each at its own angle.
void ScatterPieces(QPainter& painter, const QRectF& area, int count, double side, uint64_t seed) {
  ArtRandom random(seed);
  for (int i = 0; i < count; ++i) {
    const QPointF centre(random.Range(area.left(), area.right()),
                         random.Range(area.top(), area.bottom()));
    const double size = side * random.Range(0.6, 1.2);
    QColor colour = QColor::fromHsvF(static_cast<float>(random.Unit()),
                                     static_cast<float>(random.Range(0.35, 0.75)),
                                     static_cast<float>(random.Range(0.75, 1.0)));
    colour.setAlphaF(static_cast<float>(random.Range(0.55, 0.9)));
    painter.save();
    painter.translate(centre);
    painter.rotate(random.Range(-40, 40));
    QLinearGradient shine(-size / 2, -size / 2, size / 2, size / 2);
    shine.setColorAt(0, colour.lighter(130));
    shine.setColorAt(1, colour.darker(150));
    painter.setBrush(shine);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    painter.drawPath(PiecePath(QRectF(-size / 2, -size / 2, size, size), random.Below(3) - 1,
                               random.Below(3) - 1, random.Below(3) - 1, random.Below(3) - 1));
    painter.restore();
  }
}

void Title(QPainter& painter, const QRect& box, int pixelSize) {
  painter.setFont(ArtFont(pixelSize, true));
  painter.setPen(QColor(0, 0, 0, 150));
  painter.drawText(box.translated(3, 3), Qt::AlignCenter, QStringLiteral("Pavlemir"));
  painter.setPen(kPaleBlue);
  painter.drawText(box, Qt::AlignCenter, QStringLiteral("Pavlemir"));
}

}  // namespace

QImage DrawSplash() {
  constexpr int kWidth = 533, kHeight = 400, kTextStrip = kHeight / 6;
  QImage image = BlankImage(kWidth, kHeight, kDarkBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Backdrop(painter, kWidth, kHeight);
  ScatterPieces(painter, QRectF(-20, -20, kWidth + 40, kHeight - kTextStrip - 10), 46, 58, 216);
  QLinearGradient strip(0, kHeight - kTextStrip, 0, kHeight);
  strip.setColorAt(0, kDarkBlue);
  strip.setColorAt(1, kDeepBlue);
  painter.fillRect(0, kHeight - kTextStrip, kWidth, kTextStrip, strip);
  painter.setPen(QPen(kLightBlue, 2));
  painter.drawLine(0, kHeight - kTextStrip, kWidth, kHeight - kTextStrip);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(3, 14, 48, 150));
  painter.drawRoundedRect(QRectF(56, 118, 421, 100), 18, 18);
  Title(painter, QRect(0, 118, kWidth, 100), 84);
  return image;
}

QImage DrawAboutPicture() {
  constexpr int kWidth = 360, kHeight = 160;
  QImage image = BlankImage(kWidth, kHeight, kDarkBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Backdrop(painter, kWidth, kHeight);
  ScatterPieces(painter, QRectF(-10, -10, kWidth + 20, kHeight + 20), 18, 44, 215);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(3, 14, 48, 150));
  painter.drawRoundedRect(QRectF(40, 45, 280, 70), 14, 14);
  Title(painter, QRect(0, 45, kWidth, 70), 58);
  return image;
}

QImage DrawIcon() {
  QImage image = BlankImage(32, 32, kDarkBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gradient(4, 4, 28, 28);
  gradient.setColorAt(0, kPaleBlue);
  gradient.setColorAt(1, kLightBlue);
  painter.setBrush(gradient);
  painter.setPen(QPen(Qt::white, 1.0));
  painter.drawPath(PiecePath(QRectF(8, 8, 16, 16), 1, 1, -1, -1));
  return image;
}

QImage DrawUserCover() {
  QImage image = BlankImage(100, 75, kDarkBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Backdrop(painter, 100, 75);
  painter.setPen(QPen(kPaleBlue, 2, Qt::DashLine));
  painter.setBrush(QColor(165, 203, 247, 60));
  painter.drawPath(PiecePath(QRectF(32, 20, 36, 36), 1, 1, -1, -1));
  painter.setPen(QPen(kPaleBlue, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(50, 31), QPointF(50, 45));
  painter.drawLine(QPointF(43, 38), QPointF(57, 38));
  return image;
}
