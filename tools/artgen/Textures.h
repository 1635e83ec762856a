// The nine grey background textures, 128 x 128, that tile seamlessly.
#pragma once

#include <QImage>

inline constexpr int kTextureCount = 9;
inline constexpr int kTextureSize = 128;

// Texture `index` (0 wood, 1 marble, 2 canvas, 3 cork, 4 felt, 5 paper, 6 stone, 7 woven cloth,
// 8 fine noise). Grey, so the blue channel carries the brightness the background tint uses.
QImage DrawTexture(int index);
