// Memory for the pixels of a whole decoded picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// A new buffer of `count` pixels with undefined contents; null when memory runs out. Where the
// system allows it, a buffer of many megabytes is backed by huge pages: a decoder writes every
// pixel once, and taking the memory in 4 KB pages one fault at a time costs about a sixth of
// the time a photograph takes to decode.
std::unique_ptr<uint32_t[]> NewPixelBuffer(std::size_t count);
