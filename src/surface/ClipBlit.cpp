// Clipping a copy: right edge first, then left, top and bottom.
#include "surface/ClipBlit.h"

void ClipBlit(Rect& source, int& destX, int& destY, const Rect& clip) {
  if (source.Width() <= 0 && source.Height() <= 0) return;
  if (destX + source.Width() > clip.right) source.right = source.left + clip.right - destX;
  if (destX < clip.left) {
    source.left += clip.left - destX;
    destX = clip.left;
  }
  if (destY < clip.top) {
    source.top += clip.top - destY;
    destY = clip.top;
  }
  if (destY + source.Height() > clip.bottom) source.bottom = source.top + clip.bottom - destY;
}
