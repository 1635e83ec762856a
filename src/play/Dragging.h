// The left button on the play field: picking, dragging and dropping groups.
#pragma once

#include "play/ClientPoint.h"
#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

// In play and not paused: a click the corner boxes do not take starts a drag; a hit group
// becomes the dragged group, comes to the front, highlights the box it lies in, and is
// repainted (the caller captures the mouse). Ignored in other modes.
void LeftButtonDown(PlayState& state, PuzzleRecord& puzzle, ClientPoint point,
                    PlayEffects& effects);

// While dragging a group in play: the box hover rule, then the group follows the pointer and
// the area it left and entered is repainted. There is no limit while the button is down.
void MouseMove(PlayState& state, PuzzleRecord& puzzle, ClientPoint point, PlayEffects& effects);

// In play: TryJoin (a join asks for the join sound and moves the sparkle to the pointer), then
// the drop limits, the box highlight removed and the play area repainted; the drag ends and
// the caller releases the mouse.
void LeftButtonUp(PlayState& state, PuzzleRecord& puzzle, ClientPoint point, PlayEffects& effects);

// A drag that ends without the button-up (leaving the game, the celebration): the held group
// keeps to the drop limits as at a release, but tries no joins; no box stays highlighted and
// the drag ends. The caller lets the mouse go and repaints as it needs.
void EndDragWithoutRelease(PlayState& state, PuzzleRecord& puzzle);

// A group let go: moved back inside its drop limit, its box no longer highlighted.
void SettleGroup(PlayState& state, PieceGroup& group);

// Moves every piece of the group by (dx, dy), remembering where each was.
void MoveGroup(PieceGroup& group, int dx, int dy);
