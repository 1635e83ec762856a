// Capturing the field, finding what an action changed, and carrying the change back and forth.
#include "play/FieldChange.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <tuple>

namespace {

using Place = FieldCapture::Place;

uint8_t OpenBits(const CornerBoxes& boxes) {
  uint8_t bits = 0;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (boxes[i].open) bits = static_cast<uint8_t>(bits | 1u << i);
  }
  return bits;
}

// For each piece index, the position of the group it is the first piece of, or -1.
std::vector<int32_t> GroupPositionsByKey(const FieldCapture& capture) {
  std::vector<int32_t> positions(capture.places.size(), -1);
  for (std::size_t i = 0; i < capture.groups.size(); ++i) {
    positions[capture.groups[i].key] = static_cast<int32_t>(i);
  }
  return positions;
}

// The amounts one piece changed by, in the order runs are sorted.
auto DeltaOf(const Place& before, const Place& after) {
  return std::make_tuple(after.x - before.x, after.y - before.y, after.prevX - before.prevX,
                         after.prevY - before.prevY,
                         static_cast<uint8_t>((after.rotation - before.rotation) & 3));
}

PieceGroup* GroupInOrder(PuzzleRecord& puzzle, const Piece* first) {
  for (const auto& group : puzzle.groups) {
    if (!group->pieces.empty() && group->pieces.front() == first) return group.get();
  }
  return nullptr;
}

}  // namespace

PieceIndex IndexPieces(const PuzzleRecord& puzzle) {
  PieceIndex index;
  if (puzzle.pieces.size() > kMostIndexedPieces) return index;
  index.reserve(puzzle.pieces.size());
  for (std::size_t i = 0; i < puzzle.pieces.size(); ++i) {
    index.emplace(puzzle.pieces[i].get(), static_cast<uint16_t>(i));
  }
  return index;
}

FieldCapture CaptureField(const CornerBoxes& boxes, const PuzzleRecord& puzzle,
                          const PieceIndex& index) {
  FieldCapture capture;
  capture.places.reserve(puzzle.pieces.size());
  for (const auto& piece : puzzle.pieces) {
    capture.places.push_back({piece->x, piece->y, piece->prevX, piece->prevY, piece->rotation});
  }
  capture.groups.reserve(puzzle.groups.size());
  capture.ids.reserve(puzzle.pieces.size());
  for (const auto& group : puzzle.groups) {
    FieldCapture::Group shape{0, group->box, static_cast<uint32_t>(capture.ids.size()),
                              static_cast<uint32_t>(group->pieces.size())};
    for (const Piece* piece : group->pieces) capture.ids.push_back(index.at(piece));
    if (shape.count > 0) shape.key = capture.ids[shape.first];
    capture.groups.push_back(shape);
  }
  capture.boxesOpen = OpenBits(boxes);
  capture.solvedPercent = puzzle.solvedPercent;
  return capture;
}

FieldChange::FieldChange(const FieldCapture& before, const FieldCapture& after)
    : boxesOpen_{before.boxesOpen, after.boxesOpen},
      solvedPercent_{before.solvedPercent, after.solvedPercent} {
  DiffPieces(before, after);
  DiffOrder(before, after);
  DiffMembers(before, after);
  runs_.shrink_to_fit();
  for (auto& slots : slots_) slots.shrink_to_fit();
  edits_.shrink_to_fit();
  ids_.shrink_to_fit();
}

// Changed pieces sorted by what changed, so a group moved as one is one run.
void FieldChange::DiffPieces(const FieldCapture& before, const FieldCapture& after) {
  using Delta = decltype(DeltaOf(Place{}, Place{}));
  std::vector<std::pair<Delta, uint16_t>> changed;
  for (std::size_t i = 0; i < before.places.size(); ++i) {
    if (before.places[i] == after.places[i]) continue;
    changed.emplace_back(DeltaOf(before.places[i], after.places[i]), static_cast<uint16_t>(i));
  }
  std::sort(changed.begin(), changed.end());
  for (std::size_t i = 0; i < changed.size(); ++i) {
    if (i == 0 || changed[i].first != changed[i - 1].first) {
      const auto [dx, dy, dPrevX, dPrevY, turns] = changed[i].first;
      runs_.push_back({dx, dy, dPrevX, dPrevY, turns, static_cast<uint32_t>(ids_.size()), 0});
    }
    ids_.push_back(changed[i].second);
    ++runs_.back().count;
  }
}

// The groups that keep their relative order, walked in the order after, stay; every other
// group of either side is a slot of that side.
void FieldChange::DiffOrder(const FieldCapture& before, const FieldCapture& after) {
  const std::vector<int32_t> beforeAt = GroupPositionsByKey(before);
  std::vector<bool> stays(before.groups.size(), false);
  int32_t last = -1;
  for (std::size_t j = 0; j < after.groups.size(); ++j) {
    const uint16_t key = after.groups[j].key;
    const int32_t i = beforeAt[key];
    if (i > last) {
      last = i;
      stays[static_cast<std::size_t>(i)] = true;
    } else {
      slots_[kAfter].push_back({static_cast<uint32_t>(j), key});
    }
  }
  for (std::size_t i = 0; i < before.groups.size(); ++i) {
    if (!stays[i]) slots_[kBefore].push_back({static_cast<uint32_t>(i), before.groups[i].key});
  }
}

