// Painting, moving and resizing the thumbnail window.
#include "CThumbnailWnd.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kBorder = 4;       // the frame drawn around the picture
constexpr int kResizeBand = 10;  // a press this close to the right or bottom edge resizes
constexpr int kMinimumSide = 40;

}  // namespace

CThumbnailWnd::CThumbnailWnd(QWidget* frame, Placed placed)
    : QWidget(frame, Qt::Tool | Qt::FramelessWindowHint),
      frame_(frame),
      placed_(std::move(placed)) {
  setWindowTitle("Thumbnail");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(kMinimumSide, kMinimumSide);
  hide();
}

void CThumbnailWnd::SetPicture(const QImage& picture, bool placeDefault) {
  picture_ = picture;
  scaled_ = QImage();
  if (placeDefault) {
    const QSize client = picture_.isNull() ? QSize(320, 240) : picture_.size() / 2;
    const QSize outer = client + QSize(2 * kBorder, 2 * kBorder);
    const QRect area = frame_->geometry();
    setGeometry(area.right() + 1 - 10 - outer.width(), area.bottom() + 1 - outer.height(),
                outer.width(), outer.height());
  }
  update();
}

void CThumbnailWnd::MoveTo(const WindowRect& rect) {
  setGeometry(rect.left, rect.top, std::max(rect.width, kMinimumSide),
              std::max(rect.height, kMinimumSide));
}

WindowRect CThumbnailWnd::Placement() const {
  const QRect g = geometry();
  return {g.x(), g.y(), g.width(), g.height()};
}

void CThumbnailWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(64, 64, 64));
  const QRect inside = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
  if (picture_.isNull()) {
    painter.fillRect(inside, QColor(128, 128, 128));
    return;
  }
  // Scaled once per size, each pixel the mean of the picture's pixels it covers.
  if (scaled_.size() != inside.size())
    scaled_ = picture_.scaled(inside.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  painter.drawImage(inside.topLeft(), scaled_);
}

void CThumbnailWnd::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  const bool nearEdge = p.x() >= width() - kResizeBand || p.y() >= height() - kResizeBand;
  grab_ = nearEdge ? Grab::Resize : Grab::Move;
  grabPoint_ = event->globalPosition().toPoint();
  grabSize_ = size();
}

void CThumbnailWnd::mouseMoveEvent(QMouseEvent* event) {
  if (grab_ == Grab::None) return;
  const QPoint global = event->globalPosition().toPoint();
  const QPoint delta = global - grabPoint_;
  if (grab_ == Grab::Move) {
    move(pos() + delta);
    grabPoint_ = global;
  } else {
    resize(std::max(kMinimumSide, grabSize_.width() + delta.x()),
           std::max(kMinimumSide, grabSize_.height() + delta.y()));
  }
  placed_(Placement());
}

void CThumbnailWnd::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) grab_ = Grab::None;
}
