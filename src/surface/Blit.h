// Copies and fills between surfaces of one pixel format.
#pragma once

#include <cstdint>

#include "surface/Rect.h"
#include "surface/Surface.h"

enum class BlitKey { None, Source };

// Copies `source` of `src` unscaled to (x, y) of `dest`. With BlitKey::Source, pixels whose
// colour bits equal the source's colour key are left out. Nothing is copied, and false is
// answered, when a surface is lost, the formats differ, a keyed copy has no key, or either
// rectangle is empty or reaches outside its surface (callers clip first with ClipBlit).
bool BltFast(Surface& dest, int x, int y, const Surface& src, const Rect& source,
             BlitKey key = BlitKey::None);

// Moves the pixels inside `area` of `surface` by `dy` rows (down when positive); the rows that
// move in from outside keep their old pixels for the caller to repaint. False when lost or
// when `area` reaches outside the surface.
bool ShiftRows(Surface& surface, const Rect& area, int dy);

// Fills `rect` of `dest` with a pixel value of its format; false when lost or out of bounds.
bool FillRect(Surface& dest, const Rect& rect, uint32_t pixel);

// Scales `source` of `src` into `target` of `dest`, each destination pixel the area-weighted
// mean of the source pixels it covers (the halftone mode that thumbnails use).
bool StretchHalftone(Surface& dest, const Rect& target, const Surface& src, const Rect& source);
