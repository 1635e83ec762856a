// Test helpers for JPEG: decoding through the library, netpbm files and the libjpeg-turbo tools.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ImgTestFiles.h"
#include "image/CImg.h"
#include "image/JpegCodec.h"

// Puts exactly `bytes` (no slack after them, so reading past the end shows under ASan) into
// `image` as a ".jpg" file and decodes it through CImgLoader.
int DecodeJpegBytes(CImg& image, const std::vector<uint8_t>& bytes);

// Gives `image` its own copy of the picture's pixels.
void PutPicture(CImg& image, const TestPicture& picture);
// The picture compressed by our JPEG writer; empty when the writer fails.
std::vector<uint8_t> EncodeWithWriter(const TestPicture& picture,
                                      const JpegWriteSettings& settings = {});

// Smooth colour gradients with a few hard edges: what photographs look like to a JPEG coder.
TestPicture MakeSmoothPicture(uint32_t width, uint32_t height);

// A path in the temporary folder, unique to this process.
std::string JpegTempPath(const std::string& name);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Binary PPM of the picture's red, green and blue bytes.
void WritePpm(const std::string& path, const TestPicture& picture);
// A binary PPM or PGM (grey g read as 0x00gggggg); nothing when the file is not one.
std::optional<TestPicture> ReadPnm(const std::string& path);

// Whether cjpeg and djpeg can be run.
bool JpegToolsPresent();
// cjpeg with `flags` on a PPM of `picture`; empty when cjpeg fails.
std::vector<uint8_t> CjpegEncode(const TestPicture& picture, const std::string& flags);
// djpeg -pnm on the file; nothing when djpeg fails.
std::optional<TestPicture> DjpegDecode(const std::vector<uint8_t>& jpeg);
