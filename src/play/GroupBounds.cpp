// Group bounds and rectangle unions.
#include "play/GroupBounds.h"

#include <algorithm>

#include "puzzle/Piece.h"

std::optional<Rect> GroupBounds(const PieceGroup* group, bool usePrevious) {
  if (group == nullptr || group->pieces.empty()) return std::nullopt;
  std::optional<Rect> bounds;
  for (const Piece* piece : group->pieces) {
    const int x = usePrevious ? piece->prevX : piece->x;
    const int y = usePrevious ? piece->prevY : piece->y;
    const Rect rect = Rect::FromSize(x, y, piece->imageWidth, piece->imageHeight);
    bounds = bounds ? RectUnion(*bounds, rect) : rect;
  }
  return bounds;
}

Rect RectUnion(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Rect WithShadowRoom(const Rect& rect) {
  return {rect.left, rect.top, rect.right + kShadowRoom, rect.bottom + kShadowRoom};
}
