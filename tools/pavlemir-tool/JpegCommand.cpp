// pavlemir-tool jpeg IN OUT.jpg [--quality Q]: a picture decoded by the picture library, saved
// as a baseline JPEG with optimal Huffman tables.
#include <charconv>
#include <cstdio>
#include <cstring>

#include "ImageFiles.h"
#include "Subcommand.h"
#include "image/CJpegWriter.h"

namespace {

constexpr int kDefaultQuality = 75;

// The quality from "--quality Q"; false when the arguments are not of that form.
bool ParseQuality(std::span<char*> options, int* quality) {
  if (options.empty()) return true;
  if (options.size() != 2 || std::strcmp(options[0], "--quality") != 0) return false;
  const char* text = options[1];
  const char* end = text + std::strlen(text);
  const auto [stop, error] = std::from_chars(text, end, *quality);
  return error == std::errc() && stop == end;
}

int RunJpeg(std::span<char*> args) {
  int quality = kDefaultQuality;
  if (args.size() < 2 || !ParseQuality(args.subspan(2), &quality)) {
    std::fprintf(stderr, "usage: pavlemir-tool jpeg IN OUT.jpg [--quality Q]\n");
    return 2;
  }
  CImg image;
  const int result = LoadAndDecode(args[0], image);
  if (result != IMG_OK) return ReportResult(args[0], result);
  const int saved = CJpegWriter(&image).SaveJpeg(args[1], 0, quality, 1);
  return saved == IMG_OK ? 0 : ReportResult(args[1], saved);
}

const SubcommandRegistration kJpeg({"jpeg", "IN OUT.jpg [--quality Q]",
                                    "decode a picture and save it as a JPEG of quality Q (1 to "
                                    "100, default 75); the exit status is the result code",
                                    RunJpeg});

}  // namespace
