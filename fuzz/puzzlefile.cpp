// Fuzz target: reading a puzzle file (trailer, header, thumbnail, extension, saved game) and
// building its record with thumbnail surfaces, from arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "library/ByteSource.h"
#include "library/PuzzleFileParser.h"
#include "library/PuzzleFileReader.h"
#include "surface/PixelFormat.h"
#include "surface/SurfaceService.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so that a read past the end of the file shows.
  std::unique_ptr<uint8_t[]> bytes(new uint8_t[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  MemoryByteSource source(std::span<const uint8_t>(bytes.get(), size));
  PuzzleFileContents contents;
  if (!ParsePuzzleFile(source, contents)) return 0;
  // What an accepted file promises: the layout adds up, the saved game fits the puzzle.
  const uint64_t thumbBytes =
      uint64_t{contents.header.thumbWidthPx} * contents.header.thumbHeightPx * 3;
  if (contents.pieceBlockOffset != contents.pictureSize + 82 + thumbBytes ||
      contents.pieceBlockOffset + 8 > size || contents.thumbnailRgb.size() != thumbBytes ||
      (contents.hasSavedGame && contents.savedGame.pieces.size() != contents.header.pieceCount)) {
    __builtin_trap();
  }
  static SurfaceService service(PixelFormatInfo::Rgb565());
  const auto record = BuildPuzzleRecord(service, contents, "fuzz/input.qvx");
  for (const auto& group : record->savedGroups) {
    for (const Piece* piece : group->pieces) {
      if (piece->id < 0 || static_cast<std::size_t>(piece->id) >= record->savedPieces.size())
        __builtin_trap();
    }
  }
  return 0;
}
