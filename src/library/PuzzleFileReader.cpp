// Turning a parsed puzzle file into a puzzle record.
#include "library/PuzzleFileReader.h"

#include "library/FileByteSource.h"
#include "library/FileTimes.h"
#include "library/PuzzlePaths.h"
#include "library/ThumbnailPixels.h"
#include "surface/Blit.h"

FileStatus ReadPuzzleFile(SurfaceService& service, const std::string& path,
                          std::unique_ptr<PuzzleRecord>& record, std::string* droppedGame) {
  record.reset();
  FileByteSource source;
  if (FileStatus status = source.Open(path); !status) return status;
  PuzzleFileContents contents;
  if (FileStatus status = ParsePuzzleFile(source, contents); !status) return status;
  record = BuildPuzzleRecord(service, contents, path);
  record->createdLow = LowWord(source.ModifiedTime());
  record->createdHigh = HighWord(source.ModifiedTime());
  if (droppedGame) *droppedGame = contents.droppedGame;
  return FileStatus::Done();
}

std::unique_ptr<PuzzleRecord> BuildPuzzleRecord(SurfaceService& service,
                                                const PuzzleFileContents& contents,
                                                const std::string& path) {
  auto record = std::make_unique<PuzzleRecord>();
  ApplyHeader(contents.header, *record);
  record->filePath = path;
  record->name = PuzzleNameOf(path);
  record->pictureExt = contents.pictureExt;
  record->pictureSize = static_cast<int32_t>(contents.pictureSize);
  record->pieceBlockOffset = static_cast<int32_t>(contents.pieceBlockOffset);
  const int w = record->thumbWidthPx;
  const int h = record->thumbHeightPx;
  record->thumbMaster = ThumbnailFromRgb(service, contents.thumbnailRgb, w, h);
  record->dropShadowMaster = CreateOffscreenSurface(service, w, h, true);
  if (record->dropShadowMaster)
    FillRect(*record->dropShadowMaster, record->dropShadowMaster->Bounds(), 0);
  if (contents.hasSavedGame) StoreSavedGame(contents.savedGame, *record);
  return record;
}
