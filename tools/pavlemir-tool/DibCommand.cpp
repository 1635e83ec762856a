// pavlemir-tool dib FILE OUT.ppm: a BMP stream through the device-bitmap reader, as a PPM.
#include <cstdio>
#include <memory>

#include "Netpbm.h"
#include "Subcommand.h"
#include "image/PictureFile.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

int RunDib(std::span<char*> args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: pavlemir-tool dib FILE OUT.ppm\n");
    return 2;
  }
  CPictureFile picture;
  {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(args[0], "rb"));
    if (!file || !picture.Load(file.get(), PICTURE_BMP)) {
      std::fprintf(stderr, "pavlemir-tool: cannot read %s as a bitmap\n", args[0]);
      return 1;
    }
  }
  const std::unique_ptr<DeviceBitmap> bitmap = picture.CreateBitmap();
  if (!bitmap) {
    std::fprintf(stderr, "pavlemir-tool: out of memory for %s\n", args[0]);
    return 1;
  }
  std::vector<uint8_t> rgb;
  rgb.reserve(bitmap->pixels.size() * 3);
  for (uint32_t pixel : bitmap->pixels) {
    rgb.push_back(static_cast<uint8_t>(pixel >> 16));
    rgb.push_back(static_cast<uint8_t>(pixel >> 8));
    rgb.push_back(static_cast<uint8_t>(pixel));
  }
  if (!WritePpm(args[1], static_cast<int>(bitmap->width), static_cast<int>(bitmap->height), rgb)) {
    std::fprintf(stderr, "pavlemir-tool: cannot write %s\n", args[1]);
    return 1;
  }
  return 0;
}

const SubcommandRegistration kDib({"dib", "FILE OUT.ppm",
                                   "decode a BMP file with the device-bitmap reader, write a PPM",
                                   RunDib});

}  // namespace
