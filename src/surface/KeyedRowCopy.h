// Colour-keyed copies of one row of pixels, one routine per depth.
#pragma once

#include <cstdint>

// Copies `count` pixels from `src` to `dest`, leaving out those whose colour bits (`mask`)
// equal `key` (given already masked). The two rows must not overlap.
using KeyedRowCopy = void (*)(uint8_t* dest, const uint8_t* src, int count, uint32_t mask,
                              uint32_t key);

// The routine for 2, 3 or 4 bytes a pixel.
KeyedRowCopy KeyedRowCopyFor(int bytesPerPixel);
