// Expanding run-length coded bitmaps (RLE8 and RLE4) into plain rows.
#pragma once

#include <cstdint>
#include <span>

#include "image/DibByteSource.h"

// Decodes up to `length` bytes of code from the source's position (RLE8 for 8-bit, RLE4 for
// 4-bit bitmaps, as `compression` says) into `rows`:
// `height` plain rows of `rowSize` bytes, bottom row first, as an uncompressed bitmap stores
// them. `rows` must hold rowSize x height bytes and start as zeros: pixels the code never sets
// (skipped by a delta or an early end of line) keep index 0. Runs that reach past the end of a
// row are cut there. Decoding stops at the end-of-bitmap mark, below the last row or where the
// code runs out.
void ExpandDibRle(DibByteSource& code, uint64_t length, uint32_t compression, uint32_t width,
                  uint32_t height, uint32_t rowSize, std::span<uint8_t> rows);
