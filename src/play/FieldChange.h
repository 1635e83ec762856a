// One change the player made to the play field, kept as differences so it can be taken back and
// made again: the pieces that moved or turned, the groups that joined, moved in the drawing order
// or changed box, the boxes opened or closed and the solved share.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "play/CornerBox.h"
#include "puzzle/PuzzleRecord.h"

// Pieces are named by their place in the record's piece list; a puzzle holds fewer than 65536.
using PieceIndex = std::unordered_map<const Piece*, uint16_t>;
inline constexpr std::size_t kMostIndexedPieces = 65535;

// Every piece of the record by its place in the piece list (empty for too many pieces).
PieceIndex IndexPieces(const PuzzleRecord& puzzle);

// The whole field at one moment. Taken before an action and compared with the field after it;
// only the differences are kept.
struct FieldCapture {
  struct Place {
    int32_t x = 0, y = 0, prevX = 0, prevY = 0, rotation = 0;
    bool operator==(const Place&) const = default;
  };
  // A group in drawing order; its members are ids[first, first + count), its key the first.
  struct Group {
    uint16_t key = 0;
    int32_t box = 0;
    uint32_t first = 0;
    uint32_t count = 0;
  };
  std::vector<Place> places;  // by piece index
  std::vector<Group> groups;
  std::vector<uint16_t> ids;
  uint8_t boxesOpen = 0;  // bit n - 1 for box n
  uint8_t solvedPercent = 0;
};

FieldCapture CaptureField(const CornerBoxes& boxes, const PuzzleRecord& puzzle,
                          const PieceIndex& index);

// The difference between two captures of the same puzzle. Groups are known by their first piece,
// which no join changes. Groups that kept their relative drawing order stay where they are; the
// others are taken out and put in again at their places, so a drop that brings one group to the
// front stores two places, not the whole order. A group's members are stored from the first one
// that differs, so a join stores the pieces that joined, not the group they joined.
class FieldChange {
 public:
  FieldChange(const FieldCapture& before, const FieldCapture& after);

  bool Empty() const;
  // Back to the field before (Undo) or again to the field after (Redo). The field must be as
  // the other side left it; no group is held.
  void Undo(CornerBoxes& boxes, PuzzleRecord& puzzle) const {
    Apply(kAfter, kBefore, boxes, puzzle);
  }
  void Redo(CornerBoxes& boxes, PuzzleRecord& puzzle) const {
    Apply(kBefore, kAfter, boxes, puzzle);
  }
  // The memory the change holds, its own size included.
  std::size_t Bytes() const;

 private:
  static constexpr int kBefore = 0;
  static constexpr int kAfter = 1;

  // Pieces whose place changed by the same amounts: members ids_[first, first + count).
  struct PieceRun {
    int32_t dx = 0, dy = 0, dPrevX = 0, dPrevY = 0;
    uint8_t turns = 0;  // quarter turns clockwise, 0 to 3
    uint32_t first = 0;
    uint32_t count = 0;
  };
  // A group taken out of or put into the drawing order at `position`.
  struct Slot {
    uint32_t position = 0;
    uint16_t key = 0;
  };
  // A group whose members or box differ, or that exists on one side only. Both sides share the
  // first `prefix` members; each side's rest is ids_[tailFirst[s], tailFirst[s] + tailCount[s]).
  struct GroupEdit {
    uint16_t key = 0;
    std::array<bool, 2> exists = {};
    std::array<int32_t, 2> box = {};
    uint32_t prefix = 0;
    std::array<uint32_t, 2> tailFirst = {};
    std::array<uint32_t, 2> tailCount = {};
  };

  void DiffPieces(const FieldCapture& before, const FieldCapture& after);
  void DiffOrder(const FieldCapture& before, const FieldCapture& after);
  void DiffMembers(const FieldCapture& before, const FieldCapture& after);
  void MovePieces(int sign, PuzzleRecord& puzzle) const;
  void Apply(int from, int to, CornerBoxes& boxes, PuzzleRecord& puzzle) const;

  std::vector<PieceRun> runs_;
  std::array<std::vector<Slot>, 2> slots_;
  std::vector<GroupEdit> edits_;
  std::vector<uint16_t> ids_;
  std::array<uint8_t, 2> boxesOpen_ = {};
  std::array<uint8_t, 2> solvedPercent_ = {};
};
