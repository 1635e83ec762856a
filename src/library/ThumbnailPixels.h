// Gallery thumbnails: made from a picture, and converted between surfaces and the file's bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "library/PuzzleFileLayout.h"
#include "surface/Surface.h"
#include "surface/SurfaceService.h"

// A system-memory surface of `size` showing the whole picture: a plain copy when the sizes
// agree, otherwise the halftone (area-averaging) stretch. None when no surface can be made.
std::unique_ptr<Surface> MakeThumbnail(SurfaceService& service, const Surface& picture,
                                       ThumbnailSize size);

// The file's thumbnail bytes: red, green, blue for each pixel, rows top to bottom, no padding.
// Channels narrower than 8 bits are widened by shifting, so their low bits are 0. Empty when
// the surface cannot be locked.
std::vector<uint8_t> ThumbnailRgb(const Surface& thumbnail);

// A system-memory surface in the display's format from the file's bytes (3 x width x height of
// them): 16-bit channels keep their high bits, 32-bit pixels get 0xFF in their top byte. None
// when no surface can be made or the bytes are too few.
std::unique_ptr<Surface> ThumbnailFromRgb(SurfaceService& service, std::span<const uint8_t> rgb,
                                          int width, int height);
