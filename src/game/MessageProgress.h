// The message window's progress bar as the cutting and saving steps move it.
#pragma once

#include "game/Host.h"
#include "puzzle/CutProgress.h"

// The bar is 430 pixels of filled and empty picture; the filled width is
// trunc(430 * position / (upper - lower)). The host hears of a step only when that width
// changes, so thousands of steps cost a few hundred repaints at most.
class MessageProgress final : public CutProgress {
 public:
  explicit MessageProgress(Host& host) : host_(host) {}

  void SetRange(int lower, int upper) override;
  void SetStep(int step) override { step_ = step; }
  void StepIt() override;

  int Position() const { return position_; }

  static int FilledWidth(int lower, int upper, int position);

 private:
  void Show();

  Host& host_;
  int lower_ = 0;
  int upper_ = 100;
  int step_ = 10;
  int position_ = 0;
  int shownWidth_ = -1;
};
