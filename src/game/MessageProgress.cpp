// Moving the message window's bar.
#include "game/MessageProgress.h"

#include <algorithm>

namespace {

constexpr int kBarWidth = 430;

}  // namespace

void MessageProgress::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  position_ = lower;
  shownWidth_ = -1;
  Show();
}

void MessageProgress::StepIt() {
  // The bar wraps to its start when a step passes the end, as a progress bar does.
  position_ += step_;
  if (position_ > upper_) position_ = lower_ + (position_ - upper_);
  Show();
}

int MessageProgress::FilledWidth(int lower, int upper, int position) {
  if (upper <= lower) return 0;
  // Multiplied before dividing, so that the last step fills the whole bar: 430 / n * n can
  // come out just below 430 in floating point.
  const double width = static_cast<double>(kBarWidth) * position / (upper - lower);
  return std::clamp(static_cast<int>(width), 0, kBarWidth);
}

void MessageProgress::Show() {
  const int width = FilledWidth(lower_, upper_, position_);
  if (width == shownWidth_) return;
  shownWidth_ = width;
  host_.SetProgress(lower_, upper_, position_);
}
