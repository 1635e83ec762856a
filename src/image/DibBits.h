// Reading the pixel bits of a BMP stream.
#pragma once

#include <cstdint>
#include <vector>

#include "image/DibByteSource.h"
#include "image/DibHeader.h"

// Reads the pixel bits at the source's position into `bits`: rowSize x height bytes of plain
// rows in the stored order. Uncompressed rows must all be there; run-length coded ones are
// expanded. Afterwards `headers.info` describes the bits held (no run-length compression, the
// image size of the plain rows). False when uncompressed rows are cut short, found before they
// are allocated. Throws std::bad_alloc when memory runs out.
bool ReadDibBits(DibByteSource& source, DibHeaders& headers, std::vector<uint8_t>& bits);
