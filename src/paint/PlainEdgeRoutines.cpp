// The reference outline routines, one pixel at a time with no per-depth code.
#include "paint/PlainEdgeRoutines.h"

namespace {

// Pixels are little-endian words of 2, 3 or 4 bytes.
uint32_t ReadBytes(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= uint32_t{p[i]} << (8 * i);
  return v;
}

void WriteBytes(uint8_t* p, int bytes, uint32_t v) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

Channels Outlined(uint32_t word, uint32_t weight, bool open, Channels under) {
  const Channels colour{(word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF};
  if (!open) return colour;
  const uint32_t rest = 8 - weight;
  return {(weight * colour.red + rest * under.red) >> 3,
          (weight * colour.green + rest * under.green) >> 3,
          (weight * colour.blue + rest * under.blue) >> 3};
}

Channels Shaded(uint32_t weight, bool open, Channels under) {
  if (!open) return {};
  const uint32_t rest = 8 - weight;
  return {(under.red * rest) >> 3, (under.green * rest) >> 3, (under.blue * rest) >> 3};
}

void PlainRun(const EdgeOverlay& overlay, const EdgeSpan& span, const SurfaceLock& target,
              const PixelFormatInfo& format, bool shadow) {
  const int bytes = format.BytesPerPixel();
  const Rect& s = span.source;
  for (int y = s.top; y < s.bottom; ++y) {
    for (int x = s.left; x < s.right; ++x) {
      const uint32_t word = overlay.At(x, y);
      if (word == 0) continue;
      const uint32_t flags = word >> 24;
      const uint32_t weight = flags & kOverlayWeightMask;
      const bool open = (span.openSides & flags & 0xF0) != 0;
      uint8_t* p = target.Row(span.destY + y - s.top) + (span.destX + x - s.left) * bytes;
      const Channels under = format.Unpack(ReadBytes(p, bytes));
      const Channels result =
          shadow ? Shaded(weight, open, under) : Outlined(word, weight, open, under);
      WriteBytes(p, bytes, format.Pack(result));
    }
  }
}

}  // namespace

void PlainEdgeRoutine(const EdgeOverlay& overlay, const EdgeSpan& span, const SurfaceLock& target,
                      const PixelFormatInfo& format) {
  PlainRun(overlay, span, target, format, false);
}

void PlainShadowEdgeRoutine(const EdgeOverlay& overlay, const EdgeSpan& span,
                            const SurfaceLock& target, const PixelFormatInfo& format) {
  PlainRun(overlay, span, target, format, true);
}
