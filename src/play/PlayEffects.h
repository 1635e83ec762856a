// What a play operation asks of its caller: repaints in order, the celebration, sound, capture.
#pragma once

#include <vector>

#include "surface/Rect.h"

enum class PlayStepKind {
  Repaint,    // RedrawRect(rect)
  Celebrate,  // switch to the celebration: take the snapshot, then EnterCelebration
};

struct PlayStep {
  PlayStepKind kind = PlayStepKind::Repaint;
  Rect rect;
  bool operator==(const PlayStep&) const = default;
};

// The play model decides and its caller paints. Operations append their steps here in the
// order the caller must carry them out; the caller walks them after the operation returns.
struct PlayEffects {
  std::vector<PlayStep> steps;
  bool joinSound = false;     // a drop joined pieces: play the join sound (if sound is on)
  bool captureMouse = false;  // a group was picked: capture the mouse
  bool releaseMouse = false;  // the left button went up: release the capture
  bool clockChanged = false;  // the clock's shown values changed: invalidate its toolbar area

  // An empty rectangle paints nothing, so it is not recorded.
  void Repaint(const Rect& rect);
  void Celebrate();
  // The rectangles of the repaint steps, in order.
  std::vector<Rect> RepaintRects() const;
};
