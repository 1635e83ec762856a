// The photograph puzzle the game-start benchmarks share: a 3000 x 2000 JPEG cut with the smallest
// pieces (choice 7, rotation on) for a 1920 x 1080 view, about 3,500 pieces.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <system_error>

#include "image/CImg.h"
#include "image/CJpegWriter.h"
#include "library/ChoiceGrid.h"
#include "library/PackCover.h"
#include "library/PuzzleFileWriter.h"
#include "puzzle/PictureLoad.h"
#include "surface/Rect.h"
#include "surface/SurfaceService.h"

namespace photopuzzle {

inline constexpr int kPictureWidth = 3000;
inline constexpr int kPictureHeight = 2000;
inline constexpr int kViewWidth = 1920;
inline constexpr int kViewHeight = 1080;
inline constexpr int kToolbarHeight = 32;
inline constexpr int kSizeChoice = 7;
inline const Rect kPlayArea{0, kToolbarHeight, kViewWidth, kViewHeight};

// A photograph stand-in: soft colour gradients, a few blurred discs with edges, and grain, so
// that the file is as large and as slow to decode as a photograph of that size.
inline bool WritePhotoJpeg(const std::filesystem::path& path) {
  CImg image;
  uint32_t* pixels = image.AllocatePixels(kPictureWidth, kPictureHeight);
  if (!pixels) return false;
  constexpr std::array<std::array<int, 3>, 4> kDiscs = {
      {{700, 600, 380}, {2100, 900, 520}, {1400, 1550, 300}, {2600, 1700, 220}}};
  uint32_t noise = 987654321u;
  for (int y = 0; y < kPictureHeight; ++y) {
    for (int x = 0; x < kPictureWidth; ++x) {
      int red = 40 + x * 150 / kPictureWidth;
      int green = 60 + y * 120 / kPictureHeight;
      int blue = 180 - (x + y) * 120 / (kPictureWidth + kPictureHeight);
      for (const auto& disc : kDiscs) {
        const int dx = x - disc[0];
        const int dy = y - disc[1];
        if (dx * dx + dy * dy < disc[2] * disc[2]) {
          red = (red + 255 - dx * 60 / disc[2]) / 2;
          green = green * 3 / 4;
          blue = (blue + dy * 80 / disc[2] + 80) / 2;
        }
      }
      noise = noise * 1664525u + 1013904223u;
      const int grain = static_cast<int>(noise >> 27) - 16;
      const auto channel = [grain](int value) {
        return static_cast<uint32_t>(std::clamp(value + grain, 1, 255));
      };
      pixels[static_cast<std::size_t>(y) * kPictureWidth + static_cast<std::size_t>(x)] =
          channel(red) << 16 | channel(green) << 8 | channel(blue);
    }
  }
  return CJpegWriter(&image).SaveJpeg(path.c_str(), 0, 90, 0) == IMG_OK;
}

// What MakePhotoProgramFolder made.
struct PhotoFolder {
  int gridPieces = 0;
  double jpegBytes = 0;
};

// Writes `photo` and, under `root`, "Puzzles/Photos" with its cover and the puzzle "Harbour"
// made from the photograph with choice 7 and rotation on, its grid given by the fit rule. False
// when any of it cannot be made.
inline bool MakePhotoProgramFolder(const std::filesystem::path& root,
                                   const std::filesystem::path& photo, PhotoFolder& made) {
  namespace fs = std::filesystem;
  const fs::path pack = root / "Puzzles" / "Photos";
  SurfaceService service(PixelFormatInfo::Rgb32());
  const auto loaded =
      WritePhotoJpeg(photo) ? LoadPictureSurface(service, photo.string(), true) : nullptr;
  std::error_code error;
  fs::create_directories(pack, error);
  if (!loaded || error) return false;
  const ChoiceGrid grid = GridForChoice(kPictureWidth, kPictureHeight, kPlayArea, kSizeChoice);
  NewPuzzle puzzle;
  puzzle.picturePath = photo.string();
  puzzle.picture = loaded.get();
  puzzle.sizeChoice = kSizeChoice;
  puzzle.rotationOn = true;
  puzzle.cols = grid.cols;
  puzzle.rows = grid.rows;
  std::unique_ptr<PuzzleRecord> record;
  if (!grid.Offered() ||
      !WriteNewPuzzleFile(service, (pack / "Harbour.qvx").string(), puzzle, record) ||
      !WritePackCover(*loaded, (pack / "Thumb.jpg").string())) {
    return false;
  }
  made.gridPieces = grid.PieceCount();
  made.jpegBytes = static_cast<double>(fs::file_size(photo, error));
  return !error;
}

}  // namespace photopuzzle
