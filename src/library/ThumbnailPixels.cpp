// Thumbnail pixels in every display format.
#include "library/ThumbnailPixels.h"

#include "puzzle/ChannelCodec.h"
#include "surface/Blit.h"
#include "surface/PixelAccess.h"

namespace {

// Every pack's thumbnails pass through here at start-up, so the conversion is chosen per depth:
// 24- and 32-bit channels are placed directly, 16-bit ones through the format's masks.
template <typename P>
void FillFromRgb(const SurfaceLock& lock, const uint8_t* in, int width, int height,
                 const PixelFormatInfo& format) {
  const ChannelCodec<P> codec(format);
  // 24- and 32-bit channels are 8 bits wide: nothing to drop.
  constexpr bool narrow = P::kBytes == 2;
  const int red = narrow ? 8 - format.redBits : 0;
  const int green = narrow ? 8 - format.greenBits : 0;
  const int blue = narrow ? 8 - format.blueBits : 0;
  const uint32_t topByte = P::kBytes == 4 ? 0xFF000000u : 0;
  for (int y = 0; y < height; ++y) {
    uint8_t* out = lock.Row(y);
    for (int x = 0; x < width; ++x, out += P::kBytes, in += 3) {
      const Channels c{uint32_t{in[0]} >> red, uint32_t{in[1]} >> green, uint32_t{in[2]} >> blue};
      P::Write(out, codec.Pack(c) | topByte);
    }
  }
}

}  // namespace

std::unique_ptr<Surface> MakeThumbnail(SurfaceService& service, const Surface& picture,
                                       ThumbnailSize size) {
  auto thumbnail = CreateOffscreenSurface(service, size.width, size.height, true);
  if (!thumbnail) return nullptr;
  const bool copied =
      size.width == picture.Width() && size.height == picture.Height()
          ? BltFast(*thumbnail, 0, 0, picture, picture.Bounds())
          : StretchHalftone(*thumbnail, thumbnail->Bounds(), picture, picture.Bounds());
  return copied ? std::move(thumbnail) : nullptr;
}

std::vector<uint8_t> ThumbnailRgb(const Surface& thumbnail) {
  const ConstSurfaceLock lock = thumbnail.Lock();
  if (!lock) return {};
  const PixelFormatInfo& format = thumbnail.Format();
  const int w = thumbnail.Width();
  const int h = thumbnail.Height();
  std::vector<uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
  DispatchDepth(format.BytesPerPixel(), [&](auto p) {
    using P = decltype(p);
    for (int y = 0; y < h; ++y) {
      const uint8_t* in = lock.Row(y);
      for (int x = 0; x < w; ++x, in += P::kBytes) {
        const Channels c = format.ToRgb8(P::Read(in));
        rgb.insert(rgb.end(), {static_cast<uint8_t>(c.red), static_cast<uint8_t>(c.green),
                               static_cast<uint8_t>(c.blue)});
      }
    }
    return true;
  });
  return rgb;
}

std::unique_ptr<Surface> ThumbnailFromRgb(SurfaceService& service, std::span<const uint8_t> rgb,
                                          int width, int height) {
  if (width <= 0 || height <= 0 ||
      rgb.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    return nullptr;
  }
  auto thumbnail = CreateOffscreenSurface(service, width, height, true);
  if (!thumbnail) return nullptr;
  const SurfaceLock lock = thumbnail->Lock();
  if (!lock) return nullptr;
  DispatchDepth(thumbnail->Format().BytesPerPixel(), [&](auto p) {
    FillFromRgb<decltype(p)>(lock, rgb.data(), width, height, thumbnail->Format());
    return true;
  });
  return thumbnail;
}
