// Text and frames on a surface with a QPainter on the surface's own pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <array>
#include <optional>

#include "surface/TextPainter.h"

// Needs a QGuiApplication (the offscreen platform serves headless runs). Fonts are the shared
// fonts; text is drawn with its background left transparent.
class QtTextPainter final : public TextPainter {
 public:
  QtTextPainter();
  ~QtTextPainter() override;

  bool Begin(Surface& surface, const Rect& clip) override;
  void SetClip(const Rect& clip) override;
  void DrawTextAt(int x, int y, std::string_view text, FontId font, uint32_t rgb) override;
  void DrawTextCentred(const Rect& box, std::string_view text, FontId font, uint32_t rgb) override;
  void FrameRect(const Rect& rect, uint32_t rgb) override;
  void End() override;
  int TextWidth(std::string_view text, FontId font) override;

 private:
  const QFont& Font(FontId font) const { return fonts_[static_cast<std::size_t>(font)]; }

  std::array<QFont, 3> fonts_;
  QImage image_;
  std::optional<QPainter> painter_;
};
