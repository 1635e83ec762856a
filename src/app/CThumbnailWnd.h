// The floating thumbnail window: the whole puzzle picture, scaled to the window, moved and
// resized by the player.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "game/Host.h"

// A borderless tool window with a thin frame. Dragging its picture moves it; dragging the frame
// near the right or bottom edge resizes it. Every move or resize by the player is reported.
class CThumbnailWnd final : public QWidget {
 public:
  using Placed = std::function<void(const WindowRect&)>;
  CThumbnailWnd(QWidget* frame, Placed placed);

  // The picture (a copy is kept) or none; at its default place when asked: half the picture's
  // size (320 x 240 without one), 10 pixels left of the frame's right edge, on its bottom edge.
  void SetPicture(const QImage& picture, bool placeDefault);
  void MoveTo(const WindowRect& rect);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Grab { None, Move, Resize };
  WindowRect Placement() const;

  QWidget* frame_;
  Placed placed_;
  QImage picture_;
  QImage scaled_;
  Grab grab_ = Grab::None;
  QPoint grabPoint_;
  QSize grabSize_;
};
