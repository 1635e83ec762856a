// The checks that stand between a puzzle file's bytes and the puzzle record.
#include "library/PuzzleFileParser.h"

#include <algorithm>
#include <span>

#include "library/LittleEndian.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

std::string Number(uint64_t v) {
  return std::to_string(v);
}

FileStatus ReadTrailer(ByteSource& source, PuzzleFileContents& c) {
  c.fileLength = source.Length();
  if (c.fileLength < kTrailerSize)
    return FileStatus::Failed("the file is shorter than its trailer");
  std::array<uint8_t, kTrailerSize> trailer{};
  if (!source.ReadAt(c.fileLength - kTrailerSize, trailer))
    return FileStatus::Failed("the trailer cannot be read");
  LittleEndianReader r(trailer);
  c.pieceBlockOffset = r.U32();
  c.pictureSize = r.U32();
  if (c.pictureSize == 0) return FileStatus::Failed("the trailer gives a picture of 0 bytes");
  // Between P and B lie the header, a thumbnail of 1 x 1 to 100 x 100 pixels and the extension.
  const uint64_t start = c.pictureSize;
  const uint64_t end = c.pieceBlockOffset;
  if (end < PieceBlockOffset(start, 1, 1) ||
      end > PieceBlockOffset(start, kMaxThumbSide, kMaxThumbSide)) {
    return FileStatus::Failed("the trailer puts the picture's end at " + Number(start) +
                              " and the piece block at " + Number(end) +
                              ", which no header and thumbnail fill");
  }
  if (end > c.fileLength - kTrailerSize)
    return FileStatus::Failed(
        "the header and thumbnail run past the trailer: the file is cut short");
  return FileStatus::Done();
}

FileStatus CheckLayout(const PuzzleFileContents& c) {
  const uint32_t w = c.header.thumbWidthPx;
  const uint32_t h = c.header.thumbHeightPx;
  if (w < 1 || w > kMaxThumbSide || h < 1 || h > kMaxThumbSide)
    return FileStatus::Failed("the thumbnail size " + Number(w) + " x " + Number(h) +
                              " is outside 1..100");
  const uint64_t expected = PieceBlockOffset(c.pictureSize, w, h);
  if (c.pieceBlockOffset != expected)
    return FileStatus::Failed("the trailer puts the piece block at " + Number(c.pieceBlockOffset) +
                              ", the header at " + Number(expected));
  if (c.header.sizeChoice < 0 || c.header.sizeChoice >= kPieceSizeChoiceCount)
    return FileStatus::Failed("the piece-size choice " + std::to_string(c.header.sizeChoice) +
                              " is not 0..7");
  return FileStatus::Done();
}

// The extension names the picture's type when the picture is opened, so it must be a plain
// extension: at most four characters, then NUL, with no folder separators or control bytes.
FileStatus TakeExtension(std::span<const uint8_t> field, PuzzleFileContents& c) {
  const auto end = std::find(field.begin(), field.end(), uint8_t{0});
  if (end == field.end()) return FileStatus::Failed("the picture extension is not NUL-terminated");
  for (auto at = field.begin(); at != end; ++at) {
    if (*at < 0x20 || *at == 0x7F || *at == '/' || *at == '\\')
      return FileStatus::Failed("the picture extension holds a byte no extension has");
    c.pictureExt[static_cast<std::size_t>(at - field.begin())] = static_cast<char>(*at);
  }
  return FileStatus::Done();
}

// Header, thumbnail and extension come in one read: the trailer already bounds them.
FileStatus ReadHeaderAndThumbnail(ByteSource& source, PuzzleFileContents& c) {
  std::vector<uint8_t> bytes(c.pieceBlockOffset - c.pictureSize);
  if (!source.ReadAt(c.pictureSize, bytes))
    return FileStatus::Failed("the header and thumbnail cannot be read");
  c.header = DecodeHeader(std::span(bytes).first<kHeaderSize>());
  if (FileStatus status = CheckLayout(c); !status) return status;
  if (FileStatus status = TakeExtension(std::span(bytes).last(kExtensionSize), c); !status)
    return status;
  c.thumbnailRgb.assign(bytes.begin() + kHeaderSize, bytes.end() - kExtensionSize);
  return FileStatus::Done();
}

FileStatus ReadSavedGame(ByteSource& source, PuzzleFileContents& c) {
  const uint64_t blockLength = c.fileLength - kTrailerSize - c.pieceBlockOffset;
  if (blockLength == 0) return FileStatus::Done();
  if (blockLength > kMaxPieceBlockSize) {
    c.droppedGame = "the piece block is longer than any saved game";
    return FileStatus::Done();
  }
  std::vector<uint8_t> block(static_cast<std::size_t>(blockLength));
  if (!source.ReadAt(c.pieceBlockOffset, block))
    return FileStatus::Failed("the piece block cannot be read");
  SavedGame game;
  switch (ParsePieceBlock(block, game)) {
    case PieceBlockShape::CutShort:
      return FileStatus::Failed("the piece block runs past the trailer: the file is cut short");
    case PieceBlockShape::TrailingBytes:
      c.droppedGame = "bytes follow the piece block's last group";
      return FileStatus::Done();
    case PieceBlockShape::Whole:
      break;
  }
  if (c.header.pieceCount == 0) {
    c.droppedGame = "the puzzle has no pieces";
    return FileStatus::Done();
  }
  c.droppedGame = SavedGameFault(game, c.header.pieceCount, c.header.rotationOn != 0);
  if (c.droppedGame.empty()) {
    c.savedGame = std::move(game);
    c.hasSavedGame = true;
  }
  return FileStatus::Done();
}

}  // namespace

FileStatus ParsePuzzleFile(ByteSource& source, PuzzleFileContents& contents) {
  contents = {};
  if (FileStatus status = ReadTrailer(source, contents); !status) return status;
  if (FileStatus status = ReadHeaderAndThumbnail(source, contents); !status) return status;
  return ReadSavedGame(source, contents);
}
