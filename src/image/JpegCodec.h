// The JPEG library behind the picture library's JPEG decoder and writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

// Files with more scans than this are refused. Real progressive encoders use a few dozen, while
// every scan may cost a pass over the whole picture, so a hostile file could otherwise keep the
// decoder busy for as long as it likes.
inline constexpr int kJpegMaxScans = 256;

// A decoded picture: width x height pixels 0x00RRGGBB, top row first, width pixels a row.
struct JpegPicture {
  std::unique_ptr<uint32_t[]> pixels;
  uint32_t width = 0;
  uint32_t height = 0;
};

// Decodes a JPEG file held in memory, straight into a new pixel buffer. Greyscale, YCbCr and RGB
// files are decoded in their colours; CMYK and YCCK files are taken as stored inverted (the way
// photo editors write them) and turned into RGB by multiplying each ink with the black. Answers
// 0; 2 for data the JPEG library rejects or warns about (damaged, truncated, unsupported, more
// than kJpegMaxScans scans); 13 for a picture beyond the picture library's size limits, found
// from the header before the pixels or the decoder's working memory are allocated; 6 when the
// pixel buffer cannot be had. `picture` changes only on 0. Nothing is ever printed.
int ReadJpeg(const uint8_t* data, std::size_t size, JpegPicture* picture);

// The picture's size from the file's header alone: 0, or 2 when the header cannot be read.
int ReadJpegSize(const uint8_t* data, std::size_t size, uint32_t* width, uint32_t* height);

// ReadJpeg at a reduced size: 1/8, 1/4 or 1/2 (each side rounded up), the smallest that is still
// at least minWidth x minHeight, or the full size. The library reduces far faster than a full
// decode followed by scaling, which a preview of a large photo needs. The size limits apply to
// the full size, which `fullWidth` and `fullHeight` receive on 0.
int ReadJpegReduced(const uint8_t* data, std::size_t size, uint32_t minWidth, uint32_t minHeight,
                    JpegPicture* picture, uint32_t* fullWidth, uint32_t* fullHeight);

// How WriteJpeg compresses.
struct JpegWriteSettings {
  int dctMethod = 0;      // 0 accurate integer, 1 fast integer, 2 floating point; others: default
  int quality = 75;       // 1 to 100, with quantisation tables kept baseline-compatible
  bool optimize = false;  // optimal Huffman tables
  bool progressive = false;  // a progressive file instead of a baseline one
  bool greyscale = false;    // a one-component file from the luminance
};

// Compresses width x height pixels given as red, green, blue bytes (3 x width bytes a row, top
// row first) into `file`. False when the library fails (a side beyond 65500 pixels, a write
// error), with nothing printed.
bool WriteJpeg(std::FILE* file, const uint8_t* rgb, uint32_t width, uint32_t height,
               const JpegWriteSettings& settings);
