// Corner-box geometry, handle clicks and the hover rule.
#include "play/CornerBox.h"

Rect CornerBox::InnerHandle() const {
  const int w = closedRect.Width();
  const int h = closedRect.Height();
  switch (number) {
    case 1:
      return {openRect.right - w, openRect.bottom - h, openRect.right, openRect.bottom};
    case 2:
      return {openRect.left, openRect.bottom - h, openRect.left + w, openRect.bottom};
    case 3:
      return {openRect.left, openRect.top, openRect.left + w, openRect.top + h};
    default:
      return {openRect.right - w, openRect.top, openRect.right, openRect.top + h};
  }
}

CornerBoxes MakeCornerBoxes(const Rect& client) {
  const int l = client.left, t = client.top, r = client.right, b = client.bottom;
  const int s = kBoxHandleSide;
  const int midX = l + (r - l) / 2;
  const int midY = t + (b - t - s) / 2 + s;
  CornerBoxes boxes;
  boxes[0] = {1, {l, t + s, midX, midY}, {l, t + s, l + s, t + 2 * s}};
  boxes[1] = {2, {midX, t + s, r, midY}, {r - s, t + s, r, t + 2 * s}};
  boxes[2] = {3, {midX, midY, r, b}, {r - s, b - s, r, b}};
  boxes[3] = {4, {l, midY, midX, b}, {l, b - s, l + s, b}};
  return boxes;
}

int BoxNumberAt(const CornerBoxes& boxes, ClientPoint point) {
  for (const CornerBox& box : boxes) {
    if (box.VisibleRect().Contains(point.x, point.y)) return box.number;
  }
  return 0;
}

bool HandleClick(CornerBox& box, ClientPoint point, PlayEffects& effects) {
  bool hit = box.closedRect.Contains(point.x, point.y);
  if (box.open) hit = hit || box.InnerHandle().Contains(point.x, point.y);
  if (!hit) return false;
  box.open = !box.open;
  effects.Repaint(box.openRect);
  return true;
}

bool OfferClickToBoxes(CornerBoxes& boxes, ClientPoint point, PlayEffects& effects) {
  for (CornerBox& box : boxes) {
    if (HandleClick(box, point, effects)) return true;
  }
  return false;
}

void HoverBoxes(CornerBoxes& boxes, ClientPoint point, PieceGroup& dragged, PlayEffects& effects) {
  bool held = false;
  for (CornerBox& box : boxes) {
    if (box.VisibleRect().Contains(point.x, point.y)) {
      const bool wasHighlighted = box.highlighted;
      box.highlighted = true;
      dragged.box = box.number;
      held = true;
      box.open = true;
      if (!wasHighlighted) effects.Repaint(box.VisibleRect());
    } else {
      box.highlighted = false;
      // Repainted at every move, so an open box follows the drag over its edge.
      if (box.open) effects.Repaint(box.openRect);
    }
  }
  if (!held) dragged.box = 0;
}

void CloseAllBoxes(CornerBoxes& boxes) {
  for (CornerBox& box : boxes) {
    box.open = false;
    box.highlighted = false;
  }
}
