// Showing and dragging the Preview window.
#include "CPreviewDlg.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

CPreviewDlg::CPreviewDlg(QWidget* parent, const QImage& picture, const PreviewWindowFit& fit)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      fit_(fit) {
  setWindowTitle("Preview");
  setAttribute(Qt::WA_OpaquePaintEvent);
  const QSize size(fit.client.width, fit.client.height);
  // Scaled once here, so dragging the window repaints without scaling again.
  shown_ = picture.size() == size
               ? picture
               : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  setFixedSize(size);
}

void CPreviewDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect frame = frameGeometry();
  move(screen.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void CPreviewDlg::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect().topLeft(), shown_, event->rect());
}

void CPreviewDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CPreviewDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  grab_ = event->position().toPoint();
}

void CPreviewDlg::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(pos() + event->position().toPoint() - grab_);
}

void CPreviewDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
}
