// The Preview window: the chosen picture at 1:1, or at half size when that would not fit the
// screen, moved by dragging it with the mouse.
#pragma once

#include <QDialog>
#include <QImage>

#include "library/PicturePreview.h"

// Shows `picture` (the picture read at the size it is shown, or larger) in a client area of the
// given fit, stretched with area averaging at half size, else at 1:1. Escape, Enter and the close
// box close it.
class CPreviewDlg final : public QDialog {
 public:
  CPreviewDlg(QWidget* parent, const QImage& picture, const PreviewWindowFit& fit);
  bool HalfSize() const { return fit_.halfSize; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage shown_;
  PreviewWindowFit fit_;
  bool dragging_ = false;
  QPoint grab_;
};
