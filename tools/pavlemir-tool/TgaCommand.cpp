// pavlemir-tool tga IN OUT.tga: a picture decoded by the picture library, saved as a 32-bit TGA.
#include <cstdio>

#include "ImageFiles.h"
#include "Subcommand.h"
#include "image/CTgaWriter.h"

namespace {

int RunTga(std::span<char*> args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: pavlemir-tool tga IN OUT.tga\n");
    return 2;
  }
  CImg image;
  const int result = LoadAndDecode(args[0], image);
  if (result != IMG_OK) return ReportResult(args[0], result);
  const int saved = CTgaWriter(&image).SaveTga(args[1]);
  return saved == IMG_OK ? 0 : ReportResult(args[1], saved);
}

const SubcommandRegistration kTga({"tga", "IN OUT.tga",
                                   "decode a picture and save it as an uncompressed 32-bit TGA; "
                                   "the exit status is the result code",
                                   RunTga});

}  // namespace
