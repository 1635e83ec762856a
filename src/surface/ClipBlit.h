// Clipping a copy against a rectangle of the destination.
#pragma once

#include "surface/Rect.h"

// Clips the source rectangle and its destination point against `clip` (destination
// coordinates), changing all three in place. The caller copies only when the clipped source
// still has positive width and height.
void ClipBlit(Rect& source, int& destX, int& destY, const Rect& clip);
