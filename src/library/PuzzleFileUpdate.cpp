// The header update and the piece-block save.
#include "library/PuzzleFileUpdate.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "library/FdWrite.h"
#include "library/FileByteSource.h"
#include "library/FileReplacement.h"
#include "library/FileTimes.h"
#include "library/LittleEndian.h"
#include "library/PuzzleHeader.h"
#include "library/SavedGame.h"

namespace {

// Opens the record's file and makes sure it is still the file the record was read from: its
// trailer gives the record's B and P and the header lies in front of B.
FileStatus OpenMatching(const PuzzleRecord& record, FileByteSource& source) {
  if (FileStatus status = source.Open(record.filePath); !status) return status;
  const auto b = static_cast<uint32_t>(record.pieceBlockOffset);
  const auto p = static_cast<uint32_t>(record.pictureSize);
  std::array<uint8_t, kTrailerSize> trailer{};
  const bool fits = p > 0 && uint64_t{p} + kHeaderSize <= b &&
                    uint64_t{b} + kTrailerSize <= source.Length() &&
                    source.ReadAt(source.Length() - kTrailerSize, trailer);
  LittleEndianReader r(trailer);
  if (!fits || r.U32() != b || r.U32() != p)
    return FileStatus::Failed(record.filePath + " no longer matches its puzzle");
  return FileStatus::Done();
}

FileStatus WriteHeaderRanges(const PuzzleRecord& record, const HeaderBytes& bytes,
                             const KeptFileTimes& times) {
  const int fd = open(record.filePath.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0)
    return FileStatus::Failed("cannot open " + record.filePath + ": " + std::strerror(errno));
  const uint64_t header = static_cast<uint32_t>(record.pictureSize);
  bool written = true;
  for (const auto& [from, to] : kUpdatedHeaderRanges)
    written = written && WriteAllAt(fd, std::span(bytes).subspan(from, to - from), header + from);
  written = written && fdatasync(fd) == 0;
  std::string error = written ? "" : std::strerror(errno);
  times.PutBack(fd);
  if (close(fd) != 0 && written) {
    written = false;
    error = std::strerror(errno);
  }
  if (!written)
    return FileStatus::Failed("cannot write the header of " + record.filePath + ": " + error);
  return FileStatus::Done();
}

// The header the record gives the file: the file's own header bytes with the updated fields
// taken from the record.
FileStatus RecordHeader(const PuzzleRecord& record, FileByteSource& source, HeaderBytes& old,
                        HeaderBytes& updated) {
  if (!source.ReadAt(static_cast<uint32_t>(record.pictureSize), old))
    return FileStatus::Failed("cannot read the header of " + record.filePath);
  PuzzleHeader header = DecodeHeader(old);
  TakeUpdatedFields(record, header);
  const HeaderBytes encoded = EncodeHeader(header);
  updated = old;
  for (const auto& [from, to] : kUpdatedHeaderRanges)
    std::copy(encoded.begin() + from, encoded.begin() + to, updated.begin() + from);
  return FileStatus::Done();
}

// The rename needs only the folder's rights; a file the player may not write is still not
// replaced.
FileStatus CheckWritable(const std::string& path) {
  if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
    return FileStatus::Failed("cannot write " + path + ": " + std::strerror(errno));
  return FileStatus::Done();
}

// Writes the file anew beside the old one: its picture, the record's header, the bytes up to B,
// then `tail` and the trailer. The one rename commits the header and the piece block together.
FileStatus ReplaceTail(const PuzzleRecord& record, FileByteSource& source,
                       std::vector<uint8_t> tail) {
  if (FileStatus status = CheckWritable(record.filePath); !status) return status;
  HeaderBytes old{}, header{};
  if (FileStatus status = RecordHeader(record, source, old, header); !status) return status;
  const auto p = static_cast<uint32_t>(record.pictureSize);
  const auto b = static_cast<uint32_t>(record.pieceBlockOffset);
  LittleEndianWriter w(tail);
  w.U32(b);
  w.U32(p);
  FileReplacement file(record.filePath);
  FileStatus status = file.Begin();
  if (status) status = file.CopyFrom(source, p);
  if (status) status = file.Write(header);
  if (status) status = file.CopyRange(source, uint64_t{p} + kHeaderSize, b - p - kHeaderSize);
  if (status) status = file.Write(tail);
  if (status) status = file.Commit(source.Descriptor());
  return status;
}

}  // namespace

FileStatus UpdatePuzzleHeader(const PuzzleRecord& record) {
  FileByteSource source;
  if (FileStatus status = OpenMatching(record, source); !status) return status;
  HeaderBytes old{}, updated{};
  if (FileStatus status = RecordHeader(record, source, old, updated); !status) return status;
  if (updated == old) return FileStatus::Done();
  // The record holds no game while the file does: the game was discarded in memory by a reset
  // the file could not follow, and its header must not go without it.
  const bool fileHasGame =
      source.Length() > static_cast<uint32_t>(record.pieceBlockOffset) + kTrailerSize;
  if (fileHasGame && record.pieces.empty() && record.savedPieces.empty())
    return ReplaceTail(record, source, {});
  KeptFileTimes times;
  times.Take(source.Descriptor());
  return WriteHeaderRanges(record, updated, times);
}

FileStatus SavePieceBlock(const PuzzleRecord& record) {
  if (record.pieces.empty()) return FileStatus::Failed(record.filePath + " has no game to save");
  FileByteSource source;
  if (FileStatus status = OpenMatching(record, source); !status) return status;
  std::vector<uint8_t> tail;
  if (FileStatus status = EncodePieceBlock(record, tail); !status) return status;
  return ReplaceTail(record, source, tail);
}

FileStatus DiscardPieceBlock(const PuzzleRecord& record) {
  FileByteSource source;
  if (FileStatus status = OpenMatching(record, source); !status) return status;
  if (source.Length() == static_cast<uint32_t>(record.pieceBlockOffset) + kTrailerSize)
    return UpdatePuzzleHeader(record);
  return ReplaceTail(record, source, {});
}
