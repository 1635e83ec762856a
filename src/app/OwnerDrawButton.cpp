// Painting the game's buttons.
#include "OwnerDrawButton.h"

#include <QPainter>

#include "GameFonts.h"

namespace {

constexpr int kFaceWidth = 90;
constexpr int kWideFaceWidth = 181;
constexpr int kFaceHeight = 23;

}  // namespace

OwnerDrawButton::OwnerDrawButton(const QString& caption, int command, const QImage& faces,
                                 bool wide, QWidget* parent)
    : QPushButton(caption, parent),
      command_(command),
      faces_(faces),
      faceWidth_(wide ? kWideFaceWidth : kFaceWidth) {
  setFixedSize(faceWidth_, kFaceHeight);
  setFocusPolicy(Qt::NoFocus);
  setAutoDefault(false);
  setFont(GameFont(FontId::Medium));
}

void OwnerDrawButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintButtonFace(painter, rect(), faces_, faceWidth_, isDown(), text(), isEnabled());
}

void PaintButtonFace(QPainter& painter, const QRect& rect, const QImage& faces, int faceWidth,
                     bool pressed, const QString& caption, bool enabled) {
  const int height = std::min(kFaceHeight, faces.height());
  if (!faces.isNull())
    painter.drawImage(rect.topLeft(), faces, QRect(pressed ? faceWidth : 0, 0, faceWidth, height));
  else
    painter.fillRect(rect, RgbColour(kLightBlue));
  painter.setFont(GameFont(FontId::Medium));
  // A button that cannot be pressed shows its caption grey.
  painter.setPen(enabled ? RgbColour(kDarkBlue) : QColor(Qt::gray));
  const QRect textRect = pressed ? rect.translated(1, 1) : rect;
  painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, caption);
}
