// The message window's bar.
#include "game/MessageWindow.h"

#include <algorithm>

#include "surface/Blit.h"
#include "surface/ClipBlit.h"

namespace {

constexpr int kBarWidth = 432;
constexpr int kBarHeight = 22;
constexpr int kBarBottomGap = 27;

// Copies columns [from, to) of the picture to (from, 0) of the bar, clipped to both.
bool CopyColumns(Surface& bar, const Surface* picture, int from, int to) {
  if (picture == nullptr || from >= to) return true;
  Rect source{from, 0, to, std::min(kBarPictureHeight, picture->Height())};
  source = source.Intersected(picture->Bounds());
  int x = from, y = 0;
  ClipBlit(source, x, y, bar.Bounds());
  if (source.IsEmpty()) return true;
  return BltFast(bar, x, y, *picture, source);
}

}  // namespace

Rect MessageBarRect(int clientWidth, int clientHeight) {
  return Rect::FromSize((clientWidth - kBarWidth) / 2, clientHeight - kBarBottomGap, kBarWidth,
                        kBarHeight);
}

bool PaintProgressBar(Surface& bar, const Surface* empty, const Surface* filled, int filledWidth) {
  const int x = std::clamp(filledWidth, 0, kBarPictureWidth);
  const bool emptyDone = CopyColumns(bar, empty, x, kBarPictureWidth);
  const bool filledDone = CopyColumns(bar, filled, 0, x);
  return emptyDone && filledDone;
}
