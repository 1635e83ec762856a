// The drop limits.
#include "play/DropLimit.h"

#include "play/Dragging.h"
#include "play/GroupBounds.h"

namespace {

constexpr int kKeepInside = 32;

// The shift along one axis: the near rule first, overridden by the far rule.
int AxisShift(int low, int high, int limitLow, int limitHigh, int half) {
  int shift = 0;
  if (high < limitLow + half + kKeepInside) shift = limitLow + half + kKeepInside - high;
  if (low > limitHigh - half - kKeepInside) shift = limitHigh - half - kKeepInside - low;
  return shift;
}

}  // namespace

ClientPoint DropShift(const Rect& bounds, const Rect& limit, int halfWidth, int halfHeight) {
  return {AxisShift(bounds.left, bounds.right, limit.left, limit.right, halfWidth),
          AxisShift(bounds.top, bounds.bottom, limit.top, limit.bottom, halfHeight)};
}

void KeepGroupInside(const PlayState& state, PieceGroup& group) {
  const auto bounds = GroupBounds(&group);
  if (!bounds) return;
  const bool boxed = group.box >= 1 && group.box <= kCornerBoxCount;
  const Rect& limit =
      boxed ? state.boxes[static_cast<std::size_t>(group.box - 1)].openRect : state.client;
  const Piece& first = *group.pieces.front();
  const ClientPoint shift =
      DropShift(WithShadowRoom(*bounds), limit, first.imageWidth / 2, first.imageHeight / 2);
  MoveGroup(group, shift.x, shift.y);
}
