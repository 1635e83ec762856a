// Keeping a dropped group reachable: the shift that brings it back inside its limit.
#pragma once

#include "play/ClientPoint.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"

// The shift for a dropped group whose bounds, shadow room included, are `bounds`, so that at
// least half its first piece (halfWidth, halfHeight) plus 32 pixels stays inside `limit` on every
// side. When the group is wider or higher than the limit, the right and bottom rules win.
ClientPoint DropShift(const Rect& bounds, const Rect& limit, int halfWidth, int halfHeight);

// Moves a group that has come to rest (dropped, let go without a release, or restored from a
// saved game) back inside the client rectangle, or inside the open box it belongs to.
void KeepGroupInside(const PlayState& state, PieceGroup& group);
