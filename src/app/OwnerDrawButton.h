// The game's buttons: a face picture, released or pressed, with a dark blue caption.
#pragma once

#include <QImage>
#include <QPushButton>
#include <functional>

// A 90 x 23 (or, wide, 181 x 23) button painted from its face picture: the released face, or
// the pressed one with the caption moved by (1, 1). It takes no keyboard focus, so Enter and
// Escape never press it. A click sends its command.
class OwnerDrawButton final : public QPushButton {
  Q_OBJECT
 public:
  OwnerDrawButton(const QString& caption, int command, const QImage& faces, bool wide,
                  QWidget* parent);
  int Command() const { return command_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int command_;
  QImage faces_;
  int faceWidth_;
};

// Paints a button face and its caption: the shared painter of every button of the game. A
// disabled button's caption is grey.
void PaintButtonFace(QPainter& painter, const QRect& rect, const QImage& faces, int faceWidth,
                     bool pressed, const QString& caption, bool enabled = true);
