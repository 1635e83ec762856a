// Text and frames on a surface with a QPainter on the surface's own pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "surface/TextPainter.h"

// Needs a QGuiApplication (the offscreen platform serves headless runs). Fonts are the shared
// fonts; text is drawn with its background left transparent. Each line is laid out once and
// kept (the gallery draws the same few hundred lines at every repaint).
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
  struct Line {
    QStaticText text;
    int width = 0;
  };
  const QFont& Font(FontId font) const { return fonts_[static_cast<std::size_t>(font)]; }
  const Line& LaidOut(std::string_view text, FontId font);
  void Draw(int x, int y, const Line& line, uint32_t rgb);

  std::array<QFont, 3> fonts_;
  std::array<int, 3> lineHeights_;
  std::array<std::unordered_map<std::string, Line>, 3> lines_;
  QImage image_;
  std::optional<QPainter> painter_;
};
