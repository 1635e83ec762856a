// Picture loading: JPEG through the picture library, everything else through the device-bitmap
// reader, converted into the display's pixel format.
#include "puzzle/PictureLoad.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "image/CImg.h"
#include "image/CImgLoader.h"
#include "image/PictureFile.h"
#include "surface/PixelAccess.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Copies width x height 0x00RRGGBB words (`pitch` words a row) into a new surface.
std::unique_ptr<Surface> SurfaceFromRgb(SurfaceService& service, const uint32_t* pixels,
                                        uint32_t width, uint32_t height, std::size_t pitch,
                                        bool systemMemory) {
  if (!pixels || width == 0 || height == 0 || width > SurfaceService::kMaxSide ||
      height > SurfaceService::kMaxSide) {
    return nullptr;
  }
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);
  // Every pixel is written below.
  auto surface = systemMemory ? service.CreateOverwritten(w, h, SurfaceMemory::System)
                              : CreateOffscreenSurface(service, w, h, false);
  if (!surface) return nullptr;
  const SurfaceLock lock = surface->Lock();
  if (!lock) return nullptr;
  const PixelFormatInfo& format = surface->Format();
  const bool copyWords = format == PixelFormatInfo::Rgb32();
  DispatchDepth(format.BytesPerPixel(), [&](auto p) {
    using P = decltype(p);
    for (int y = 0; y < h; ++y) {
      const uint32_t* in = pixels + static_cast<std::size_t>(y) * pitch;
      uint8_t* out = lock.Row(y);
      if (copyWords) {
        std::memcpy(out, in, width * sizeof(uint32_t));
        continue;
      }
      for (int x = 0; x < w; ++x, out += P::kBytes) {
        P::Write(out,
                 format.FromRgb8(static_cast<uint8_t>(in[x] >> 16),
                                 static_cast<uint8_t>(in[x] >> 8), static_cast<uint8_t>(in[x])));
      }
    }
    return true;
  });
  return surface;
}

// The picture library decodes by the type its own table gives the extension, which knows only
// ".jpg"; a ".jpeg" file is the same format, so the type is set to JPEG here. A failed decode
// answers none rather than a surface of whatever pixels it left behind.
std::unique_ptr<Surface> LoadJpeg(SurfaceService& service, const std::string& path,
                                  bool systemMemory) {
  CImg image;
  try {
    if (image.LoadFile(path.c_str()) != IMG_OK) return nullptr;
    image.m_type = IMG_TYPE_JPG;
    if (CImgLoader(&image).Decode() != IMG_OK) return nullptr;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (image.m_pitch < 0 || static_cast<uint32_t>(image.m_pitch) < image.m_width) return nullptr;
  return SurfaceFromRgb(service, image.m_pixels, image.m_width, image.m_height,
                        static_cast<std::size_t>(image.m_pitch), systemMemory);
}

std::unique_ptr<Surface> LoadDeviceBitmap(SurfaceService& service, const std::string& path,
                                          bool systemMemory) {
  CPictureFile picture;
  {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || !picture.Load(file.get(), PictureFileType(path))) return nullptr;
  }
  const std::unique_ptr<DeviceBitmap> bitmap = picture.CreateBitmap();
  if (!bitmap) return nullptr;
  return SurfaceFromRgb(service, bitmap->pixels.data(), bitmap->width, bitmap->height,
                        bitmap->width, systemMemory);
}

}  // namespace

std::unique_ptr<Surface> LoadPictureSurface(SurfaceService& service, const std::string& path,
                                            bool systemMemory) {
  // "JPG" and "JPEG", in any case, are both JPEG files.
  if (PictureFileType(path) == PICTURE_JPEG) return LoadJpeg(service, path, systemMemory);
  return LoadDeviceBitmap(service, path, systemMemory);
}
