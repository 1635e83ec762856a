// Encoding and decoding the header field by field, little-endian.
#include "library/PuzzleHeader.h"

#include <algorithm>
#include <vector>

#include "library/LittleEndian.h"

HeaderBytes EncodeHeader(const PuzzleHeader& h) {
  std::vector<uint8_t> out;
  out.reserve(kHeaderSize);
  LittleEndianWriter w(out);
  w.Bytes(h.magic);
  w.I32(h.cellLeft);
  w.I32(h.cellTop);
  w.U16(h.pictureWidth);
  w.U16(h.pictureHeight);
  w.U8(h.solvedPercent);
  w.U16(h.pieceCount);
  w.U16(h.cols);
  w.U16(h.rows);
  w.U16(h.hours);
  w.U16(h.minutes);
  w.U16(h.seconds);
  w.I32(h.sizeChoice);
  w.U8(h.rotationOn);
  w.U8(h.blackAndWhite);
  w.Bytes(h.boxOpen);
  w.U8(h.ghostShown);
  w.U8(h.thumbnailShown);
  w.I32(h.thumbLeft);
  w.I32(h.thumbTop);
  w.I32(h.thumbWidth);
  w.I32(h.thumbHeight);
  w.I32(h.screenHeight);
  w.I32(h.screenWidth);
  w.U32(h.displayDepth);
  w.U32(h.thumbWidthPx);
  w.U32(h.thumbHeightPx);
  HeaderBytes bytes{};
  std::copy(out.begin(), out.end(), bytes.begin());
  return bytes;
}

PuzzleHeader DecodeHeader(std::span<const uint8_t, kHeaderSize> bytes) {
  LittleEndianReader r(bytes);
  PuzzleHeader h;
  r.Bytes(h.magic.data(), h.magic.size());
  h.cellLeft = r.I32();
  h.cellTop = r.I32();
  h.pictureWidth = r.U16();
  h.pictureHeight = r.U16();
  h.solvedPercent = r.U8();
  h.pieceCount = r.U16();
  h.cols = r.U16();
  h.rows = r.U16();
  h.hours = r.U16();
  h.minutes = r.U16();
  h.seconds = r.U16();
  h.sizeChoice = r.I32();
  h.rotationOn = r.U8();
  h.blackAndWhite = r.U8();
  r.Bytes(h.boxOpen.data(), h.boxOpen.size());
  h.ghostShown = r.U8();
  h.thumbnailShown = r.U8();
  h.thumbLeft = r.I32();
  h.thumbTop = r.I32();
  h.thumbWidth = r.I32();
  h.thumbHeight = r.I32();
  h.screenHeight = r.I32();
  h.screenWidth = r.I32();
  h.displayDepth = r.U32();
  h.thumbWidthPx = r.U32();
  h.thumbHeightPx = r.U32();
  return h;
}

// The record keeps the picture size and piece count as signed 16-bit values; the file's
// unsigned values are carried over bit for bit and written back the same way.
void ApplyHeader(const PuzzleHeader& h, PuzzleRecord& record) {
  record.cellLeft = h.cellLeft;
  record.cellTop = h.cellTop;
  record.pictureWidth = static_cast<int16_t>(h.pictureWidth);
  record.pictureHeight = static_cast<int16_t>(h.pictureHeight);
  record.solvedPercent = h.solvedPercent;
  record.pieceCount = static_cast<int16_t>(h.pieceCount);
  record.cols = h.cols;
  record.rows = h.rows;
  record.hours = h.hours;
  record.minutes = h.minutes;
  record.seconds = h.seconds;
  record.sizeChoice = h.sizeChoice;
  record.rotationOn = h.rotationOn;
  record.blackAndWhite = h.blackAndWhite;
  record.boxOpen = h.boxOpen;
  record.ghostShown = h.ghostShown;
  record.thumbnailShown = h.thumbnailShown;
  record.thumbLeft = h.thumbLeft;
  record.thumbTop = h.thumbTop;
  record.thumbWidth = h.thumbWidth;
  record.thumbHeight = h.thumbHeight;
  record.screenHeight = h.screenHeight;
  record.screenWidth = h.screenWidth;
  record.thumbWidthPx = static_cast<int32_t>(h.thumbWidthPx);
  record.thumbHeightPx = static_cast<int32_t>(h.thumbHeightPx);
}

void TakeUpdatedFields(const PuzzleRecord& record, PuzzleHeader& h) {
  h.cellLeft = record.cellLeft;
  h.cellTop = record.cellTop;
  h.solvedPercent = record.solvedPercent;
  h.pieceCount = static_cast<uint16_t>(record.pieceCount);
  h.cols = record.cols;
  h.rows = record.rows;
  h.hours = record.hours;
  h.minutes = record.minutes;
  h.seconds = record.seconds;
  h.sizeChoice = record.sizeChoice;
  h.rotationOn = record.rotationOn;
  h.blackAndWhite = record.blackAndWhite;
  h.boxOpen = record.boxOpen;
  h.ghostShown = record.ghostShown;
  h.thumbnailShown = record.thumbnailShown;
  h.thumbLeft = record.thumbLeft;
  h.thumbTop = record.thumbTop;
  h.thumbWidth = record.thumbWidth;
  h.thumbHeight = record.thumbHeight;
  h.screenHeight = record.screenHeight;
  h.screenWidth = record.screenWidth;
}
