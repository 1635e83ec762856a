// Composing a repaint by mode, with recovery from lost surfaces.
#include "paint/FrameComposition.h"

#include "paint/CelebrationPainter.h"
#include "paint/PlayFrame.h"
#include "paint/SurfaceRestore.h"

namespace {

PaintStatus PaintByMode(PaintResources& resources, PlayState& state, const PuzzleRecord* puzzle,
                        const Rect& rect) {
  const PaintStatus status = state.mode == ViewMode::Play
                                 ? PaintPlayFrame(resources, state, puzzle, rect)
                                 : PaintCelebration(resources, state.fireworks, rect);
  return status | PaintSparkle(resources, state.sparkle, state.playArea);
}

}  // namespace

FrameResult ComposeFrame(PaintResources& resources, const PaintContext& context, PlayState& state,
                         PuzzleRecord* puzzle, const Rect& rect) {
  if (state.mode == ViewMode::Gallery || !resources.backSurface) return {};
  Rect painted = rect;
  if (PaintByMode(resources, state, puzzle, rect) == PaintStatus::SurfaceLost) {
    if (RestoreSurfaces(resources, context, state, puzzle) == RestoreResult::DepthChanged)
      return {{}, true};
    // A loss found now waits for the next repaint, so one repaint restores at most once.
    painted = state.playArea;
    PaintByMode(resources, state, puzzle, painted);
  }
  return {painted.Intersected(state.playArea), false};
}
