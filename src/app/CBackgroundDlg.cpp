// Choosing, previewing and keeping the field's background.
#include "CBackgroundDlg.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

#include "Settings.h"
#include "ShellBitmaps.h"

namespace {

constexpr int kFirstTextureBitmap = 217;

QColor FromColourRef(uint32_t colour) {
  return QColor::fromRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

uint32_t ToColourRef(const QColor& colour) {
  return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
         static_cast<uint32_t>(colour.blue()) << 16;
}

}  // namespace

CBackgroundDlg::CBackgroundDlg(QWidget* parent, const BitmapProvider& bitmaps, Apply apply)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      apply_(std::move(apply)),
      selected_(static_cast<int>(CurrentBackground().textureIndex)),
      colour_(g_backgroundColor),
      useTexture_(new QCheckBox("Use texture", this)) {
  setWindowTitle("Background");
  setFixedSize(499, 404);
  for (int n = 0; n < kTextureCount; ++n)
    textures_[static_cast<std::size_t>(n)] = BitmapImage(bitmaps, kFirstTextureBitmap + n);
  const QImage faces = BitmapImage(bitmaps, kButtonFacesBitmap);
  const auto button = [&](const char* caption, int y, auto action) {
    auto* b = new OwnerDrawButton(caption, 0, faces, false, this);
    b->move(404, y);
    connect(b, &QPushButton::clicked, this, action);
  };
  button("Change", 100, [this] { ChooseColour(); });
  button("Preview", 310, [this] { Preview(); });
  button("OK", 348, [this] { accept(); });
  button("Cancel", 376, [this] { reject(); });
  useTexture_->move(404, 128);
  useTexture_->setChecked(g_textureEnabled != 0);
}

QRect CBackgroundDlg::TextureRect(int n) {
  return {(n % 3) * 133 + 5, (n / 3) * 133 + 5, 128, 128};
}

OwnerDrawButton* CBackgroundDlg::Button(const QString& caption) const {
  for (OwnerDrawButton* b : findChildren<OwnerDrawButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

TileSettings CBackgroundDlg::Chosen() const {
  return {colour_, useTexture_->isChecked(), selected_};
}

void CBackgroundDlg::Preview() {
  apply_(Chosen());
}

void CBackgroundDlg::accept() {
  Preview();
  g_textureIndex = static_cast<uint32_t>(selected_);
  g_backgroundColor = colour_;
  g_textureEnabled = useTexture_->isChecked() ? 1 : 0;
  // Kept at once, not only at a normal end of the program.
  CRegistryKey key;
  if (key.Open()) SaveSettings(key);
  QDialog::accept();
}

void CBackgroundDlg::reject() {
  apply_(CurrentBackground());
  QDialog::reject();
}

void CBackgroundDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int n = 0; n < kTextureCount; ++n)
    painter.drawImage(TextureRect(n).topLeft(), textures_[static_cast<std::size_t>(n)]);
  const QRect selected = TextureRect(selected_);
  painter.setPen(QPen(Qt::red, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(selected.adjusted(-1, -1, 0, 0));
  painter.drawRect(selected.adjusted(-2, -2, 1, 1));
  painter.fillRect(SwatchRect().adjusted(1, 1, -1, -1), FromColourRef(colour_));
}

void CBackgroundDlg::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  for (int n = 0; n < kTextureCount; ++n) {
    if (!TextureRect(n).contains(p)) continue;
    selected_ = n;
    update();
    return;
  }
  if (SwatchRect().contains(p)) ChooseColour();
}

void CBackgroundDlg::ChooseColour() {
  const QColor chosen = QColorDialog::getColor(FromColourRef(colour_), this, "Colour",
                                               QColorDialog::DontUseNativeDialog);
  if (!chosen.isValid()) return;
  colour_ = ToColourRef(chosen);
  update();
}
