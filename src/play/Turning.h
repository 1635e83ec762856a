// The right button on the play field: turning groups, or the popup menu.
#pragma once

#include "play/ClientPoint.h"
#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

// Whether a right-button-down shows the popup menu (the play menu in play, the gallery menu in
// the gallery): not in the celebration, and not over a piece in play (a turn follows at the
// button-up). `puzzle` is the open puzzle, none in the gallery.
bool RightButtonDownShowsMenu(const PlayState& state, const PuzzleRecord* puzzle,
                              ClientPoint point);

// Turns every piece of the group a quarter turn clockwise on the screen about the top-left
// corner of `centre`'s image, which does not move; each piece remembers where it was.
void TurnGroup(PieceGroup& group, const Piece& centre);

// In play with rotation on: the group under the pointer turns about the hit piece, is brought
// to the front and tried for joins (without the join sound), and the area it covered before and
// after is repainted. The drop limits do not apply to the turned group, but a group held by a
// left drag is let go and settles as at a release (without joins); the drag's button-up
// then releases the mouse.
void RightButtonUp(PlayState& state, PuzzleRecord& puzzle, ClientPoint point, PlayEffects& effects);
