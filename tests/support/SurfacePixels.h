// Test helpers: reading and writing single pixels of a surface, and the four display formats.
#pragma once

#include <array>
#include <cstdint>

#include "surface/PixelFormat.h"
#include "surface/Surface.h"

inline constexpr std::array<const char*, 4> kFormatNames = {"555", "565", "24", "32"};

PixelFormatInfo FormatNamed(const char* name);
uint32_t ReadPixel(const Surface& surface, int x, int y);
void WritePixel(Surface& surface, int x, int y, uint32_t pixel);
// Fills every pixel with a value that differs from pixel to pixel (within the colour bits).
void FillPattern(Surface& surface, uint32_t seed);
