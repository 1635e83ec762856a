// The new puzzle file, written beside its place and renamed into it.
#include "library/PuzzleFileWriter.h"

#include <limits>

#include "library/FileByteSource.h"
#include "library/FileReplacement.h"
#include "library/FileTimes.h"
#include "library/LittleEndian.h"
#include "library/PuzzleFileParser.h"
#include "library/PuzzleFileReader.h"
#include "library/PuzzlePaths.h"
#include "library/ThumbnailPixels.h"
#include "puzzle/PieceSizeChoice.h"

namespace {

constexpr int kMaxPictureSide = std::numeric_limits<int16_t>::max();

FileStatus CheckNewPuzzle(const NewPuzzle& puzzle, const std::string& extension) {
  if (!puzzle.picture) return FileStatus::Failed("no picture was loaded");
  if (puzzle.picture->Width() > kMaxPictureSide || puzzle.picture->Height() > kMaxPictureSide)
    return FileStatus::Failed("the picture is larger than 32767 pixels");
  if (extension.size() > kExtensionSize - 1)
    return FileStatus::Failed("the picture's extension is longer than four characters");
  if (puzzle.sizeChoice < 0 || puzzle.sizeChoice >= kPieceSizeChoiceCount)
    return FileStatus::Failed("the piece-size choice is not 0..7");
  if (puzzle.cols < 1 || puzzle.rows < 1 ||
      int64_t{puzzle.cols} * puzzle.rows > std::numeric_limits<uint16_t>::max()) {
    return FileStatus::Failed("the grid does not give 1..65535 pieces");
  }
  return FileStatus::Done();
}

// Everything behind the picture: header, thumbnail, extension and trailer.
PuzzleFileContents NewContents(SurfaceService& service, const NewPuzzle& puzzle,
                               const std::string& extension, uint32_t pictureSize) {
  PuzzleFileContents c;
  const ThumbnailSize size = ThumbnailSizeFor(puzzle.picture->Width(), puzzle.picture->Height());
  if (auto thumbnail = MakeThumbnail(service, *puzzle.picture, size))
    c.thumbnailRgb = ThumbnailRgb(*thumbnail);
  // A thumbnail that could not be made is stored black rather than leaving the file unwritten.
  c.thumbnailRgb.resize(static_cast<std::size_t>(size.width) * size.height * 3, 0);
  PuzzleHeader& h = c.header;
  h.pictureWidth = static_cast<uint16_t>(puzzle.picture->Width());
  h.pictureHeight = static_cast<uint16_t>(puzzle.picture->Height());
  h.pieceCount = static_cast<uint16_t>(puzzle.cols * puzzle.rows);
  h.cols = static_cast<uint16_t>(puzzle.cols);
  h.rows = static_cast<uint16_t>(puzzle.rows);
  h.sizeChoice = puzzle.sizeChoice;
  h.rotationOn = puzzle.rotationOn ? 1 : 0;
  h.blackAndWhite = puzzle.blackAndWhite ? 1 : 0;
  h.displayDepth = static_cast<uint32_t>(service.Format().bitsPerPixel);
  h.thumbWidthPx = static_cast<uint32_t>(size.width);
  h.thumbHeightPx = static_cast<uint32_t>(size.height);
  for (std::size_t i = 0; i < extension.size(); ++i) c.pictureExt[i] = extension[i];
  c.pictureSize = pictureSize;
  c.pieceBlockOffset =
      static_cast<uint32_t>(PieceBlockOffset(pictureSize, size.width, size.height));
  c.fileLength = uint64_t{c.pieceBlockOffset} + kTrailerSize;
  return c;
}

std::vector<uint8_t> TailBytes(const PuzzleFileContents& c) {
  std::vector<uint8_t> tail;
  LittleEndianWriter w(tail);
  w.Bytes(EncodeHeader(c.header));
  w.Bytes(c.thumbnailRgb);
  for (char ch : c.pictureExt) w.U8(static_cast<uint8_t>(ch));
  w.U32(c.pieceBlockOffset);
  w.U32(c.pictureSize);
  return tail;
}

}  // namespace

FileStatus WriteNewPuzzleFile(SurfaceService& service, const std::string& path,
                              const NewPuzzle& puzzle, std::unique_ptr<PuzzleRecord>& record) {
  record.reset();
  const std::string extension = ExtensionOf(puzzle.picturePath);
  if (FileStatus status = CheckNewPuzzle(puzzle, extension); !status) return status;
  FileByteSource picture;
  if (FileStatus status = picture.Open(puzzle.picturePath); !status) return status;
  // The trailer holds P in 32 bits, and the piece block's offset must fit there as well.
  if (picture.Length() == 0 || picture.Length() > std::numeric_limits<uint32_t>::max() - 65536)
    return FileStatus::Failed("the picture file " + puzzle.picturePath +
                              " is empty or too large for a puzzle file");
  const auto pictureSize = static_cast<uint32_t>(picture.Length());
  const PuzzleFileContents contents = NewContents(service, puzzle, extension, pictureSize);
  FileReplacement file(path);
  FileStatus status = file.Begin();
  if (status) status = file.CopyFrom(picture, pictureSize);
  if (status) status = file.Write(TailBytes(contents));
  if (status) status = file.Commit(-1);
  if (!status) return status;
  record = BuildPuzzleRecord(service, contents, path);
  FileByteSource written;
  if (written.Open(path)) {
    record->createdLow = LowWord(written.ModifiedTime());
    record->createdHigh = HighWord(written.ModifiedTime());
  }
  return FileStatus::Done();
}
