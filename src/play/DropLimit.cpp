// The drop limits.
#include "play/DropLimit.h"

namespace {

constexpr int kKeepInside = 32;

// The shift along one axis: the near rule first, overridden by the far rule.
int AxisShift(int low, int high, int limitLow, int limitHigh, int half) {
  int shift = 0;
  if (high < limitLow + half + kKeepInside) shift = limitLow + half + kKeepInside - high;
  if (low > limitHigh - half - kKeepInside) shift = limitHigh - half - kKeepInside - low;
  return shift;
}

}  // namespace

ClientPoint DropShift(const Rect& bounds, const Rect& limit, int halfWidth, int halfHeight) {
  return {AxisShift(bounds.left, bounds.right, limit.left, limit.right, halfWidth),
          AxisShift(bounds.top, bounds.bottom, limit.top, limit.bottom, halfHeight)};
}
