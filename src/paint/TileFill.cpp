// Filling and tinting the background tiles, one tint loop per pixel depth.
#include "paint/TileFill.h"

#include <algorithm>
#include <optional>

#include "paint/PaintBitmaps.h"
#include "puzzle/ChannelCodec.h"
#include "surface/Blit.h"
#include "surface/PixelAccess.h"
#include "surface/SurfaceDrawingContext.h"

namespace {

Channels FromColourRef(uint32_t colour) {
  return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

// 8-bit channels cut to the format's widths (a no-op for 24 and 32 bits).
Channels Reduced(Channels c, const PixelFormatInfo& f) {
  return {c.red >> (8 - f.redBits), c.green >> (8 - f.greenBits), c.blue >> (8 - f.blueBits)};
}

Channels Lightened(Channels c, const PixelFormatInfo& f) {
  return {Lighten(c.red, f.RedMax()), Lighten(c.green, f.GreenMax()), Lighten(c.blue, f.BlueMax())};
}

// The texture's brightness t is (pixel & blueMask) / blueMask; each 8-bit channel of the colour
// is scaled by it exactly in integers, which is the truncated product.
template <typename P>
void TintPixels(const SurfaceLock& lock, const Surface& tile, Channels colour, bool lighter) {
  const PixelFormatInfo& f = tile.Format();
  const ChannelCodec<P> codec(f);
  const uint32_t full = f.blueMask;
  for (int y = 0; y < tile.Height(); ++y) {
    uint8_t* p = lock.Row(y);
    for (int x = 0; x < tile.Width(); ++x, p += P::kBytes) {
      const uint32_t t = P::Read(p) & full;
      Channels c =
          Reduced({colour.red * t / full, colour.green * t / full, colour.blue * t / full}, f);
      if (lighter) c = Lightened(c, f);
      P::Write(p, codec.Pack(c));
    }
  }
}

}  // namespace

uint32_t Lighten(uint32_t channel, uint32_t max) {
  // 13 / 10 in integers: the exact product truncated, with no rounding error of 1.3.
  return std::min(channel * 13 / 10, max);
}

bool FillTile(Surface& tile, const Bitmap* texture, uint32_t colour, bool lighter) {
  const PixelFormatInfo& f = tile.Format();
  if (texture == nullptr) {
    Channels c = Reduced(FromColourRef(colour), f);
    if (lighter) c = Lightened(c, f);
    return FillRect(tile, tile.Bounds(), f.Pack(c));
  }
  // A texture smaller than the tile leaves the rest black rather than whatever the tile held.
  if (!FillRect(tile, tile.Bounds(), 0)) return false;
  SurfaceDrawingContext(tile).DrawBitmap(0, 0, *texture);
  const SurfaceLock lock = tile.Lock();
  if (!lock) return false;
  return DispatchDepth(f.BytesPerPixel(), [&](auto p) {
    TintPixels<decltype(p)>(lock, tile, FromColourRef(colour), lighter);
    return true;
  });
}

void FillBackgroundTiles(Surface* backgroundTile, Surface* boxBackgroundTile,
                         const BitmapProvider& bitmaps, const TileSettings& settings) {
  std::optional<Bitmap> texture;
  if (settings.textureEnabled && settings.textureIndex >= 0 &&
      settings.textureIndex < kTextureCount) {
    texture = bitmaps.Load(kTextureFirstBitmap + settings.textureIndex);
  }
  const Bitmap* shown = texture ? &*texture : nullptr;
  if (backgroundTile != nullptr) FillTile(*backgroundTile, shown, settings.colour, false);
  if (boxBackgroundTile != nullptr) FillTile(*boxBackgroundTile, shown, settings.colour, true);
}
