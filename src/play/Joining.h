// Snapping a dropped group onto its neighbours, the solved share and completion.
#pragma once

#include "play/JoinSearch.h"
#include "play/PlayEffects.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"

// Runs after every drop and every turn. While a search finds a fitting neighbour, the dragged
// group snaps into place, is merged into the neighbour's group (appended in its order) and is
// destroyed; that group comes to the front, becomes the dragged group and the search starts
// again. The sparkle restarts at every join. Then the solved share is recomputed; when it
// changes to 100 the puzzle is completed (CompletePuzzle). Answers whether anything joined.
// `search` chooses the indexed search or the plain reference scan; both join the same groups
// in the same order.
bool TryJoin(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects,
             JoinSearch search = JoinSearch::Indexed);

// Places the piece where it lies in the finished picture laid at (homeX, homeY).
void LayAtHome(Piece& piece, int homeX, int homeY);

// Completion: the sparkle rests, the dragged group (now every piece) is laid at the ghost's
// position and put on the field, the boxes close, and nothing is dragged any more. The caller
// repaints the play area, enters the celebration and repaints it again.
void CompletePuzzle(PlayState& state, PuzzleRecord& puzzle, PlayEffects& effects);

// The celebration begins: the mode changes and the fireworks launch. The caller has just painted
// the finished picture and taken its snapshot.
void EnterCelebration(PlayState& state);
