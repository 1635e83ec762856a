// Text and frames drawn onto a surface, the way a device context draws them.
#pragma once

#include <cstdint>
#include <string_view>

#include "surface/Rect.h"

class Surface;

// The three shared fonts: Arial of 15 pixels normal weight, 20 pixels bold and 30 pixels bold
// (the heights are character cell heights).
enum class FontId { Small, Medium, Large };

// Implemented by the shell (text needs a font engine); a game without one draws no text.
// Colours are 0x00RRGGBB; the background is left as it is. Everything between Begin and End
// is clipped to the current clip rectangle and to the surface.
class TextPainter {
 public:
  virtual ~TextPainter() = default;
  // Starts drawing on `surface`; false (and nothing drawn until the next Begin) when the
  // surface cannot be written.
  virtual bool Begin(Surface& surface, const Rect& clip) = 0;
  virtual void SetClip(const Rect& clip) = 0;
  // One line with its cell's top-left corner at (x, y).
  virtual void DrawTextAt(int x, int y, std::string_view text, FontId font, uint32_t rgb) = 0;
  // Each line of `text` (lines end at '\n') centred between box.left and box.right, the first
  // cell starting at box.top, the next lines below it; not clipped to the box.
  virtual void DrawTextCentred(const Rect& box, std::string_view text, FontId font,
                               uint32_t rgb) = 0;
  // A 1-pixel outline along the inside of `rect`.
  virtual void FrameRect(const Rect& rect, uint32_t rgb) = 0;
  // Ends drawing; the pixels are in the surface.
  virtual void End() = 0;
  // The width in pixels of one line in a font.
  virtual int TextWidth(std::string_view text, FontId font) = 0;
};
