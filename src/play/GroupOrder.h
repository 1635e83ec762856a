// The drawing order of a puzzle's groups: finding, raising and removing a group.
#pragma once

#include <optional>

#include "puzzle/PuzzleRecord.h"

// The group's index in the group sequence, or nothing when it is not in it.
std::optional<std::size_t> GroupIndex(const PuzzleRecord& puzzle, const PieceGroup* group);

// Moves the group to the end of the sequence (drawn on top, hit first), keeping the order of
// all others. A group not in the sequence is left alone.
void BringToFront(PuzzleRecord& puzzle, const PieceGroup* group);

// Removes the group from the sequence and destroys it; nothing for a group not in it.
void RemoveGroup(PuzzleRecord& puzzle, const PieceGroup* group);
