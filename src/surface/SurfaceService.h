// The surface service: the display's pixel format and the one helper that creates surfaces.
#pragma once

#include <cstddef>
#include <memory>

#include "surface/PixelFormat.h"
#include "surface/Surface.h"

// Creates surfaces in the display's pixel format. Display memory has a budget (unlimited unless
// a test sets one); a display change, simulated by LoseDisplaySurfaces, loses every display
// surface made so far.
class SurfaceService {
 public:
  explicit SurfaceService(const PixelFormatInfo& format);

  const PixelFormatInfo& Format() const { return format_; }

  // A new surface or none: none for sizes outside 1..kMaxSide, when memory runs out, when the
  // display budget is spent (display memory), or while creation is made to fail.
  std::unique_ptr<Surface> Create(int width, int height, SurfaceMemory memory);
  // A surface sharing the pixels of `source` (see Surface), under the same rules as Create;
  // none as well when `source` has no pixels or is lost.
  std::unique_ptr<Surface> CreateSharing(const Surface& source, SurfaceMemory memory);

  void LoseDisplaySurfaces() { ++display_->generation; }
  void SetDisplayMemoryLimit(std::size_t bytes) { display_->byteLimit = bytes; }
  std::size_t DisplayMemoryInUse() const { return display_->bytesInUse; }
  // Makes every creation fail, so that callers' skip-what-is-missing paths can be tested.
  void SetCreationFails(bool fails) { creationFails_ = fails; }

  static constexpr int kMaxSide = 32768;

 private:
  bool Admits(int width, int height, SurfaceMemory memory) const;

  PixelFormatInfo format_;
  std::shared_ptr<DisplayMemoryState> display_;
  bool creationFails_ = false;
};

// Masters (systemMemory) are made in system memory; everything else asks for display memory
// first and falls back to system memory when that fails.
std::unique_ptr<Surface> CreateOffscreenSurface(SurfaceService& service, int width, int height,
                                                bool systemMemory);

// A display copy of `master` with the master's colour key: display memory first, system memory
// when that fails. It shares the master's pixels until either is written or the copy is lost,
// so making it copies no pixels. None when no surface can be made.
std::unique_ptr<Surface> CreateDisplayCopy(SurfaceService& service, const Surface& master);
