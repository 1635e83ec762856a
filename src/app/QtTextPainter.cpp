// Drawing text onto surface pixels.
#include "QtTextPainter.h"

#include <QFontMetrics>

#include "GameFonts.h"
#include "SurfaceImage.h"

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtTextPainter::QtTextPainter()
    : fonts_{GameFont(FontId::Small), GameFont(FontId::Medium), GameFont(FontId::Large)} {}

QtTextPainter::~QtTextPainter() {
  End();
}

bool QtTextPainter::Begin(Surface& surface, const Rect& clip) {
  End();
  image_ = WrapSurface(surface, surface.Lock());
  if (image_.isNull()) return false;
  painter_.emplace(&image_);
  painter_->setBackgroundMode(Qt::TransparentMode);
  SetClip(clip);
  return true;
}

void QtTextPainter::SetClip(const Rect& clip) {
  if (painter_) painter_->setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
}

void QtTextPainter::DrawTextAt(int x, int y, std::string_view text, FontId font, uint32_t rgb) {
  if (!painter_) return;
  const QFont& f = Font(font);
  painter_->setFont(f);
  painter_->setPen(RgbColour(rgb));
  painter_->drawText(x, y + QFontMetrics(f).ascent(), ToQString(text));
}

void QtTextPainter::DrawTextCentred(const Rect& box, std::string_view text, FontId font,
                                    uint32_t rgb) {
  if (!painter_) return;
  const QFont& f = Font(font);
  const QFontMetrics metrics(f);
  painter_->setFont(f);
  painter_->setPen(RgbColour(rgb));
  int y = box.top;
  for (const QString& line : ToQString(text).split('\n')) {
    const int x = (box.left + box.right - metrics.horizontalAdvance(line)) / 2;
    painter_->drawText(x, y + metrics.ascent(), line);
    y += metrics.height();
  }
}

void QtTextPainter::FrameRect(const Rect& rect, uint32_t rgb) {
  if (!painter_ || rect.IsEmpty()) return;
  const QColor colour = RgbColour(rgb);
  painter_->fillRect(rect.left, rect.top, rect.Width(), 1, colour);
  painter_->fillRect(rect.left, rect.bottom - 1, rect.Width(), 1, colour);
  painter_->fillRect(rect.left, rect.top, 1, rect.Height(), colour);
  painter_->fillRect(rect.right - 1, rect.top, 1, rect.Height(), colour);
}

void QtTextPainter::End() {
  painter_.reset();
  image_ = QImage();
}

int QtTextPainter::TextWidth(std::string_view text, FontId font) {
  return QFontMetrics(Font(font)).horizontalAdvance(ToQString(text));
}
