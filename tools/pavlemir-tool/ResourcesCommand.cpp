// pavlemir-tool resources OUTDIR: every numbered bitmap as the game is served it, as BMP files.
#include <cstdio>
#include <filesystem>
#include <string>

#include "BmpWriter.h"
#include "Subcommand.h"
#include "assets/EmbeddedBitmaps.h"

namespace {

int RunResources(std::span<char*> args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: pavlemir-tool resources OUTDIR\n");
    return 2;
  }
  const std::filesystem::path dir = args[0];
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const EmbeddedBitmaps provider;
  for (const int id : provider.Ids()) {
    const std::optional<Bitmap> bitmap = provider.Load(id);
    const std::filesystem::path path = dir / ("bitmap-" + std::to_string(id) + ".bmp");
    if (!bitmap) {
      std::fprintf(stderr, "pavlemir-tool: bitmap %d cannot be decoded\n", id);
      return 1;
    }
    if (!WriteBmp24(path.string(), bitmap->width, bitmap->height, bitmap->pixels)) {
      std::fprintf(stderr, "pavlemir-tool: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}

const SubcommandRegistration kResources({"resources", "OUTDIR",
                                         "write every numbered bitmap, decoded as the game "
                                         "loads it, as bitmap-<id>.bmp",
                                         RunResources});

}  // namespace
