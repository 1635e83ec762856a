// The screen rectangle a group of pieces covers, and the rectangle helpers of repainting.
#pragma once

#include <optional>

#include "puzzle/PieceGroup.h"
#include "surface/Rect.h"

// Room below and right of a group for the dragged group's shadow (the largest shadow offset).
inline constexpr int kShadowRoom = 8;

// The union of the piece image rectangles at (x, y), or at (prevX, prevY) with usePrevious.
// Nothing for a missing or empty group.
std::optional<Rect> GroupBounds(const PieceGroup* group, bool usePrevious = false);

// The smallest rectangle holding both.
Rect RectUnion(const Rect& a, const Rect& b);

// The rectangle with its right and bottom edges moved out by kShadowRoom.
Rect WithShadowRoom(const Rect& rect);
