// The sparkle's animation step.
#include "play/Sparkle.h"

void SparkleStep(Sparkle& sparkle, uint32_t dt, PlayEffects& effects) {
  if (sparkle.frame >= kSparkleResting) return;
  sparkle.frame = static_cast<float>(sparkle.frame + dt * 0.02);
  effects.Repaint({sparkle.x, sparkle.y, sparkle.x + kSparkleWidth, sparkle.y + kSparkleHeight});
}