void FieldChange::DiffMembers(const FieldCapture& before, const FieldCapture& after) {
  const std::vector<int32_t> afterAt = GroupPositionsByKey(after);
  const std::vector<int32_t> beforeAt = GroupPositionsByKey(before);
  const auto tail = [this](const FieldCapture& side, const FieldCapture::Group* group,
                           uint32_t prefix, int s, GroupEdit& edit) {
    edit.tailFirst[static_cast<std::size_t>(s)] = static_cast<uint32_t>(ids_.size());
    if (group == nullptr) return;
    const auto from = side.ids.begin() + group->first;
    ids_.insert(ids_.end(), from + prefix, from + group->count);
    edit.tailCount[static_cast<std::size_t>(s)] = group->count - prefix;
    edit.exists[static_cast<std::size_t>(s)] = true;
    edit.box[static_cast<std::size_t>(s)] = group->box;
  };
  for (const FieldCapture::Group& old : before.groups) {
    const int32_t j = afterAt[old.key];
    const FieldCapture::Group* now = j >= 0 ? &after.groups[static_cast<std::size_t>(j)] : nullptr;
    uint32_t prefix = 0;
    if (now != nullptr) {
      const auto oldIds = before.ids.begin() + old.first;
      const auto newIds = after.ids.begin() + now->first;
      const uint32_t common = std::min(old.count, now->count);
      while (prefix < common && oldIds[prefix] == newIds[prefix]) ++prefix;
      if (prefix == old.count && prefix == now->count && old.box == now->box) continue;
    }
    GroupEdit edit{old.key, {}, {}, prefix, {}, {}};
    tail(before, &old, prefix, kBefore, edit);
    tail(after, now, prefix, kAfter, edit);
    edits_.push_back(edit);
  }
  for (const FieldCapture::Group& made : after.groups) {
    if (beforeAt[made.key] >= 0) continue;
    GroupEdit edit{made.key, {}, {}, 0, {}, {}};
    tail(before, nullptr, 0, kBefore, edit);
    tail(after, &made, 0, kAfter, edit);
    edits_.push_back(edit);
  }
}

bool FieldChange::Empty() const {
  return runs_.empty() && slots_[kBefore].empty() && slots_[kAfter].empty() && edits_.empty() &&
         boxesOpen_[kBefore] == boxesOpen_[kAfter] &&
         solvedPercent_[kBefore] == solvedPercent_[kAfter];
}

std::size_t FieldChange::Bytes() const {
  return sizeof(*this) + runs_.capacity() * sizeof(PieceRun) +
         (slots_[0].capacity() + slots_[1].capacity()) * sizeof(Slot) +
         edits_.capacity() * sizeof(GroupEdit) + ids_.capacity() * sizeof(uint16_t);
}

void FieldChange::MovePieces(int sign, PuzzleRecord& puzzle) const {
  for (const PieceRun& run : runs_) {
    for (uint32_t i = run.first; i < run.first + run.count; ++i) {
      Piece& piece = *puzzle.pieces[ids_[i]];
      piece.x += sign * run.dx;
      piece.y += sign * run.dy;
      piece.prevX += sign * run.dPrevX;
      piece.prevY += sign * run.dPrevY;
      piece.rotation = (piece.rotation + sign * run.turns) & 3;
    }
  }
}

void FieldChange::Apply(int from, int to, CornerBoxes& boxes, PuzzleRecord& puzzle) const {
  const auto side = [](int s) { return static_cast<std::size_t>(s); };
  MovePieces(to == kAfter ? 1 : -1, puzzle);
  // Taken out from the back, so the positions still to come keep their meaning.
  std::unordered_map<uint16_t, std::unique_ptr<PieceGroup>> taken;
  const std::vector<Slot>& out = slots_[side(from)];
  for (auto slot = out.rbegin(); slot != out.rend(); ++slot) {
    const auto at = std::next(puzzle.groups.begin(), static_cast<std::ptrdiff_t>(slot->position));
    taken[slot->key] = std::move(*at);
    puzzle.groups.erase(at);
  }
  for (const GroupEdit& edit : edits_) {
    if (!edit.exists[side(to)]) continue;  // taken out above and never put back
    PieceGroup* group = nullptr;
    if (!edit.exists[side(from)]) {
      taken[edit.key] = std::make_unique<PieceGroup>();
      group = taken[edit.key].get();
    } else if (const auto found = taken.find(edit.key); found != taken.end()) {
      group = found->second.get();
    } else {
      group = GroupInOrder(puzzle, puzzle.pieces[edit.key].get());
    }
    // Only a field changed behind the history's back lacks the group; it is left as it is.
    if (group == nullptr) continue;
    group->box = edit.box[side(to)];
    group->pieces.resize(edit.prefix);
    const uint32_t first = edit.tailFirst[side(to)];
    for (uint32_t i = first; i < first + edit.tailCount[side(to)]; ++i) {
      group->pieces.push_back(puzzle.pieces[ids_[i]].get());
    }
  }
  for (const Slot& slot : slots_[side(to)]) {
    puzzle.groups.insert(
        std::next(puzzle.groups.begin(), static_cast<std::ptrdiff_t>(slot.position)),
        std::move(taken[slot.key]));
  }
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    boxes[i].open = (boxesOpen_[side(to)] >> i & 1u) != 0;
    boxes[i].highlighted = false;
  }
  puzzle.solvedPercent = solvedPercent_[side(to)];
  puzzle.draggedGroup = nullptr;
}
