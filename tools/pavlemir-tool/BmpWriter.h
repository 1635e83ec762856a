// Encoding pictures as uncompressed 24-bit BMP files.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The bytes of a bottom-up 24-bit BMP file with a 40-byte information header. `pixels` holds
// width x height words 0x00RRGGBB, top row first; the top byte is ignored. Empty
// for a side below 1 or too few pixels.
std::vector<uint8_t> EncodeBmp24(int width, int height, std::span<const uint32_t> pixels);
// Writes EncodeBmp24's bytes to `path`; false when the file cannot be written completely.
bool WriteBmp24(const std::string& path, int width, int height, std::span<const uint32_t> pixels);
