// The small message window ("Loading...", "Saving...", "Pause"): its layout, colours and the
// picture of its progress bar.
#pragma once

#include <cstdint>

#include "surface/Rect.h"
#include "surface/Surface.h"

inline constexpr int kEmptyBarBitmap = 270;   // 430 x 20, the bar with nothing done
inline constexpr int kFilledBarBitmap = 271;  // 430 x 20, the bar with everything done
inline constexpr int kBarPictureWidth = 430;
inline constexpr int kBarPictureHeight = 20;

// Colours as 0x00RRGGBB: the window's light blue background, its dark blue text, and the black
// of the text's shadow one pixel right and down.
inline constexpr uint32_t kMessageBackground = 0xA5CBF7;
inline constexpr uint32_t kMessageText = 0x08246B;
inline constexpr uint32_t kMessageTextShadow = 0x000000;

// The progress bar's control in the window's client area: 432 x 22, centred, 27 pixels above
// the bottom.
Rect MessageBarRect(int clientWidth, int clientHeight);

// Paints the bar for `filledWidth` (0..430) into `bar` at its top-left: columns filledWidth..429
// of the empty picture at (filledWidth, 0), columns 0..filledWidth - 1 of the filled picture at
// (0, 0). A missing picture is skipped; false when a copy fails.
bool PaintProgressBar(Surface& bar, const Surface* empty, const Surface* filled, int filledWidth);
