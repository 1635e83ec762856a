// Showing and closing the start-up window.
#include "SplashWnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>

#include "GameFonts.h"

namespace {

constexpr int kTextStripHeight = 66;  // the dark strip along the picture's bottom

}  // namespace

SplashWnd::SplashWnd(const QImage& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
  setAttribute(Qt::WA_DeleteOnClose);
  const QSize size = picture_.isNull() ? QSize(533, 400) : picture_.size();
  setFixedSize(size);
  const QRect screen = QApplication::primaryScreen()->geometry();
  move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
  qApp->installEventFilter(this);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &QWidget::close);
  timer_.start(kShownMs);
}

SplashWnd::~SplashWnd() {
  qApp->removeEventFilter(this);
}

void SplashWnd::SetText(const QString& text) {
  text_ = text;
  if (isVisible()) repaint();
}

bool SplashWnd::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
      close();
      return true;
    default:
      return false;
  }
}

void SplashWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (picture_.isNull())
    painter.fillRect(rect(), RgbColour(kDarkBlue));
  else
    painter.drawImage(0, 0, picture_);
  const QRect strip(0, height() - kTextStripHeight, width(), kTextStripHeight);
  painter.setFont(GameFont(FontId::Small));
  painter.setPen(RgbColour(kLightBlue));
  painter.drawText(strip, Qt::AlignCenter, text_);
}
