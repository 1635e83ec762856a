// The play field and its corner boxes.
#include "paint/PlayFrame.h"

#include "paint/CornerBoxPainter.h"
#include "paint/PlayFieldPainter.h"

PaintStatus PaintPlayFrame(PaintResources& resources, const PlayState& state,
                           const PuzzleRecord* puzzle, const Rect& rect) {
  PaintStatus status = PaintPlayField(resources, state, puzzle, rect);
  for (const CornerBox& box : state.boxes)
    status = status | PaintCornerBox(resources, state, puzzle, box, rect);
  return status;
}
