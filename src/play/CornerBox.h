// The four fold-away storage boxes in the corners of the play field.
#pragma once

#include <array>

#include "play/ClientPoint.h"
#include "play/PlayEffects.h"
#include "puzzle/PieceGroup.h"
#include "surface/Rect.h"

inline constexpr int kCornerBoxCount = 4;
inline constexpr int kBoxHandleSide = 32;

// One box: closed it is a 32 x 32 handle in its corner, open it covers that quarter of the play
// field. Groups whose box number equals `number` live in it: drawn, picked and joined only there.
struct CornerBox {
  int number = 0;  // 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left
  Rect openRect;
  Rect closedRect;
  bool open = false;
  bool highlighted = false;  // the dragged group hovers over the box

  const Rect& VisibleRect() const { return open ? openRect : closedRect; }
  // The handle of an open box: closedRect's size, in the corner of openRect nearest the field's
  // centre.
  Rect InnerHandle() const;
};

using CornerBoxes = std::array<CornerBox, kCornerBoxCount>;

// Lays the boxes out in the view's client rectangle, below the 32-pixel play toolbar; all closed.
CornerBoxes MakeCornerBoxes(const Rect& client);

// The number of the first box whose visible rectangle holds the point, or 0.
int BoxNumberAt(const CornerBoxes& boxes, ClientPoint point);

// A click on a box's corner handle, or on an open box's inner handle, toggles the box, repaints
// its open rectangle and is taken (true); any other click is not.
bool HandleClick(CornerBox& box, ClientPoint point, PlayEffects& effects);

// Offers a click to boxes 1 to 4 in turn; true when one took it.
bool OfferClickToBoxes(CornerBoxes& boxes, ClientPoint point, PlayEffects& effects);

// The hover rule while a group is dragged: a box under the pointer opens, is highlighted and
// takes the group's box number; the others lose their highlight and, when open, are repainted.
// The group's box number becomes 0 when no box holds the pointer.
void HoverBoxes(CornerBoxes& boxes, ClientPoint point, PieceGroup& dragged, PlayEffects& effects);

// Closes every box and removes every highlight (at completion).
void CloseAllBoxes(CornerBoxes& boxes);
