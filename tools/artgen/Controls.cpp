// The play toolbar's and loading screen's pictures: button faces, time panel, digits, bars.
#include "Controls.h"

#include <QLinearGradient>
#include <QPainter>

#include "ArtStyle.h"

namespace {

constexpr int kDigitWidth = 19;
constexpr int kDigitHeight = 28;
// Where the panel's digit field lies; the digits are copied onto it at y = 1.
constexpr int kFieldLeft = 8;
constexpr int kFieldRight = 172;

// The colour of the digit field at row y of a digit cell, shared by panel and digits so that a
// copied digit cell joins the panel without an edge.
QColor FieldColour(int y) {
  return MixColour(QColor(2, 10, 34), QColor(10, 32, 82), y / static_cast<double>(kDigitHeight));
}

void DrawFace(QPainter& painter, int left, int width, bool pressed) {
  const QRect face(left, 0, width, 23);
  QLinearGradient gradient(0, 0, 0, 23);
  gradient.setColorAt(0, pressed ? MixColour(kLightBlue, kDarkBlue, 0.35) : kPaleBlue);
  gradient.setColorAt(0.5, pressed ? MixColour(kLightBlue, kDarkBlue, 0.2) : kLightBlue);
  gradient.setColorAt(1, pressed ? kLightBlue : MixColour(kLightBlue, kDarkBlue, 0.3));
  painter.fillRect(face, gradient);
  painter.setPen(kDarkBlue);
  painter.drawRect(face.adjusted(0, 0, -1, -1));
  // Bevel: light top-left and dark bottom-right when released, swapped when pressed.
  const QColor lit = pressed ? MixColour(kLightBlue, kDarkBlue, 0.55) : Qt::white;
  const QColor shade = pressed ? kPaleBlue : MixColour(kLightBlue, kDarkBlue, 0.55);
  painter.setPen(lit);
  painter.drawLine(left + 1, 1, left + width - 3, 1);
  painter.drawLine(left + 1, 1, left + 1, 20);
  painter.setPen(shade);
  painter.drawLine(left + 2, 21, left + width - 2, 21);
  painter.drawLine(left + width - 2, 2, left + width - 2, 21);
}

}  // namespace

QImage DrawButtonFaces(int faceWidth) {
  QImage image = BlankImage(2 * faceWidth, 23, kLightBlue);
  QPainter painter(&image);
  DrawFace(painter, 0, faceWidth, false);
  DrawFace(painter, faceWidth, faceWidth, true);
  return image;
}

QImage DrawTimePanel() {
  QImage image = BlankImage(180, 32, kDarkBlue);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 0, 32);
  gradient.setColorAt(0, MixColour(kDarkBlue, kLightBlue, 0.45));
  gradient.setColorAt(1, kDarkBlue);
  painter.fillRect(0, 0, 180, 32, gradient);
  for (int y = 0; y < kDigitHeight; ++y) {
    painter.setPen(FieldColour(y));
    painter.drawLine(kFieldLeft, y + 1, kFieldRight - 1, y + 1);
  }
  painter.setPen(kLightBlue);
  painter.drawRect(kFieldLeft - 1, 0, kFieldRight - kFieldLeft + 1, kDigitHeight + 1);
  // Colons between hours and minutes (x 52..70) and minutes and seconds (x 109..127).
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLightBlue);
  for (const double x : {61.5, 118.5}) {
    painter.drawEllipse(QPointF(x, 10.5), 2.2, 2.2);
    painter.drawEllipse(QPointF(x, 20.5), 2.2, 2.2);
  }
  return image;
}

QImage DrawDigits() {
  QImage image(10 * kDigitWidth, kDigitHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  for (int y = 0; y < kDigitHeight; ++y) {
    painter.setPen(FieldColour(y));
    painter.drawLine(0, y, image.width() - 1, y);
  }
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(ArtFont(25, true));
  painter.setPen(kPaleBlue);
  for (int digit = 0; digit < 10; ++digit) {
    const QRect cell(digit * kDigitWidth, 0, kDigitWidth, kDigitHeight);
    painter.drawText(cell, Qt::AlignCenter, QString::number(digit));
  }
  return image;
}

QImage DrawProgressBar(bool filled) {
  QImage image = BlankImage(430, 20, kDarkBlue);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 0, 20);
  if (filled) {
    gradient.setColorAt(0, kPaleBlue);
    gradient.setColorAt(0.45, kLightBlue);
    gradient.setColorAt(1, MixColour(kLightBlue, kDarkBlue, 0.45));
  } else {
    gradient.setColorAt(0, kDeepBlue);
    gradient.setColorAt(1, MixColour(kDarkBlue, kDeepBlue, 0.3));
  }
  painter.fillRect(1, 1, 428, 18, gradient);
  painter.setPen(filled ? QColor(255, 255, 255) : MixColour(kDarkBlue, kLightBlue, 0.3));
  painter.drawLine(2, 2, 427, 2);
  painter.setPen(kLightBlue);
  painter.drawRect(0, 0, 429, 19);
  return image;
}
