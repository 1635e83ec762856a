// The picture chooser: the open-file dialog with a preview panel at its right.
#pragma once

#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <optional>
#include <string>

#include "OwnerDrawButton.h"
#include "library/PicturePreview.h"

inline constexpr char kPictureFilter[] = "Picture Files (*.bmp,*.jpg,*.jpeg)";

// The panel: the picture's size ("W x H"), the Preview button and the preview frame, where the
// selected picture is drawn fitted to the frame with area averaging and the rest of the frame
// is filled with the button-face colour.
class PicturePreviewPanel final : public QWidget {
 public:
  PicturePreviewPanel(QWidget* parent, const QImage& faces);

  // The file selected now ("" or a folder: no preview).
  void ShowFile(const QString& path);
  QString SizeText() const { return size_->text(); }
  bool HasPreview() const { return !preview_.isNull(); }
  // The picture as drawn in the frame, and the frame in panel coordinates.
  const QImage& Drawn() const { return drawn_; }
  static QRect FrameRect() { return {1, 30, 234, 234}; }
  OwnerDrawButton& PreviewButton() { return *button_; }
  const QString& File() const { return file_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void OpenPreview();

  QLabel* size_;
  OwnerDrawButton* button_;
  QString file_;
  QImage preview_;  // the picture as read, possibly reduced
  QImage drawn_;    // fitted to the frame
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
};

// Opens in a folder with the picture filter, centred on the screen; only existing files can be
// chosen. The panel follows the selection, and a name typed that names a file.
class CPicFileDialog final : public QFileDialog {
 public:
  CPicFileDialog(QWidget* parent, const QImage& faces);

  // Opens in `folder` (the Pictures folder, or home, when it is empty) with `selected` selected
  // when given; the chosen file, or none when cancelled.
  std::optional<std::string> Choose(const std::string& folder, const std::string& selected);
  PicturePreviewPanel& Panel() { return *panel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  PicturePreviewPanel* panel_;
};

// A picture read by the preview's loader as a 32-bit image; null when it could not be read.
QImage PreviewImage(const std::string& path, int boxWidth, int boxHeight, int* pictureWidth,
                    int* pictureHeight);
