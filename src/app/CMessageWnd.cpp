// Painting the message window.
#include "CMessageWnd.h"

#include <QPainter>

#include "GameFonts.h"
#include "game/MessageProgress.h"
#include "game/MessageWindow.h"

namespace {

// The window's client size: 295 x 37 dialog units of the dialog font.
constexpr int kWidth = 442;
constexpr int kHeight = 60;

}  // namespace

CMessageWnd::CMessageWnd(QWidget* view, const QImage& emptyBar, const QImage& filledBar)
    : QWidget(view), emptyBar_(emptyBar), filledBar_(filledBar) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

void CMessageWnd::Open(const QString& text, bool withProgress) {
  text_ = text;
  withProgress_ = withProgress;
  filledWidth_ = 0;
  const QWidget* view = parentWidget();
  move((view->width() - width()) / 2, (view->height() - height()) / 2);
  show();
  raise();
  repaint();
}

void CMessageWnd::SetProgress(int lower, int upper, int position) {
  filledWidth_ = MessageProgress::FilledWidth(lower, upper, position);
  if (isVisible()) repaint();
}

void CMessageWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), RgbColour(kMessageBackground));
  QRect textArea = rect();
  if (withProgress_) {
    const Rect bar = MessageBarRect(width(), height());
    const QRect barRect(bar.left, bar.top, bar.Width(), bar.Height());
    textArea.setBottom(barRect.top() - 1);
    painter.setPen(RgbColour(kMessageText));
    painter.drawRect(barRect.adjusted(0, 0, -1, -1));
    const QPoint origin = barRect.topLeft() + QPoint(1, 1);
    const int x = std::clamp(filledWidth_, 0, kBarPictureWidth);
    painter.drawImage(origin + QPoint(x, 0), emptyBar_,
                      QRect(x, 0, kBarPictureWidth - x, kBarPictureHeight));
    painter.drawImage(origin, filledBar_, QRect(0, 0, x, kBarPictureHeight));
  }
  painter.setFont(GameFont(FontId::Large));
  painter.setPen(RgbColour(kMessageTextShadow));
  painter.drawText(textArea.translated(1, 1), Qt::AlignCenter | Qt::TextSingleLine, text_);
  painter.setPen(RgbColour(kMessageText));
  painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, text_);
}
