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
    : fonts_{GameFont(FontId::Small), GameFont(FontId::Medium), GameFont(FontId::Large)} {
  for (std::size_t i = 0; i < fonts_.size(); ++i)
    lineHeights_[i] = QFontMetrics(fonts_[i]).height();
}

QtTextPainter::~QtTextPainter() {
  End();
}

const QtTextPainter::Line& QtTextPainter::LaidOut(std::string_view text, FontId font) {
  constexpr std::size_t kMaxLines = 4096;  // a bound for long sessions; a few hundred are in use
  auto& lines = lines_[static_cast<std::size_t>(font)];
  const auto found = lines.find(std::string(text));
  if (found != lines.end()) return found->second;
  if (lines.size() >= kMaxLines) lines.clear();
  Line line;
  line.text = QStaticText(ToQString(text));
  line.text.setTextFormat(Qt::PlainText);
  line.text.setPerformanceHint(QStaticText::AggressiveCaching);
  line.text.prepare(QTransform(), Font(font));
  line.width = QFontMetrics(Font(font)).horizontalAdvance(line.text.text());
  return lines.emplace(std::string(text), std::move(line)).first->second;
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

void QtTextPainter::Draw(int x, int y, const Line& line, uint32_t rgb) {
  painter_->setPen(RgbColour(rgb));
  painter_->drawStaticText(x, y, line.text);
}

void QtTextPainter::DrawTextAt(int x, int y, std::string_view text, FontId font, uint32_t rgb) {
  if (!painter_) return;
  painter_->setFont(Font(font));
  Draw(x, y, LaidOut(text, font), rgb);
}

void QtTextPainter::DrawTextCentred(const Rect& box, std::string_view text, FontId font,
                                    uint32_t rgb) {
  if (!painter_) return;
  painter_->setFont(Font(font));
  int y = box.top;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const Line& line = LaidOut(text.substr(start, end - start), font);
    Draw((box.left + box.right - line.width) / 2, y, line, rgb);
    y += lineHeights_[static_cast<std::size_t>(font)];
    start = end + 1;
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
