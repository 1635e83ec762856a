// The numbers of the bitmap resources that painting draws.
#pragma once

inline constexpr int kTextureFirstBitmap = 217;  // background textures 217..225
inline constexpr int kTextureCount = 9;
inline constexpr int kBoxIconFirstBitmap = 238;  // the icons of boxes 1..4: 238..241
inline constexpr int kBoxHandleEmptyBitmap = 265;
inline constexpr int kBoxHandleFullBitmap = 266;
inline constexpr int kSparkleBitmap = 268;        // 16 frames of 24 x 23 side by side
inline constexpr int kParticleFirstBitmap = 272;  // six sprites 272..277, frames of 12 x 12

inline constexpr int kTileSide = 128;
inline constexpr int kParticleSide = 12;
inline constexpr int kSparkleFrameCount = 16;
