// Recording the steps of a play operation.
#include "play/PlayEffects.h"

void PlayEffects::Repaint(const Rect& rect) {
  if (rect.IsEmpty()) return;
  steps.push_back({PlayStepKind::Repaint, rect});
}

void PlayEffects::Celebrate() {
  steps.push_back({PlayStepKind::Celebrate, {}});
}

std::vector<Rect> PlayEffects::RepaintRects() const {
  std::vector<Rect> rects;
  for (const PlayStep& step : steps) {
    if (step.kind == PlayStepKind::Repaint) rects.push_back(step.rect);
  }
  return rects;
}
