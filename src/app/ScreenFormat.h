// The pixel format of the surfaces, from the screen's depth or the player's override.
#pragma once

#include <optional>
#include <string>

#include "surface/PixelFormat.h"

// PAVLEMIR_PIXEL_FORMAT (32, 24, 565 or 555) when it is set, else the screen's depth: 24 and 32
// give 32-bit surfaces, 16 gives 5-6-5, 15 gives 5-5-5. None for any other depth or an
// override that names no format.
std::optional<PixelFormatInfo> SurfaceFormatFor(int screenDepth, const char* override);

// The message for a depth the surfaces cannot use.
std::string UnsupportedDepthText(int screenDepth, const char* override);
