// The fast outline routines: per depth, walking only the outline pixels of the span's rows.
#include "paint/EdgeRoutines.h"

#include "paint/PlainEdgeRoutines.h"
#include "puzzle/ChannelCodec.h"
#include "surface/PixelAccess.h"

namespace {

struct OutlineWord {
  uint32_t word;
  uint32_t weight;  // in eighths
  Channels colour;
  bool open;
};

OutlineWord Decode(uint32_t word, uint32_t openSides) {
  const uint32_t flags = word >> 24;
  return {word,
          flags & kOverlayWeightMask,
          {(word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF},
          (openSides & flags & 0xF0) != 0};
}

// The blends for 16-bit pixels, whose channels are unpacked through the format's masks.
template <typename P>
struct OutlineBlend {
  static uint32_t Apply(const ChannelCodec<P>& codec, uint32_t pixel, const OutlineWord& w) {
    if (!w.open) return codec.Pack(w.colour);
    const Channels p = codec.Unpack(pixel);
    const uint32_t rest = 8 - w.weight;
    return codec.Pack({(w.weight * w.colour.red + rest * p.red) >> 3,
                       (w.weight * w.colour.green + rest * p.green) >> 3,
                       (w.weight * w.colour.blue + rest * p.blue) >> 3});
  }
};

template <typename P>
struct ShadowBlend {
  static uint32_t Apply(const ChannelCodec<P>& codec, uint32_t pixel, const OutlineWord& w) {
    if (!w.open) return 0;
    const Channels p = codec.Unpack(pixel);
    const uint32_t rest = 8 - w.weight;
    return codec.Pack({(p.red * rest) >> 3, (p.green * rest) >> 3, (p.blue * rest) >> 3});
  }
};

// 24- and 32-bit pixels read as 0x00RRGGBB, like the outline colour. Red and blue are blended
// together in one word and green in another: a channel times at most 8 needs 11 bits, which
// the 16 bits from blue to red leave room for, so no channel spills into the next.
uint32_t MixEighths(uint32_t a, uint32_t b, uint32_t weightA) {
  const uint32_t weightB = 8 - weightA;
  const uint32_t redBlue = ((a & 0xFF00FF) * weightA + (b & 0xFF00FF) * weightB) >> 3;
  const uint32_t green = ((a & 0x00FF00) * weightA + (b & 0x00FF00) * weightB) >> 3;
  return (redBlue & 0xFF00FF) | (green & 0x00FF00);
}

template <typename P>
requires(P::kBytes > 2) struct OutlineBlend<P> {
  static uint32_t Apply(const ChannelCodec<P>&, uint32_t pixel, const OutlineWord& w) {
    return w.open ? MixEighths(w.word, pixel, w.weight) : w.word & 0xFFFFFF;
  }
};

template <typename P>
requires(P::kBytes > 2) struct ShadowBlend<P> {
  static uint32_t Apply(const ChannelCodec<P>&, uint32_t pixel, const OutlineWord& w) {
    return w.open ? MixEighths(0, pixel, w.weight) : 0;
  }
};

// The overlay keeps its outline pixels in row-major order, so the span's rows are one run of
// entries; only the entries left or right of the span are passed over.
template <typename P, template <typename> class Blend>
void WalkOutline(const EdgeOverlay& overlay, const EdgeSpan& span, const SurfaceLock& target,
                 const PixelFormatInfo& format) {
  const ChannelCodec<P> codec(format);
  const Rect& s = span.source;
  const int dx = span.destX - s.left;
  const int dy = span.destY - s.top;
  const bool allRows = s.top == 0 && s.bottom >= overlay.Height();
  for (const EdgeOverlay::Entry& e : allRows ? overlay.Entries() : overlay.Rows(s.top, s.bottom)) {
    if (e.x < s.left || e.x >= s.right) continue;
    uint8_t* p = target.Row(e.y + dy) + (e.x + dx) * P::kBytes;
    P::Write(p, Blend<P>::Apply(codec, P::Read(p), Decode(e.word, span.openSides)));
  }
}

}  // namespace

EdgeRoutines ChooseEdgeRoutines(const PixelFormatInfo& format, PaintMethod method) {
  const int bits = format.bitsPerPixel;
  if (bits != 16 && bits != 24 && bits != 32) return {};
  if (method == PaintMethod::Plain) return {PlainEdgeRoutine, PlainShadowEdgeRoutine};
  return DispatchDepth(format.BytesPerPixel(), [](auto p) {
    using P = decltype(p);
    return EdgeRoutines{WalkOutline<P, OutlineBlend>, WalkOutline<P, ShadowBlend>};
  });
}
