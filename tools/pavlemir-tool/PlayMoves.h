// A player's hand on a game in play: grab points, drags, right clicks and box handles, made of
// the game's own mouse handlers.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "game/Game.h"

// Whether the point lies on a box handle: any box's corner handle, or an open box's inner one.
bool OnBoxHandle(const CornerBoxes& boxes, ClientPoint point);

// A point inside the view where a left press picks `group`: in the group's own area (the field
// or its open box), off every handle, and where `accept` holds. Piece centres are tried first.
std::optional<ClientPoint> GrabPoint(Game& game, const PieceGroup& group,
                                     const std::function<bool(ClientPoint)>& accept);
std::optional<ClientPoint> GrabPoint(Game& game, const PieceGroup& group);

// Presses at `from`, moves there in four steps and releases. Steps that would pass over a box
// other than the one at `to` are left out, so only the end point can put a group in a box.
void DragPointer(Game& game, ClientPoint from, ClientPoint to);

// The right button pressed and released at the point.
void RightClick(Game& game, ClientPoint at);

// A left click in the middle of the box's corner handle, which opens or closes it.
void ClickHandle(Game& game, const CornerBox& box);

// Drags group `index` of the drawing order so that its first piece ends at `firstAt`. Answers
// "" or why it cannot: not in play, no such group, or no point of it can be picked.
std::string DragGroupTo(Game& game, int index, ClientPoint firstAt);
