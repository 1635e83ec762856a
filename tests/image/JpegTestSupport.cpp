// Test helpers for JPEG: files, netpbm, the libjpeg-turbo tools.
#include "JpegTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include "image/CImgLoader.h"

int DecodeJpegBytes(CImg& image, const std::vector<uint8_t>& bytes) {
  std::unique_ptr<uint8_t[]> data(new uint8_t[bytes.size()]);
  std::copy(bytes.begin(), bytes.end(), data.get());
  image.AttachData(std::move(data), static_cast<uint32_t>(bytes.size()));
  image.m_type = IMG_TYPE_JPG;
  return CImgLoader(&image).Decode();
}

void PutPicture(CImg& image, const TestPicture& picture) {
  uint32_t* pixels = image.AllocatePixels(picture.width, picture.height);
  ASSERT_NE(pixels, nullptr);
  std::copy(picture.pixels.begin(), picture.pixels.end(), pixels);
}

std::vector<uint8_t> EncodeWithWriter(const TestPicture& picture,
                                      const JpegWriteSettings& settings) {
  std::vector<uint8_t> rgb;
  for (const uint32_t p : picture.pixels) {
    rgb.insert(rgb.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                           static_cast<uint8_t>(p)});
  }
  const std::string path = JpegTempPath("writer.jpg");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return {};
  const bool written = WriteJpeg(file, rgb.data(), picture.width, picture.height, settings);
  std::vector<uint8_t> bytes;
  if (std::fclose(file) == 0 && written) bytes = ReadFileBytes(path);
  std::remove(path.c_str());
  return bytes;
}

TestPicture MakeSmoothPicture(uint32_t width, uint32_t height) {
  TestPicture picture{width, height, {}};
  for (uint32_t y = 0; y < height; ++y) {
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t red = x * 255 / std::max(width - 1, 1u);
      const uint32_t green = y * 255 / std::max(height - 1, 1u);
      const uint32_t blue = (x + y) * 2 < width + height ? 64 : 192;  // one diagonal edge
      picture.pixels.push_back(red << 16 | green << 8 | blue);
    }
  }
  return picture;
}

std::string JpegTempPath(const std::string& name) {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder ? folder : "/tmp") + "/pavlemir-jpeg-" + std::to_string(getpid()) +
         "-" + name;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WritePpm(const std::string& path, const TestPicture& picture) {
  std::string text =
      "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
  std::vector<uint8_t> bytes(text.begin(), text.end());
  for (const uint32_t pixel : picture.pixels) {
    bytes.insert(bytes.end(), {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                               static_cast<uint8_t>(pixel)});
  }
  WriteFileBytes(path, bytes);
}

std::optional<TestPicture> ReadPnm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  uint32_t width = 0, height = 0, maxval = 0;
  in >> magic >> width >> height >> maxval;
  in.get();
  if (!in || (magic != "P6" && magic != "P5") || maxval != 255) return std::nullopt;
  const std::size_t channels = magic == "P6" ? 3 : 1;
  std::vector<unsigned char> bytes(std::size_t{width} * height * channels);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) return std::nullopt;
  TestPicture picture{width, height, {}};
  for (std::size_t i = 0; i < bytes.size(); i += channels) {
    const uint32_t red = bytes[i];
    const uint32_t green = bytes[i + channels / 2];
    const uint32_t blue = bytes[i + channels - 1];
    picture.pixels.push_back(red << 16 | green << 8 | blue);
  }
  return picture;
}

bool JpegToolsPresent() {
  return std::system("command -v cjpeg >/dev/null 2>&1 && command -v djpeg >/dev/null 2>&1") == 0;
}

std::vector<uint8_t> CjpegEncode(const TestPicture& picture, const std::string& flags) {
  const std::string ppm = JpegTempPath("cjpeg-in.ppm");
  const std::string jpeg = JpegTempPath("cjpeg-out.jpg");
  WritePpm(ppm, picture);
  const std::string command = "cjpeg " + flags + " -outfile " + jpeg + " " + ppm + " 2>/dev/null";
  std::vector<uint8_t> bytes;
  if (std::system(command.c_str()) == 0) bytes = ReadFileBytes(jpeg);
  std::remove(ppm.c_str());
  std::remove(jpeg.c_str());
  return bytes;
}

std::optional<TestPicture> DjpegDecode(const std::vector<uint8_t>& jpeg) {
  const std::string in = JpegTempPath("djpeg-in.jpg");
  const std::string out = JpegTempPath("djpeg-out.pnm");
  WriteFileBytes(in, jpeg);
  const std::string command = "djpeg -pnm -outfile " + out + " " + in + " 2>/dev/null";
  std::optional<TestPicture> picture;
  if (std::system(command.c_str()) == 0) picture = ReadPnm(out);
  std::remove(in.c_str());
  std::remove(out.c_str());
  return picture;
}
