// pavlemir-tool masks OUTDIR: the 64 edge masks as PGM files, 0 black and 255 white.
#include <cstdio>
#include <filesystem>
#include <string>

#include "Netpbm.h"
#include "Subcommand.h"
#include "puzzle/EdgeMasks.h"

namespace {

int RunMasks(std::span<char*> args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: pavlemir-tool masks OUTDIR\n");
    return 2;
  }
  const std::filesystem::path dir = args[0];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  for (int number = 0; number < kEdgeMaskCount; ++number) {
    const EdgeMaskShape shape = MakeEdgeMaskShape(number / 8, number % 8);
    std::vector<uint8_t> grey(shape.black.size());
    for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = shape.black[i] ? 0 : 255;
    char name[32];
    std::snprintf(name, sizeof name, "mask-%02d.pgm", number);
    if (!WritePgm((dir / name).string(), shape.width, shape.height, grey)) {
      std::fprintf(stderr, "pavlemir-tool: cannot write %s\n", (dir / name).c_str());
      return 1;
    }
  }
  return 0;
}

const SubcommandRegistration kMasks({"masks", "OUTDIR",
                                     "write the 64 edge masks as mask-00.pgm .. mask-63.pgm",
                                     RunMasks});

}  // namespace
