// The Background dialog: nine textures tinted by a colour, or the plain colour, for the field.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "OwnerDrawButton.h"
#include "paint/TileFill.h"
#include "surface/BitmapProvider.h"

// Starts from the settings. Preview shows a choice on the field at once; OK keeps it in the
// settings (and writes them, so a later crash does not lose it); Cancel or closing gives the
// field its stored background back. `apply` fills the tiles and repaints the view.
class CBackgroundDlg final : public QDialog {
 public:
  using Apply = std::function<void(const TileSettings&)>;
  CBackgroundDlg(QWidget* parent, const BitmapProvider& bitmaps, Apply apply);

  static constexpr int kTextureCount = 9;
  // Where texture n and the colour swatch lie in the dialog.
  static QRect TextureRect(int n);
  static QRect SwatchRect() { return {404, 5, 90, 90}; }

  int SelectedTexture() const { return selected_; }
  uint32_t Colour() const { return colour_; }
  QCheckBox& UseTexture() { return *useTexture_; }
  OwnerDrawButton* Button(const QString& caption) const;

  void Preview();
  void accept() override;
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void ChooseColour();
  TileSettings Chosen() const;

  Apply apply_;
  std::array<QImage, kTextureCount> textures_;
  int selected_;
  uint32_t colour_;  // red in the low byte, then green, then blue
  QCheckBox* useTexture_;
};
