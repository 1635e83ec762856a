// The small sparkle that plays where a drop joined pieces.
#pragma once

#include <cstdint>

#include "play/PlayEffects.h"

// Frames 0 to 15 are drawn; 16 and 17 draw nothing and clear the last image; at 18 it rests.
inline constexpr float kSparkleResting = 18.0f;
inline constexpr int kSparkleWidth = 24;
inline constexpr int kSparkleHeight = 23;

struct Sparkle {
  float frame = kSparkleResting;
  int x = 100;
  int y = 100;
};

// The sparkle's idle step: while below 18 it advances 20 frames a second (dt in milliseconds)
// and repaints its rectangle.
void SparkleStep(Sparkle& sparkle, uint32_t dt, PlayEffects& effects);
