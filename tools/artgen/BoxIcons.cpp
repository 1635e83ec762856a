// The corner boxes' pictures: the closed handles and the open boxes' own icons, 32 x 32.
#include "BoxIcons.h"

#include <QLinearGradient>
#include <QPainter>

#include "ArtStyle.h"
#include "PiecePath.h"

namespace {

void Backdrop(QPainter& painter) {
  QLinearGradient gradient(0, 0, 32, 32);
  gradient.setColorAt(0, MixColour(kDarkBlue, kLightBlue, 0.25));
  gradient.setColorAt(1, kDeepBlue);
  painter.fillRect(0, 0, 32, 32, gradient);
  painter.setPen(kLightBlue);
  painter.drawRect(0, 0, 31, 31);
}

void Tray(QPainter& painter) {
  QPainterPath tray;
  tray.moveTo(4, 14);
  tray.lineTo(28, 14);
  tray.lineTo(25, 27);
  tray.lineTo(7, 27);
  tray.closeSubpath();
  QLinearGradient gradient(0, 14, 0, 27);
  gradient.setColorAt(0, kPaleBlue);
  gradient.setColorAt(1, kLightBlue);
  painter.setBrush(gradient);
  painter.setPen(QPen(kPaleBlue, 1.2));
  painter.drawPath(tray);
  painter.setPen(QPen(kDarkBlue, 1.0));
  painter.drawLine(QPointF(6.5, 17.5), QPointF(25.5, 17.5));
}

}  // namespace

QImage DrawBoxHandle(bool holdsPieces) {
  QImage image = BlankImage(32, 32, kDarkBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Backdrop(painter);
  if (holdsPieces) {
    painter.setPen(QPen(kDarkBlue, 1.0));
    painter.setBrush(QColor(250, 196, 70));
    painter.drawPath(PiecePath(QRectF(7, 6, 9, 9), 0, 1, 0, -1));
    painter.setBrush(QColor(235, 90, 80));
    painter.drawPath(PiecePath(QRectF(17, 4, 9, 9), 1, 0, -1, 0));
  }
  Tray(painter);
  return image;
}

QImage DrawBoxIcon(int box) {
  QImage image = BlankImage(32, 32, kDarkBlue);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Backdrop(painter);
  // The arrow points to the outer corner: up-left for box 1, clockwise from there.
  const int dx = (box == 2 || box == 3) ? 1 : -1;
  const int dy = (box == 3 || box == 4) ? 1 : -1;
  const QPointF tip(16 + dx * 11, 16 + dy * 11);
  painter.setPen(QPen(kPaleBlue, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(QPointF(16 + dx * 3, 16 + dy * 3), tip);
  painter.drawLine(tip, tip - QPointF(dx * 6, 0));
  painter.drawLine(tip, tip - QPointF(0, dy * 6));
  painter.setFont(ArtFont(17, true));
  painter.setPen(kPaleBlue);
  const QRect numberCell(dx < 0 ? 12 : 3, dy < 0 ? 12 : 3, 17, 17);
  painter.drawText(numberCell, Qt::AlignCenter, QString::number(box));
  return image;
}
