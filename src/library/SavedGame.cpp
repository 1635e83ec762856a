// Reading, writing and checking the piece block.
#include "library/SavedGame.h"

#include <limits>

#include "library/LittleEndian.h"

namespace {

constexpr std::size_t kMaxCount = std::numeric_limits<uint16_t>::max();

}  // namespace

PieceBlockShape ParsePieceBlock(std::span<const uint8_t> block, SavedGame& game) {
  LittleEndianReader r(block);
  const uint16_t pieceCount = r.U16();
  // Each count is checked against what is left before anything is reserved for it.
  if (r.Remaining() < std::size_t{pieceCount} * 12) return PieceBlockShape::CutShort;
  game.pieces.resize(pieceCount);
  for (SavedPiece& piece : game.pieces) {
    piece.x = r.I32();
    piece.y = r.I32();
    piece.rotation = r.I32();
  }
  const uint16_t groupCount = r.U16();
  if (!r.Ok() || r.Remaining() < std::size_t{groupCount} * 6) return PieceBlockShape::CutShort;
  game.groups.resize(groupCount);
  for (SavedGroup& group : game.groups) {
    group.box = r.U32();
    const uint16_t memberCount = r.U16();
    if (!r.Ok() || r.Remaining() < std::size_t{memberCount} * 4) return PieceBlockShape::CutShort;
    group.ids.resize(memberCount);
    for (uint32_t& id : group.ids) id = r.U32();
  }
  if (!r.Ok()) return PieceBlockShape::CutShort;
  return r.Remaining() == 0 ? PieceBlockShape::Whole : PieceBlockShape::TrailingBytes;
}

FileStatus EncodePieceBlock(const PuzzleRecord& record, std::vector<uint8_t>& out) {
  if (record.pieces.size() > kMaxCount || record.groups.size() > kMaxCount)
    return FileStatus::Failed("the game has more pieces or groups than a puzzle file holds");
  LittleEndianWriter w(out);
  w.U16(static_cast<uint16_t>(record.pieces.size()));
  for (const auto& piece : record.pieces) {
    w.I32(piece->x);
    w.I32(piece->y);
    w.I32(piece->rotation);
  }
  w.U16(static_cast<uint16_t>(record.groups.size()));
  for (const auto& group : record.groups) {
    if (group->pieces.size() > kMaxCount)
      return FileStatus::Failed("a group has more pieces than a puzzle file holds");
    w.U32(static_cast<uint32_t>(group->box));
    w.U16(static_cast<uint16_t>(group->pieces.size()));
    for (const Piece* piece : group->pieces) w.U32(static_cast<uint32_t>(piece->id));
  }
  return FileStatus::Done();
}

std::string SavedGameFault(const SavedGame& game, uint16_t pieceCount, bool rotationOn) {
  if (game.pieces.size() != pieceCount)
    return "the saved game has " + std::to_string(game.pieces.size()) + " pieces, the puzzle " +
           std::to_string(pieceCount);
  for (const SavedPiece& piece : game.pieces) {
    if (piece.rotation < 0 || piece.rotation > 3 || (!rotationOn && piece.rotation != 0))
      return "a saved piece is turned by " + std::to_string(piece.rotation) + " quarter turns";
  }
  std::vector<bool> grouped(game.pieces.size(), false);
  for (const SavedGroup& group : game.groups) {
    if (group.box > 4) return "a saved group lies in corner box " + std::to_string(group.box);
    if (group.ids.empty()) return "a saved group has no pieces";
    for (uint32_t id : group.ids) {
      if (id >= game.pieces.size())
        return "a saved group names piece " + std::to_string(id) + ", which does not exist";
      if (grouped[id]) return "piece " + std::to_string(id) + " is in two saved groups";
      grouped[id] = true;
    }
  }
  for (std::size_t id = 0; id < grouped.size(); ++id) {
    if (!grouped[id]) return "piece " + std::to_string(id) + " is in no saved group";
  }
  return {};
}

void StoreSavedGame(const SavedGame& game, PuzzleRecord& record) {
  record.savedPieces.clear();
  record.savedGroups.clear();
  record.savedPieces.reserve(game.pieces.size());
  for (std::size_t i = 0; i < game.pieces.size(); ++i) {
    auto piece = std::make_unique<Piece>();
    piece->x = game.pieces[i].x;
    piece->y = game.pieces[i].y;
    piece->rotation = game.pieces[i].rotation;
    piece->id = static_cast<int32_t>(i);
    record.savedPieces.push_back(std::move(piece));
  }
  record.savedGroups.reserve(game.groups.size());
  for (const SavedGroup& saved : game.groups) {
    auto group = std::make_unique<PieceGroup>();
    group->box = static_cast<int32_t>(saved.box);
    group->pieces.reserve(saved.ids.size());
    for (uint32_t id : saved.ids) {
      if (id < record.savedPieces.size()) group->pieces.push_back(record.savedPieces[id].get());
    }
    record.savedGroups.push_back(std::move(group));
  }
}
