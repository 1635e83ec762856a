// Painting one corner box: its background, its groups, the hovering dragged group, frame, icons.
#pragma once

#include "paint/ClippedCopy.h"
#include "paint/PaintResources.h"
#include "play/CornerBox.h"
#include "play/PlayState.h"
#include "puzzle/PuzzleRecord.h"
#include "surface/Rect.h"

// The frame of an open box, from the outside in: dark, light, light, dark blue (0x00RRGGBB).
inline constexpr uint32_t kBoxFrameDark = 0x0008246B;
inline constexpr uint32_t kBoxFrameLight = 0x00A5CBF7;

// Repaints `rect` of the box's visible rectangle. An open box gets the lighter tiles (anchored
// at the client's corner), its groups, the dragged group with its shadow while it hovers over
// the box, a four-ring frame and its own icon in the corner nearest the field's centre. Every
// box shows its handle: the full handle when it holds a group or is highlighted, else the
// empty one. A closed box thus shows only its handle. The frame and icons are drawn whole; the
// rest is clipped to `rect`. Nothing is drawn when `rect` misses the visible rectangle.
PaintStatus PaintCornerBox(PaintResources& resources, const PlayState& state,
                           const PuzzleRecord* puzzle, const CornerBox& box, const Rect& rect);
